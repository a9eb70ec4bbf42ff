#pragma once
// The maker's web site. Its address is a build setting (TAVRIN_SITE): by
// default the product serves the site's pages itself and never goes online.
#include <optional>
#include <string_view>

#include "text/gbk_text.hpp"

namespace tavrin {

std::string_view SiteAddress();

// True when the site is a web address (http:// or https://): only then are the
// announcement fetched and the home page opened.
bool SiteIsOnline();

// How the pages name the source of their readings: the product's name, and its
// site's address in brackets when the site is online ("Tavrin（https://…）").
GbkText SourceName();

// The report view's rule for solar-term links: an address that names the file
// "ok.htm" (ASCII case ignored) is not shown; the view goes instead to the
// site's page of the term named after "ok.htm?jq=" (its percent escapes
// decoded: the view encodes the name in the page's GBK). Nothing for any other
// address, which is shown as it is.
std::optional<GbkText> SolarTermLinkTarget(std::string_view address);

// The site's page of a zodiac animal's patron Buddha.
GbkText PatronBuddhaAddress(std::string_view animal);

// "%C1%A2" and the like turned back into their bytes; other text unchanged.
GbkText PercentDecoded(std::string_view text);

}  // namespace tavrin
