#include "platform/path_parts.h"

#include <gtest/gtest.h>

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

// In Shift-JIS these names end in the byte 0x5C; in our UTF-8 text no byte of a
// multi-byte character can be taken for a separator.
TEST(PathParts, JapaneseNamesNeverHideASeparator) {
  EXPECT_EQ(folder_part("C:\\表\\ソ\\能"), "C:\\表\\ソ");
  EXPECT_EQ(folder_part("C:\\ゲーム\\表\\"), "C:\\ゲーム\\表");
  EXPECT_EQ(up_to_last_backslash("D:\\能\\ソフト.exe"), "D:\\能\\");
  EXPECT_EQ(folder_with_separator("D:\\Games\\表\\start.exe"), "D:\\Games\\表\\");
}

TEST(PathParts, FlattenedNameDropsTheFirstFolderLevel) {
  EXPECT_EQ(flattened_name("\\winx68k\\WinX68kHighSpeed.exe"), "\\WinX68kHighSpeed.exe");
  EXPECT_EQ(flattened_name("\\emu\\kivokidou.d88"), "\\kivokidou.d88");
  EXPECT_EQ(flattened_name("\\windrv\\CONFIG.SYS"), "\\CONFIG.SYS");
}

TEST(PathParts, LengthIsCountedAsWindowsCountsIt) {
  EXPECT_EQ(utf16_length("C:\\KIVO"), 7u);
  EXPECT_EQ(utf16_length("表ソ能"), 3u);
  EXPECT_EQ(utf16_length("\xF0\x9F\x8E\xB5"), 2u);  // outside the BMP: a surrogate pair
  EXPECT_TRUE(path_fits(std::string(255, 'a')));
  EXPECT_FALSE(path_fits(std::string(256, 'a')));
}

TEST(PathParts, WithoutTrailingBackslashDropsOneAtMost) {
  const std::pair<const char*, const char*> cases[] = {
      {"C:\\a\\", "C:\\a"}, {"C:\\a", "C:\\a"}, {"C:\\a\\\\", "C:\\a\\"}, {"", ""}, {"表\\", "表"}};
  for (const auto& [path, expected] : cases) EXPECT_EQ(without_trailing_backslash(path), expected) << path;
}

}  // namespace
}  // namespace kivo
