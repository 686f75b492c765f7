#include <gtest/gtest.h>

#include "fake_file_system.h"
#include "platform/file_ops.h"
#include "platform/path_parts.h"

namespace kivo {
namespace {

// Each part function on the inputs that tell its rules apart: roots kept,
// one trailing separator dropped at most, shares up to the share name, the
// first folder level dropped from a table entry.
TEST(PathParts, EachFunctionOnTheCasesThatTellItsRulesApart) {
  using Part = std::string (*)(std::string_view);
  const struct {
    Part part;
    const char* path;
    const char* expected;
  } cases[] = {
      {folder_part, "C:\\Winx68k\\", "C:\\Winx68k"},
      {folder_part, "C:\\Winx68k", "C:\\"},
      {folder_part, "C:\\", "C:\\"},
      {folder_part, "Q:\\kivo68i.exe", "Q:\\"},
      {folder_part, "", ""},
      {folder_part, "C:WINX68K", "C:"},
      {folder_part, "C:\\Winx68k\\\\", "C:\\Winx68k\\\\"},
      {drive_part, "C:\\KIVO", "C:"},
      {drive_part, "\\\\server\\share\\winx68k", "\\\\server\\share"},
      {drive_part, "\\\\server", "\\\\server"},
      {drive_part, "relative\\x", ""},
      {flattened_name, "\\winx68k\\WinX68kHighSpeed.exe", "\\WinX68kHighSpeed.exe"},
      {flattened_name, "\\emu\\kivokidou.d88", "\\kivokidou.d88"},
      {flattened_name, "\\windrv\\CONFIG.SYS", "\\CONFIG.SYS"},
      {without_trailing_backslash, "C:\\a\\", "C:\\a"},
      {without_trailing_backslash, "C:\\a", "C:\\a"},
      {without_trailing_backslash, "C:\\a\\\\", "C:\\a\\"},
      {without_trailing_backslash, "", ""},
      {without_trailing_backslash, "表\\", "表"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.part(c.path), c.expected) << "row " << &c - cases << ": " << c.path;
  EXPECT_EQ(drive_letter("d:\\foo"), 'd');
  EXPECT_EQ(drive_letter("\\\\server\\share"), '\\');
  EXPECT_EQ(drive_letter(""), '\0');
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
