#pragma once
// The product's name and version, fixed for the life of the process.
#include <string_view>

namespace tavrin {

inline constexpr std::string_view ProductName = "Tavrin";
inline constexpr std::string_view ProductVersion = "3.0";

}  // namespace tavrin
