#include "platform/win32/win32_profile_store.h"

#include <windows.h>

#include "platform/win32/read_only_file.h"
#include "platform/win32/text.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/win32_status.h"

namespace kivo {
namespace {

constexpr DWORD kValueBufferLength = 2048;

// A file that starts with a UTF-16 byte-order mark is written in UTF-16 by the
// profile functions; any other file, and a new one, in the ANSI code page.
bool is_utf16_file(const std::wstring& path) {
  const unique_file_handle file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  unsigned char mark[2] = {};
  DWORD got = 0;
  return ::ReadFile(file.get(), mark, sizeof mark, &got, nullptr) && got == 2 && mark[0] == 0xFF &&
         mark[1] == 0xFE;
}

// Where the profile functions keep the file: a bare name lives in the Windows
// directory, anything with a folder or drive is taken as it stands.
std::wstring profile_location(const std::wstring& file) {
  if (file.find_first_of(L"\\/:") != std::wstring::npos) return file;
  wchar_t folder[MAX_PATH] = {};
  const UINT length = ::GetWindowsDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return file;
  return std::wstring(folder, length) + L"\\" + file;
}

// A line break would end the line early and let the rest pose as another key.
bool is_one_line(const std::wstring& text) { return text.find_first_of(L"\r\n") == std::wstring::npos; }

bool fits_ansi_code_page(const std::wstring& text) {
  const UINT code_page = ::GetACP();
  if (code_page == CP_UTF8 || text.empty()) return true;
  BOOL used_default = FALSE;
  const int length = ::WideCharToMultiByte(code_page, WC_NO_BEST_FIT_CHARS, text.c_str(),
                                           static_cast<int>(text.size()), nullptr, 0, nullptr, &used_default);
  return length > 0 && !used_default;
}

}  // namespace

std::string Win32ProfileStore::read_string(const std::string& file, const std::string& section,
                                           const std::string& key, const std::string& default_value) {
  wchar_t buffer[kValueBufferLength] = {};
  const DWORD length =
      ::GetPrivateProfileStringW(widen(section).c_str(), widen(key).c_str(), widen(default_value).c_str(),
                                 buffer, kValueBufferLength, widen(file).c_str());
  return narrow(std::wstring_view(buffer, length));
}

Status Win32ProfileStore::write_string(const std::string& file, const std::string& section,
                                       const std::string& key, const std::string& value) {
  std::wstring wide_file;
  if (const Status s = to_wide_path(file, wide_file); s.failed()) return s;
  const std::wstring wide_section = widen(section);
  const std::wstring wide_key = widen(key);
  const std::wstring wide_value = widen(value);
  if (!is_one_line(wide_section) || !is_one_line(wide_key) || !is_one_line(wide_value))
    return Status::error(win_error::invalid_parameter);
  const std::wstring location = profile_location(wide_file);
  if (const Status s = refuse_read_only_file(location); s.failed()) return s;
  if (!is_utf16_file(location) && !(fits_ansi_code_page(wide_section) && fits_ansi_code_page(wide_key) &&
                                    fits_ansi_code_page(wide_value)))
    return Status::error(ERROR_NO_UNICODE_TRANSLATION);
  if (!::WritePrivateProfileStringW(wide_section.c_str(), wide_key.c_str(), wide_value.c_str(),
                                    wide_file.c_str()))
    return last_error_status();
  return Status::success();
}

}  // namespace kivo
