#pragma once
// The maker's web site. Its address is a build setting (TAVRIN_SITE): by
// default the product serves the site's pages itself and never goes online.
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

}  // namespace tavrin
