#include "app/site.hpp"

#include "app/product.hpp"
#include "text/search.hpp"

namespace tavrin {

std::string_view SiteAddress() { return TAVRIN_SITE_ADDRESS; }

bool SiteIsOnline() {
  const std::string_view site = SiteAddress();
  return FindText(site, "http://", CaseRule::IgnoreAscii) == 1 ||
         FindText(site, "https://", CaseRule::IgnoreAscii) == 1;
}

GbkText SourceName() {
  GbkText name(ProductName);
  if (SiteIsOnline()) name += "（" + GbkText(SiteAddress()) + "）";
  return name;
}

}  // namespace tavrin
