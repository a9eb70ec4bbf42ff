#pragma once
// The maker's site pages that the product carries itself, so that every
// solar-term link and the patron-Buddha page work with no network: one page per
// solar term and one per zodiac animal, made from built-in tables.
#include <optional>
#include <string_view>

#include "text/gbk_text.hpp"

namespace tavrin {

// The page at a site path such as "/P20111229/jieqi/立春.htm" or
// "/P20111229/bmf/鼠.htm" (GBK), or nothing for any other path.
std::optional<GbkText> SitePage(std::string_view path);

}  // namespace tavrin
