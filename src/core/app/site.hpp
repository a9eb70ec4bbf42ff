#pragma once
// The maker's web site. Its address is a build setting (TAVRIN_SITE): by
// default the product serves the site's pages itself and never goes online.
#include <string_view>

namespace tavrin {

std::string_view SiteAddress();

// True when the site is a web address (http:// or https://): only then are the
// announcement fetched and the home page opened.
bool SiteIsOnline();

}  // namespace tavrin
