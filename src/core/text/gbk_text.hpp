#pragma once
// Every string of the system is a GBK byte string: ASCII is one byte, a Chinese
// character two, its first byte 0x80 or more. Lengths, positions and cuts count
// bytes. Narrow literals are compiled as GBK (see the top CMakeLists.txt), so
// "金" in this code base is the GBK pair BD F0.
#include <string>
#include <string_view>

namespace tavrin {

using GbkText = std::string;

// True when the byte opens a two-byte character.
constexpr bool IsLeadByte(char byte) { return static_cast<unsigned char>(byte) >= 0x80; }

// The length of the character that starts at text[at]: 2 for a lead byte that
// has a trail byte after it, otherwise 1 (a lone lead byte at the end counts 1).
constexpr std::size_t CharLengthAt(std::string_view text, std::size_t at) {
  return IsLeadByte(text[at]) && at + 1 < text.size() ? 2 : 1;
}

}  // namespace tavrin
