#include "platform/win32/win32_drives.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

namespace kivo {
namespace {

TEST(Win32Drives, LabelLeadsWithTheLetterAndKeepsTheShellsName) {
  EXPECT_EQ(drive_label('c', "ローカル ディスク (C:)"), "c: [ローカル ディスク]");
  EXPECT_EQ(drive_label('d', "(D:)"), "d:");
  EXPECT_EQ(drive_label('e', ""), "e:");
  EXPECT_EQ(drive_label('z', "share (\\\\server) (Z:)"), "z: [share (\\\\server)]");
}

TEST(Win32Drives, ListsTheSystemDriveInLowerCaseAndInLetterOrder) {
  Win32Drives drives;
  const auto entries = drives.list();
  wchar_t windows[MAX_PATH] = {};
  ASSERT_NE(::GetWindowsDirectoryW(windows, MAX_PATH), 0u);
  const char system = static_cast<char>(windows[0] | 0x20);
  const auto found =
      std::find_if(entries.begin(), entries.end(), [&](const DriveEntry& e) { return e.letter == system; });
  ASSERT_NE(found, entries.end());
  EXPECT_EQ(found->label.substr(0, 2), std::string(1, system) + ":");
  EXPECT_TRUE(std::is_sorted(entries.begin(), entries.end(),
                             [](const DriveEntry& a, const DriveEntry& b) { return a.letter < b.letter; }));
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

}  // namespace
}  // namespace kivo
