// The Win32 services the rules reach through their interfaces (the profile
// functions, the shell's links, the registry, the drives) and the helpers
// beneath them: handle owners, text conversion, the drive prompt's silencing.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/win32/scoped_no_drive_prompt.h"
#include "platform/win32/text.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/win32_drives.h"
#include "platform/win32/win32_profile_store.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_shell.h"
#include "scratch_folder.h"

namespace kivo {
namespace {

using namespace scratch;
struct Win32ServicesTest : testing::Test, Scratch {
  Win32ProfileStore store;
  Win32Shell shell;
};

// The record's keys written and read back, and its exact bytes, are checked on
// the program by the end-to-end scenarios.
TEST_F(Win32ServicesTest, ProfileStoreReadsTheDefaultOfWhatIsMissingAndAtMost2047Characters) {
  EXPECT_EQ(store.read_string(dir / "missing.ini", "INST", "TESTNUM", "99"), "99");
  ASSERT_TRUE(store.write_string(dir / "long.ini", "S", "K", std::string(3000, 'v')).ok());
  EXPECT_EQ(store.read_string(dir / "long.ini", "S", "K", ""), std::string(2047, 'v'));
  EXPECT_EQ(store.read_string(dir / "long.ini", "S", "MISSING", "dflt"), "dflt");
}

// A write that did not happen, or would not read back as written, is reported.
TEST_F(Win32ServicesTest, ProfileStoreRefusesWhatItCannotWrite) {
  write_file(dir / "ro.ini", "[INST]\r\nTESTNUM=1\r\n");
  ASSERT_TRUE(fs.set_attributes(dir / "ro.ini", file_attribute::read_only).ok());
  EXPECT_TRUE(store.write_string(dir / "ro.ini", "INST", "TESTNUM", "2").failed());
  EXPECT_EQ(read_file(dir / "ro.ini"), "[INST]\r\nTESTNUM=1\r\n");
  EXPECT_TRUE(store.write_string(dir / "no\\such\\folder.ini", "INST", "TESTNUM", "2").failed());

  const std::string ini = dir / "x.ini";
  EXPECT_EQ(store.write_string(ini, "INST", "FOLDER", "C:\\a\r\nTESTNUM=1").code,
            win_error::invalid_parameter);
  const Status japanese = store.write_string(ini, "INST", "FOLDER", "C:\\エミュ");
  if (::GetACP() == 932 || ::GetACP() == CP_UTF8) {
    ASSERT_TRUE(japanese.ok());
    EXPECT_EQ(store.read_string(ini, "INST", "FOLDER", ""), "C:\\エミュ");
  } else {
    EXPECT_EQ(japanese.code, static_cast<std::uint32_t>(ERROR_NO_UNICODE_TRANSLATION));
  }
  // A UTF-16 file holds any text.
  write_file(dir / "wide.ini", "\xFF\xFE");
  ASSERT_TRUE(store.write_string(dir / "wide.ini", "INST", "FOLDER", "C:\\エミュ").ok());
  EXPECT_EQ(store.read_string(dir / "wide.ini", "INST", "FOLDER", ""), "C:\\エミュ");
}

TEST_F(Win32ServicesTest, ShellReplacesALinkReadsItsTargetBackAndTellsWhyNoneCameBack) {
  write_file(dir / "start.exe", "MZ");
  const std::string link = dir / "Kivorana（起動）.lnk";
  const ShellLinkSpec wanted{dir / "start.exe", dir.path(), dir / "start.exe", 0};
  ASSERT_TRUE(shell.create_link(link, wanted).ok());
  ASSERT_TRUE(shell.create_link(link, wanted).ok()) << "an existing link is replaced";
  std::string target;
  ASSERT_EQ(shell.read_link_target(link, target), LinkReadResult::ok);
  EXPECT_EQ(target, wanted.target);

  write_file(dir / "not a link.lnk", "plain text, not a shell link");
  target = "unchanged";
  EXPECT_EQ(shell.read_link_target(dir / "not a link.lnk", target), LinkReadResult::load_failed);
  EXPECT_EQ(shell.read_link_target(dir / "missing.lnk", target), LinkReadResult::load_failed);
  EXPECT_EQ(target, "unchanged");
  EXPECT_TRUE(shell.create_link(dir / "no\\such\\folder.lnk", wanted).failed());
}

TEST(Win32Registry, ReadsTextValuesAndTellsMissingFromWrongType) {
  const std::string tests = "Software\\kivo68i platform tests";
  unique_hkey key;
  ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, widen(tests).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              key.put(), nullptr),
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
  ::RegDeleteTreeW(HKEY_CURRENT_USER, widen(tests).c_str());
}

TEST(Win32Drives, LabelLeadsWithTheLetterAndKeepsTheShellsName) {
  EXPECT_EQ(drive_label('c', "ローカル ディスク (C:)"), "c: [ローカル ディスク]");
  EXPECT_EQ(drive_label('e', ""), "e:");
  EXPECT_EQ(drive_label('z', "share (\\\\server) (Z:)"), "z: [share (\\\\server)]");
}

TEST(Win32Drives, ReadingADrivesFolderLeavesTheCurrentDirectoryAlone) {
  Win32Drives drives;
  const std::string before = drives.process_current_folder();
  ASSERT_GE(before.size(), 3u);
  const char other = (before[0] | 0x20) == 'c' ? 'z' : 'c';
  EXPECT_EQ(drives.current_folder(other).substr(1, 2), ":\\");
  EXPECT_EQ(drives.current_folder(before[0]), before);
  EXPECT_EQ(drives.process_current_folder(), before);
}

bool is_open(HANDLE h) {
  DWORD flags = 0;
  return ::GetHandleInformation(h, &flags) != FALSE;
}

TEST(UniqueHandle, ClosesOnceAndHandsOverOnMove) {
  const HANDLE first = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
  const HANDLE second = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
  {
    unique_handle owner(first);
    unique_handle moved(std::move(owner));
    EXPECT_FALSE(owner);
    EXPECT_EQ(moved.get(), first);
    *moved.put() = second;  // put() closes the old value first
    EXPECT_FALSE(is_open(first));
    EXPECT_TRUE(is_open(second));
  }
  EXPECT_FALSE(is_open(second));

  const HANDLE kept = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
  unique_handle releasing(kept);
  EXPECT_EQ(releasing.release(), kept);
  EXPECT_TRUE(is_open(kept));
  ::CloseHandle(kept);
  // CreateFileW's "nothing" is INVALID_HANDLE_VALUE.
  EXPECT_FALSE(hold_open("C:\\no such folder\\x"));
}

TEST(Text, RoundTripsJapaneseAndReplacesBrokenInput) {
  const std::string japanese = "Kivorana（起動）.lnk";
  EXPECT_EQ(widen(japanese), L"Kivorana（起動）.lnk");
  EXPECT_EQ(narrow(widen(japanese)), japanese);
  EXPECT_EQ(widen(""), L"");
  EXPECT_EQ(narrow(L""), "");
  EXPECT_EQ(widen(std::string("a\xFF") + "b"), std::wstring(L"a\xFFFD") + L"b");
}

TEST(ScopedNoDrivePrompt, SilencesDriveErrorsOnlyWhileAlive) {
  const DWORD before = ::GetThreadErrorMode();
  {
    ScopedNoDrivePrompt quiet;
    EXPECT_NE(::GetThreadErrorMode() & SEM_FAILCRITICALERRORS, 0u);
  }
  EXPECT_EQ(::GetThreadErrorMode(), before);
}

}  // namespace
}  // namespace kivo
