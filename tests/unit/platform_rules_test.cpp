#include <gtest/gtest.h>

#include "fake_file_system.h"
#include "platform/file_ops.h"
#include "platform/path_parts.h"

namespace kivo {
namespace {

TEST(PathParts, FolderPartKeepsRootsAndDropsOneTrailingSeparator) {
  EXPECT_EQ(folder_part("C:\\Winx68k\\"), "C:\\Winx68k");
  EXPECT_EQ(folder_part("C:\\Winx68k"), "C:\\");
  EXPECT_EQ(folder_part("C:\\"), "C:\\");
  EXPECT_EQ(folder_part("Q:\\kivo68i.exe"), "Q:\\");
  EXPECT_EQ(folder_part(""), "");
  EXPECT_EQ(folder_part("C:WINX68K"), "C:");
  EXPECT_EQ(folder_part("C:\\Winx68k\\\\"), "C:\\Winx68k\\\\");
}

TEST(PathParts, DrivePartOfLettersSharesAndRelativePaths) {
  EXPECT_EQ(drive_part("C:\\KIVO"), "C:");
  EXPECT_EQ(drive_part("\\\\server\\share\\winx68k"), "\\\\server\\share");
  EXPECT_EQ(drive_part("\\\\server"), "\\\\server");
  EXPECT_EQ(drive_part("relative\\x"), "");
  EXPECT_EQ(drive_letter("d:\\foo"), 'd');
  EXPECT_EQ(drive_letter("\\\\server\\share"), '\\');
  EXPECT_EQ(drive_letter(""), '\0');
}

TEST(PathParts, FlattenedNameDropsTheFirstFolderLevel) {
  EXPECT_EQ(flattened_name("\\winx68k\\WinX68kHighSpeed.exe"), "\\WinX68kHighSpeed.exe");
  EXPECT_EQ(flattened_name("\\emu\\kivokidou.d88"), "\\kivokidou.d88");
  EXPECT_EQ(flattened_name("\\windrv\\CONFIG.SYS"), "\\CONFIG.SYS");
}

TEST(PathParts, WithoutTrailingBackslashDropsOneAtMost) {
  const std::pair<const char*, const char*> cases[] = {
      {"C:\\a\\", "C:\\a"}, {"C:\\a", "C:\\a"}, {"C:\\a\\\\", "C:\\a\\"}, {"", ""}, {"表\\", "表"}};
  for (const auto& [path, expected] : cases) EXPECT_EQ(without_trailing_backslash(path), expected) << path;
}

TEST(CopyIntoPlace, ReplacesWhatAnInterruptedCopyLeftUnderTheTemporaryName) {
  for (const std::uint32_t leftover :
       {file_attribute::normal, file_attribute::read_only, file_attribute::hidden}) {
    fake::FakeFileSystem fs;
    fs.add_file("C:\\src\\a", "new");
    fs.add_file(temporary_name_for("C:\\dest\\a"), "half", leftover);
    ASSERT_TRUE(copy_into_place(fs, "C:\\src\\a", "C:\\dest\\a", Overwrite::never).ok()) << leftover;
    EXPECT_EQ(fs.read("C:\\dest\\a"), "new");
    EXPECT_EQ(fs.files_below("C:\\dest").size(), 1u);
  }
}

}  // namespace
}  // namespace kivo
