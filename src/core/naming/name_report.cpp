#include "naming/name_report.hpp"

#include <utility>
#include <vector>

#include "app/announcement.hpp"
#include "app/file_output.hpp"
#include "app/site.hpp"
#include "dictionary/char_info.hpp"
#include "naming/five_grids.hpp"
#include "naming/name_score.hpp"
#include "naming/readings.hpp"
#include "tavrin/data/tables.hpp"
#include "text/numbers.hpp"
#include "text/search.hpp"

namespace tavrin {
namespace {

// Where the templates name the source of their readings; see SourceName.
constexpr std::string_view kSourceMarker = "产品来源";

using Values = std::vector<std::pair<GbkText, GbkText>>;  // placeholder, value

// The five values of one character slot; all empty when the slot is absent.
void AddCharacter(Values& values, const GbkText& character, std::string_view slot) {
  const std::string suffix = GbkText(slot) + "}";
  CharInfo info;
  if (!character.empty()) info = DescribeCharacter(character);
  values.emplace_back("{/name" + suffix, character);
  values.emplace_back("{/fanti" + suffix, info.traditional);
  values.emplace_back("{/py" + suffix, info.pinyin);
  values.emplace_back("{/bihua" + suffix, character.empty() ? GbkText() : std::to_string(info.strokes));
  values.emplace_back("{/wuxing" + suffix, info.element);
}

// Every placeholder's value for a scorable name. The page shows grid grades in
// red; the plain text shows them bare.
Values NameValues(const CleanedName& name, bool coloured_grades) {
  Values values;
  AddCharacter(values, name.Surname1(), "1");
  AddCharacter(values, name.Surname2(), "1B");
  AddCharacter(values, name.Given1(), "2");
  AddCharacter(values, name.Given2(), "3");
  AddCharacter(values, name.Given3(), "4");

  const FiveGrids grids = ComputeFiveGrids(name.surname, name.given);
  // 天格 comes from the surname alone, so the reports give it no hint line.
  const struct {
    const char* grid;
    int number;
    bool hinted;
  } named_grids[] = {
      {"天格", grids.heaven, false}, {"人格", grids.person, true}, {"地格", grids.earth, true},
      {"总格", grids.total, true},   {"外格", grids.outer, true},
  };
  for (const auto& [grid, number, hinted] : named_grids) {
    const GbkText key = "{/" + GbkText(grid);
    const NumberReading reading = LookupNumberReading(number);
    values.emplace_back(key + "}", std::to_string(number));
    values.emplace_back(key + "w}", GridElement(number));
    values.emplace_back(key + "评价1}", reading.summary);
    values.emplace_back(key + "评价2}", reading.detail);
    values.emplace_back(key + "凶吉}",
                        coloured_grades ? "<font color=red>" + reading.grade + "</font>" : reading.grade);
    if (hinted) values.emplace_back(key + "暗示}", reading.hint);
  }

  const GbkText talent_key = TalentKey(grids);
  const TalentReading talent = LookupTalentReading(talent_key);
  const RelationReading relation = LookupRelation(grids.person, grids.outer);
  values.emplace_back("{/三才评价1}", talent.summary);
  values.emplace_back("{/三才凶吉}", talent.grade);
  values.emplace_back("{/三才评价2}", talent.detail);
  values.emplace_back("{/基础运}", talent.foundation);
  values.emplace_back("{/基础运凶吉}", talent.foundation_grade);
  values.emplace_back("{/成功运}", talent.success);
  values.emplace_back("{/成功运凶吉}", talent.success_grade);
  values.emplace_back("{/人际关系}", relation.text);
  values.emplace_back("{/人际关系凶吉}", relation.grade);
  values.emplace_back("{/性格}", LookupPersonality(grids.person));

  const double score = NameScore(grids, talent_key, relation.grade);
  values.emplace_back("{/评分}", ScoreText(score));
  values.emplace_back("{/好不好}", NameVerdict(score));
  return values;
}

GbkText Fill(std::string_view report_template, const Values& values) {
  GbkText page = ReplaceAll(report_template, kSourceMarker, SourceName());
  for (const auto& [placeholder, value] : values) page = ReplaceAll(page, placeholder, value);
  return page;
}

}  // namespace

GbkText FillNameReportPage(const CleanedName& name) {
  if (!name.IsScorable()) return {};
  return Fill(data::NameReportTemplate(), NameValues(name, true));
}

GbkText FillNameTextReport(const CleanedName& name) {
  if (!name.IsScorable()) return {};
  GbkText text = Fill(data::NameTextTemplate(), NameValues(name, false));
  // The readings are written for the page; in plain text their markup becomes spaces.
  for (std::string_view markup : {"<br>", "<br />", "</br>", "<p>", "</p>", "&nbsp;"}) {
    text = ReplaceAll(text, markup, " ", CaseRule::IgnoreAscii);
  }
  return text;
}

GbkText NameVerdict(double score) {
  if (CompareReals(score, 90) >= 0)
    return "你的名字取得非常棒，成功与惊喜将会伴随你的一生。但千万注意不要失去上进心。";
  if (CompareReals(score, 80) >= 0)
    return "你的名字取得不错，如果与命理搭配得当，相信它会助你一生顺利的，祝你好运！";
  if (CompareReals(score, 70) >= 0) {
    return "你的名字可能不太理想，要想赢得成功，必须比别人付出更多的艰辛和汗水。如果有条件，改个名字也未尝不"
           "可。";
  }
  if (CompareReals(score, 60) >= 0) {
    return "你的名字可能不太好，如果可能的话，不妨尝试改变一下，也许会有事半功倍之效。";
  }
  return "你的名字可能不是很好。强烈建议你换个名字试试，也许人生会因此而改变的。";
}

GbkText RecommendationBlock(std::string_view announcement) {
  if (announcement.empty()) return {};
  return "<br><br><div style='padding:0px 0px 30px 15px;font-size:17px;'><font "
         "color=red>【强烈推荐】</font>" +
         GbkText(announcement) + "</div>";
}

GbkText BuildNameReport(GbkText& surname, GbkText& given, const std::string& data_dir) {
  const CleanedName name = CleanName(surname, given);
  surname = name.surname;
  given = name.given;
  if (!name.IsScorable()) return {};
  const GbkText page = FillNameReportPage(name);
  const GbkText recommendation = RecommendationBlock(AnnouncementText());
  WriteFileIn(data_dir, kNamePlainPageFile, ReplaceAll(page, kAnnouncementMarker, ""));
  BuildNameTextReport(name.surname, name.given, data_dir);
  return ReplaceAll(page, kAnnouncementMarker, recommendation);
}

void BuildNameTextReport(std::string_view surname, std::string_view given, const std::string& data_dir) {
  const CleanedName name = CleanName(surname, given);
  if (!name.IsScorable()) return;
  WriteFileIn(data_dir, kNameTextFile, FillNameTextReport(name));
}

NameTestOutcome RunNameTest(std::string_view surname, std::string_view given, const std::string& data_dir) {
  GbkText surname_text = RemoveBlanks(surname);
  if (surname_text.empty()) return {GbkText(kAskForSurname), NameBox::Surname, {}};
  GbkText given_text = RemoveBlanks(given);
  if (given_text.empty()) return {GbkText(kAskForGiven), NameBox::Given, {}};
  const GbkText page = BuildNameReport(surname_text, given_text, data_dir);
  return {{}, NameBox::Surname, WriteFileIn(data_dir, kNamePageFile, page)};
}

}  // namespace tavrin
