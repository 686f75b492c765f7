#include "text.h"

#include <windows.h>

namespace kivodrv {

std::wstring widen(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), length);
  return wide;
}

std::string narrow(std::wstring_view utf16) {
  if (utf16.empty()) return {};
  const int length = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), nullptr, 0,
                                         nullptr, nullptr);
  std::string bytes(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), bytes.data(), length, nullptr,
                      nullptr);
  return bytes;
}

namespace {

// Raw bytes, so that a pipe or file receives UTF-8 whatever the code pages are.
void write_line(DWORD which, std::wstring_view line) {
  const std::string bytes = narrow(line) + "\n";
  DWORD written = 0;
  WriteFile(GetStdHandle(which), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

}  // namespace

void print_line(std::wstring_view line) { write_line(STD_OUTPUT_HANDLE, line); }
void print_error(std::wstring_view line) { write_line(STD_ERROR_HANDLE, line); }

std::wstring without_mnemonic(std::wstring_view text) {
  std::wstring plain;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'&' && i + 1 < text.size()) ++i;
    plain += text[i];
  }
  return plain;
}

std::wstring quoted(std::wstring_view text) {
  std::wstring shown = L"\"";
  for (wchar_t c : text) {
    if (c == L'\r')
      shown += L"\\r";
    else if (c == L'\n')
      shown += L"\\n";
    else if (c == L'\t')
      shown += L"\\t";
    else
      shown += c;
  }
  return shown + L"\"";
}

}  // namespace kivodrv
