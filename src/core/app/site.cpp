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

GbkText PercentDecoded(std::string_view text) {
  auto hex = [](char digit) {
    if (digit >= '0' && digit <= '9') return digit - '0';
    if (digit >= 'A' && digit <= 'F') return digit - 'A' + 10;
    if (digit >= 'a' && digit <= 'f') return digit - 'a' + 10;
    return -1;
  };
  GbkText bytes;
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (text[at] == '%' && at + 2 < text.size() && hex(text[at + 1]) >= 0 && hex(text[at + 2]) >= 0) {
      bytes += static_cast<char>(hex(text[at + 1]) * 16 + hex(text[at + 2]));
      at += 2;
    } else {
      bytes += text[at];
    }
  }
  return bytes;
}

std::optional<GbkText> SolarTermLinkTarget(std::string_view address) {
  // The link file is "ok.htm" itself, not any name that ends in it ("book.htm").
  bool link = false;
  for (int at = FindText(address, "ok.htm", CaseRule::IgnoreAscii); at > 0 && !link;
       at = FindText(address, "ok.htm", CaseRule::IgnoreAscii, at + 1)) {
    link = at == 1 || address[static_cast<std::size_t>(at - 2)] == '/' ||
           address[static_cast<std::size_t>(at - 2)] == '\\';
  }
  if (!link) return std::nullopt;
  const GbkText key = PercentDecoded(TextAfter(address, "ok.htm?jq="));
  return GbkText(SiteAddress()) + "/P20111229/jieqi/" + key + ".htm";
}

GbkText PatronBuddhaAddress(std::string_view animal) {
  return GbkText(SiteAddress()) + "/P20111229/bmf/" + GbkText(animal) + ".htm";
}

}  // namespace tavrin
