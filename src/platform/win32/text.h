#pragma once
// Conversions between the UTF-8 text the rules use and the UTF-16 text of the
// W functions. Invalid input is replaced, never dropped silently to nothing.

#include <string>
#include <string_view>

namespace kivo {

std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);

}  // namespace kivo
