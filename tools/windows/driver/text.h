#pragma once
// Text helpers of the driver: UTF-8 <-> UTF-16 and the lines it prints.

#include <string>
#include <string_view>

namespace kivodrv {

std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);

// Writes one line as UTF-8 to stdout or stderr, whatever the console code page.
void print_line(std::wstring_view line);
void print_error(std::wstring_view line);

// A button text without its mnemonic marker: "はい(&Y)" -> "はい(Y)", "&&" -> "&".
std::wstring without_mnemonic(std::wstring_view text);

// Text with control characters shown as escapes, in quotes, for printing.
std::wstring quoted(std::wstring_view text);

}  // namespace kivodrv
