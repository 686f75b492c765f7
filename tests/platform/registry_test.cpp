#include <gtest/gtest.h>
#include <windows.h>

#include "platform/win32/unique_handle.h"
#include "platform/win32/win32_registry.h"

namespace kivo {
namespace {

constexpr const wchar_t* kKey = L"Software\\kivo68i platform tests";

class Win32RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, key_.put(),
                                nullptr),
              ERROR_SUCCESS);
  }
  void TearDown() override {
    key_.reset();
    ::RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
  }
  void set(const wchar_t* name, DWORD type, const void* data, DWORD size) {
    ASSERT_EQ(::RegSetValueExW(key_.get(), name, 0, type, static_cast<const BYTE*>(data), size),
              ERROR_SUCCESS);
  }
  void set_text(const wchar_t* name, const std::wstring& text, DWORD type = REG_SZ) {
    set(name, type, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  }

  Win32Registry registry;
  unique_hkey key_;
};

TEST_F(Win32RegistryTest, ReadsTextValues) {
  set_text(L"Programs", L"C:\\Users\\ユーザー\\Start Menu\\Programs");
  set_text(L"Expand", L"%USERPROFILE%\\x", REG_EXPAND_SZ);
  const std::wstring unterminated = L"abc";
  set(L"Bare", REG_SZ, unterminated.data(), 3 * sizeof(wchar_t));
  set_text(L"Long", std::wstring(5000, L'l'));

  const std::string key = "Software\\kivo68i platform tests";
  RegistryText read = registry.read_current_user_text(key, "Programs");
  EXPECT_EQ(read.kind, RegistryText::Kind::text);
  EXPECT_EQ(read.text, "C:\\Users\\ユーザー\\Start Menu\\Programs");
  EXPECT_EQ(registry.read_current_user_text("\\" + key, "Programs").text, read.text);
  EXPECT_EQ(registry.read_current_user_text(key, "Expand").text, "%USERPROFILE%\\x");
  EXPECT_EQ(registry.read_current_user_text(key, "Bare").text, "abc");
  EXPECT_EQ(registry.read_current_user_text(key, "Long").text, std::string(5000, 'l'));
}

TEST_F(Win32RegistryTest, TellsMissingFromWrongType) {
  const DWORD number = 7;
  set(L"Number", REG_DWORD, &number, sizeof number);
  const std::string key = "Software\\kivo68i platform tests";
  EXPECT_EQ(registry.read_current_user_text(key, "Number").kind, RegistryText::Kind::wrong_type);
  EXPECT_EQ(registry.read_current_user_text(key, "Absent").kind, RegistryText::Kind::missing);
  EXPECT_EQ(registry.read_current_user_text(key + "\\No Such Key", "Programs").kind,
            RegistryText::Kind::missing);

  unique_hkey created;
  EXPECT_NE(::RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\kivo68i platform tests\\No Such Key", 0, KEY_READ,
                            created.put()),
            ERROR_SUCCESS);
}

TEST(Win32RegistryDefaults, FindsTheStartMenuProgramsFolder) {
  const RegistryText programs = Win32Registry().read_current_user_text(
      "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Programs");
  EXPECT_EQ(programs.kind, RegistryText::Kind::text);
  EXPECT_NE(programs.text.find("Programs"), std::string::npos) << programs.text;
}

}  // namespace
}  // namespace kivo
