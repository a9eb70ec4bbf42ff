#include "app/site_pages.hpp"

#include <vector>

#include "tavrin/data/tables.hpp"
#include "text/search.hpp"

namespace tavrin {
namespace {

struct PageKind {
  std::string_view folder;  // "/P20111229/jieqi/"
  std::string_view (*table)();
  std::vector<std::string_view> labels;  // the fields of a row, in order
  std::string_view subtitle;
};

const PageKind kKinds[] = {
    {"/P20111229/jieqi/",
     data::SolarTermPages,
     {"位置", "日期", "气候", "习俗", "养生", "生于此时"},
     "二十四节气"},
    {"/P20111229/bmf/", data::PatronBuddhaPages, {"本命佛", "来历", "寓意", "生肖", "寄语"}, "生肖本命佛"},
};

GbkText Page(const PageKind& kind, std::string_view key) {
  const GbkText row_key = "|" + GbkText(key) + "|";
  if (FindText(kind.table(), row_key) < 0) return {};
  std::string_view rest = TextAfter(kind.table(), row_key);
  GbkText rows;
  for (std::string_view label : kind.labels) {
    rows += "<tr><td class=\"tdbgcolor label\">" + GbkText(label) + "</td><td class=\"tdbgcolor\">" +
            GbkText(TextBefore(rest, "|")) + "</td></tr>\r\n";
    rest = TextAfter(rest, "|");
  }
  const GbkText title = kind.folder == kKinds[1].folder ? GbkText(key) + "年本命佛" : GbkText(key);
  GbkText page = ReplaceAll(data::SitePageTemplate(), "{/标题}", title);
  page = ReplaceAll(page, "{/副标题}", kind.subtitle);
  return ReplaceAll(page, "{/正文}", rows);
}

}  // namespace

std::optional<GbkText> SitePage(std::string_view path) {
  for (const PageKind& kind : kKinds) {
    if (FindText(path, kind.folder) != 1) continue;
    const std::string_view file = path.substr(kind.folder.size());
    const int extension = FindText(file, ".htm", CaseRule::IgnoreAscii);
    if (extension < 2 || static_cast<std::size_t>(extension - 1) + 4 != file.size()) return std::nullopt;
    GbkText page = Page(kind, file.substr(0, static_cast<std::size_t>(extension - 1)));
    if (page.empty()) return std::nullopt;
    return page;
  }
  return std::nullopt;
}

}  // namespace tavrin
