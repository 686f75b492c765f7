#include "platform/win32/win32_registry.h"

#include <windows.h>

#include <string_view>
#include <vector>

#include "platform/win32/text.h"
#include "platform/win32/unique_handle.h"

namespace kivo {
namespace {

// "\Software\..." names the same key as "Software\..."; the API takes only the latter.
std::string_view without_leading_backslash(std::string_view key) {
  if (!key.empty() && key.front() == '\\') key.remove_prefix(1);
  return key;
}

// Stored text need not end in a terminator, and may end in several.
std::wstring text_of(const std::vector<BYTE>& data, DWORD size) {
  std::wstring text(reinterpret_cast<const wchar_t*>(data.data()), size / sizeof(wchar_t));
  while (!text.empty() && text.back() == L'\0') text.pop_back();
  return text;
}

}  // namespace

RegistryText Win32Registry::read_current_user_text(const std::string& key, const std::string& value) {
  unique_hkey opened;
  if (::RegOpenKeyExW(HKEY_CURRENT_USER, widen(without_leading_backslash(key)).c_str(), 0, KEY_READ,
                      opened.put()) != ERROR_SUCCESS)
    return {};
  const std::wstring name = widen(value);
  std::vector<BYTE> data(256);
  DWORD type = 0;
  DWORD size = static_cast<DWORD>(data.size());
  LSTATUS result = ERROR_MORE_DATA;
  // The value can grow between the size query and the read; ask again then.
  for (int attempt = 0; attempt < 4 && result == ERROR_MORE_DATA; ++attempt) {
    size = static_cast<DWORD>(data.size());
    result = ::RegQueryValueExW(opened.get(), name.c_str(), nullptr, &type, data.data(), &size);
    if (result == ERROR_MORE_DATA) data.resize(size + sizeof(wchar_t));
  }
  if (result != ERROR_SUCCESS) return {};
  if (type != REG_SZ && type != REG_EXPAND_SZ) return RegistryText{RegistryText::Kind::wrong_type, {}};
  return RegistryText{RegistryText::Kind::text, narrow(text_of(data, size))};
}

}  // namespace kivo
