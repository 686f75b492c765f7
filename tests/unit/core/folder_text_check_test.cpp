#include "core/folder_text_check.h"

#include <gtest/gtest.h>

namespace kivo {
namespace {

TEST(FolderTextCheck, AcceptsFullPathsAsTheChoosersProduceThem) {
  for (const char* folder : {"C:\\Winx68k\\", "c:\\Winx68k", "D:\\emu\\winx68k", "C:\\", "C:\\a\\\\b",
                             "C:\\エミュ\\winx68k", "\\\\server\\share", "\\\\server\\share\\winx68k\\",
                             "C:\\con-x", "C:\\COM0", "C:\\.hidden", "C:\\a.b\\c"})
    EXPECT_EQ(check_folder_text(folder), FolderTextProblem::none) << folder;
  EXPECT_EQ(check_folder_text(""), FolderTextProblem::empty);
}

TEST(FolderTextCheck, RefusesWhatWouldLandSomewhereElse) {
  for (const char* folder :
       {"   ", "Winx68k", "C:Winx68k", "\\Winx68k", "1:\\a", "\\\\server", "\\\\\\share", "\\\\server\\"})
    EXPECT_EQ(check_folder_text(folder), FolderTextProblem::not_absolute) << folder;
  for (const char* folder : {"C:\\a?b", "C:\\a*", "C:\\a<b>", "C:\\a|b", "C:\\a\"b", "C:\\a:b", "C:\\a/b",
                             "C:\\a\tb", "C:\\Winx68k ", "C:\\Winx68k.", "C:\\a\\..\\b", "C:\\.",
                             "\\\\?\\C:\\x", "\\\\.\\C:\\x", "\\\\server\\share\\nul"})
    EXPECT_EQ(check_folder_text(folder), FolderTextProblem::forbidden_name) << folder;
}

TEST(FolderTextCheck, DeviceNamesInAnyPlaceCaseAndExtension) {
  for (const char* name : {"CON", "nul", "Aux", "prn", "COM1", "lpt9", "NUL.txt", "con .x", "CONOUT$"})
    EXPECT_TRUE(is_device_name(name)) << name;
  for (const char* name : {"CONS", "COM10", "LPT", "NULL", "xCON", ""})
    EXPECT_FALSE(is_device_name(name)) << name;
  EXPECT_EQ(check_folder_text("C:\\CON"), FolderTextProblem::forbidden_name);
  EXPECT_EQ(check_folder_text("C:\\a\\nul.txt\\b"), FolderTextProblem::forbidden_name);
}

}  // namespace
}  // namespace kivo
