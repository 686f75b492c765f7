// The folder creation and the safe copy of the portable rules, run against the real file system.
#include <gtest/gtest.h>

#include "platform/file_ops.h"
#include "platform/win32/win32_file_system.h"
#include "scratch_folder.h"

namespace kivo {
namespace {

using scratch::read_file;
using scratch::ScratchFolder;
using scratch::write_file;

// The system reads a run of backslashes as one, at the end too; the walk up to
// the missing folders has to as well.
TEST(CreateDirectoriesOnWindows, MakesFoldersTypedWithRepeatedSeparators) {
  Win32FileSystem fs;
  ScratchFolder dir;
  struct Case {
    const char* typed;
    const char* deepest;
  };
  const Case cases[] = {
      {"new\\deep\\\\", "new\\deep"},
      {"a\\b\\\\c", "a\\b\\c"},
      {"x\\\\\\y\\\\", "x\\y"},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(create_directories(fs, dir.path() + "\\" + c.typed).ok()) << c.typed;
    EXPECT_TRUE(fs.is_directory(dir / c.deepest)) << c.typed;
    EXPECT_TRUE(fs.is_directory(dir.path() + "\\" + c.typed)) << c.typed;
  }
}

TEST(CopyIntoPlaceOnWindows, CopiesReplacesAndLeavesNoTemporaryFile) {
  Win32FileSystem fs;
  ScratchFolder dir;
  write_file(dir / "source.bin", "new contents");
  ASSERT_TRUE(fs.set_attributes(dir / "source.bin", file_attribute::read_only).ok());
  write_file(dir / "kept.bin", "old");

  EXPECT_EQ(copy_into_place(fs, dir / "source.bin", dir / "kept.bin", Overwrite::never).code,
            win_error::file_exists);
  EXPECT_EQ(read_file(dir / "kept.bin"), "old");

  ASSERT_TRUE(copy_into_place(fs, dir / "source.bin", dir / "kept.bin", Overwrite::replace).ok());
  EXPECT_EQ(read_file(dir / "kept.bin"), "new contents");
  ASSERT_TRUE(copy_into_place(fs, dir / "source.bin", dir / "fresh.bin", Overwrite::never).ok());
  EXPECT_EQ(read_file(dir / "fresh.bin"), "new contents");

  std::uint32_t attributes = 0;
  ASSERT_TRUE(fs.get_attributes(dir / "fresh.bin", attributes).ok());
  EXPECT_EQ(attributes & file_attribute::read_only, 0u);
  EXPECT_FALSE(fs.is_file(temporary_name_for(dir / "fresh.bin")));
}

TEST(CopyIntoPlaceOnWindows, AFailedMoveKeepsTheOriginalAndRemovesTheTemporary) {
  Win32FileSystem fs;
  ScratchFolder dir;
  write_file(dir / "source.bin", "new");
  write_file(dir / "locked.bin", "original");
  ASSERT_TRUE(fs.set_attributes(dir / "locked.bin", file_attribute::read_only).ok());
  EXPECT_EQ(copy_into_place(fs, dir / "source.bin", dir / "locked.bin", Overwrite::replace).code,
            win_error::access_denied);
  EXPECT_EQ(read_file(dir / "locked.bin"), "original");
  EXPECT_FALSE(fs.is_file(temporary_name_for(dir / "locked.bin")));
}

TEST(CopyIntoPlaceOnWindows, ReplacesAReadOnlyLeftoverOfAnInterruptedCopy) {
  Win32FileSystem fs;
  ScratchFolder dir;
  write_file(dir / "source.bin", "whole file");
  const std::string leftover = temporary_name_for(dir / "dest.bin");
  write_file(leftover, "half");
  ASSERT_TRUE(fs.set_attributes(leftover, file_attribute::read_only).ok());
  ASSERT_TRUE(copy_into_place(fs, dir / "source.bin", dir / "dest.bin", Overwrite::keep_existing).ok());
  EXPECT_EQ(read_file(dir / "dest.bin"), "whole file");
  EXPECT_FALSE(fs.is_file(leftover));
}

}  // namespace
}  // namespace kivo
