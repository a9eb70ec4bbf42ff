#pragma once
// The name report (名字评分): the page a parent reads after testing a name, a copy
// of it without the announcement, and its plain-text twin. Each is a template
// filled with what the dictionary and the five-grid method say of the name.
#include <string>
#include <string_view>

#include "naming/name_input.hpp"
#include "text/gbk_text.hpp"

namespace tavrin {

// The files of a name test in the data directory.
inline constexpr std::string_view kNamePageFile = "NamePf.htm";           // the page shown
inline constexpr std::string_view kNamePlainPageFile = "NamePf2011.htm";  // without the announcement
inline constexpr std::string_view kNameTextFile = "NamePf.txt";           // the plain-text report

// Where the announcement goes at the end of the page.
inline constexpr std::string_view kAnnouncementMarker = "<!--{/bmf}-->";

// The page of a cleaned name with every value filled in and the announcement
// marker still in place; empty when the name has no first surname or first given
// character (CleanedName::IsScorable).
GbkText FillNameReportPage(const CleanedName& name);

// The plain-text report of a cleaned name: grades without colour, and every HTML
// line break, paragraph mark and "&nbsp;" of the readings turned into one space.
// Empty when the name cannot be scored.
GbkText FillNameTextReport(const CleanedName& name);

// The verdict sentence of a score; a score on a band's lower edge (60, 70, 80,
// 90) belongs to that band.
GbkText NameVerdict(double score);

// The red recommendation block that closes the page; empty without an announcement.
GbkText RecommendationBlock(std::string_view announcement);

// Cleans both texts in place (blanks, digits, Latin letters and punctuation
// removed, cut to two and three characters), writes NamePf2011.htm and NamePf.txt
// into `data_dir`, and returns the page for NamePf.htm, which carries the
// recommendation block when there is an announcement (read once). A name that
// cleaning leaves unscorable gives the empty text and writes nothing. Failed
// writes are ignored.
GbkText BuildNameReport(GbkText& surname, GbkText& given, const std::string& data_dir);

// Writes NamePf.txt for the name after the same cleaning; nothing when it cannot
// be scored.
void BuildNameTextReport(std::string_view surname, std::string_view given, const std::string& data_dir);

// The name test behind the window's button, without the widgets: the window
// passes the texts of the surname and given-name boxes, then shows `message`
// (title 提示, question icon) when there is one, or points its report view at
// `page_path`, and in either case puts the focus into `focus`.
enum class NameBox { Surname, Given };
struct NameTestOutcome {
  GbkText message;  // 请输入宝宝姓氏 or 请输入宝宝名字; empty when a page was made
  NameBox focus = NameBox::Surname;  // the box that takes the keyboard focus
  std::string page_path;             // NamePf.htm in the data directory; empty with a message
};
inline constexpr std::string_view kAskForSurname = "请输入宝宝姓氏";
inline constexpr std::string_view kAskForGiven = "请输入宝宝名字";

// A box that holds nothing but blanks asks for its name and writes nothing (the
// surname box first). Otherwise NamePf.htm is replaced by BuildNameReport's page
// (empty when cleaning left nothing to score: then there is no message and the
// other two files keep their content).
NameTestOutcome RunNameTest(std::string_view surname, std::string_view given, const std::string& data_dir);

}  // namespace tavrin
