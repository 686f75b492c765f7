#include <gtest/gtest.h>
#include <windows.h>

#include "platform/win32/unique_handle.h"
#include "platform/win32/win32_registry.h"

namespace kivo {
namespace {

TEST(Win32Registry, ReadsTextValuesAndTellsMissingFromWrongType) {
  const wchar_t* const key_name = L"Software\\kivo68i platform tests";
  unique_hkey key;
  ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, key_name, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, key.put(),
                              nullptr),
            ERROR_SUCCESS);
  const auto set = [&](const wchar_t* name, DWORD type, const void* data, std::size_t size) {
    ::RegSetValueExW(key.get(), name, 0, type, static_cast<const BYTE*>(data), static_cast<DWORD>(size));
  };
  const auto set_text = [&](const wchar_t* name, const std::wstring& text, DWORD type = REG_SZ) {
    set(name, type, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
  };
  set_text(L"Programs", L"C:\\Users\\ユーザー\\Start Menu\\Programs");
  set_text(L"Expand", L"%USERPROFILE%\\x", REG_EXPAND_SZ);
  set(L"Bare", REG_SZ, L"abc", 3 * sizeof(wchar_t));  // without its terminating zero
  set_text(L"Long", std::wstring(5000, L'l'));
  const DWORD number = 7;
  set(L"Number", REG_DWORD, &number, sizeof number);

  using Kind = RegistryText::Kind;
  const std::string tests = "Software\\kivo68i platform tests";
  const struct {
    std::string key, value;
    Kind kind;
    std::string text;
  } cases[] = {
      {"\\" + tests, "Programs", Kind::text, "C:\\Users\\ユーザー\\Start Menu\\Programs"},
      {tests, "Expand", Kind::text, "%USERPROFILE%\\x"},
      {tests, "Bare", Kind::text, "abc"},
      {tests, "Long", Kind::text, std::string(5000, 'l')},
      {tests, "Number", Kind::wrong_type, ""},
      {tests, "Absent", Kind::missing, ""},
      {tests + "\\No Such Key", "Programs", Kind::missing, ""},
  };
  for (const auto& c : cases) {
    const RegistryText read = Win32Registry().read_current_user_text(c.key, c.value);
    EXPECT_EQ(read.kind, c.kind) << c.key << " " << c.value;
    EXPECT_EQ(read.text, c.text) << c.value;
  }
  key.reset();
  ::RegDeleteTreeW(HKEY_CURRENT_USER, key_name);
}

}  // namespace
}  // namespace kivo
