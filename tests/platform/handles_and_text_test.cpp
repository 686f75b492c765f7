#include <gtest/gtest.h>
#include <windows.h>

#include "platform/win32/scoped_no_drive_prompt.h"
#include "platform/win32/text.h"
#include "platform/win32/unique_handle.h"

namespace kivo {
namespace {

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
  EXPECT_FALSE(unique_file_handle(
      ::CreateFileW(L"C:\\no such folder\\x", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)));
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
