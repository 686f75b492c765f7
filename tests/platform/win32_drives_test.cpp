#include "platform/win32/win32_drives.h"

#include <gtest/gtest.h>

namespace kivo {
namespace {

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

}  // namespace
}  // namespace kivo
