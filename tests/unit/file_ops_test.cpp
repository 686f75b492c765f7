#include "platform/file_ops.h"

#include <gtest/gtest.h>

#include "fake_file_system.h"

namespace kivo {
namespace {

using fake::FakeFileSystem;
using fake::FsOp;

// Every missing parent is made; Windows reads a run of backslashes as one, also
// below folders that are still missing.
TEST(CreateDirectories, MakesEveryMissingParentThroughRepeatedSeparators) {
  const std::pair<const char*, const char*> cases[] = {
      {"C:\\a\\b\\c\\", "C:\\a\\b\\c"},
      {"D:\\new\\deep\\\\", "D:\\new\\deep"},
      {"D:\\a\\b\\\\c", "D:\\a\\b\\c"},
      {"D:\\\\a\\\\\\b", "D:\\a\\b"},
      {"D:\\\\", "D:\\"},
      {"\\\\srv\\share\\\\x\\\\y\\", "\\\\srv\\share\\x\\y"},
  };
  for (const auto& [typed, deepest] : cases) {
    FakeFileSystem fs;
    fs.add_drive('D');
    fs.add_unc_share("\\\\srv\\share");
    EXPECT_TRUE(create_directories(fs, typed).ok()) << typed;
    EXPECT_TRUE(fs.is_directory(deepest)) << typed;
    EXPECT_TRUE(create_directories(fs, deepest).ok()) << typed;
  }
  FakeFileSystem fs;
  EXPECT_EQ(create_directories(fs, "").code, win_error::invalid_name);
  EXPECT_EQ(create_directories(fs, "X:\\a").code, win_error::path_not_found);
  EXPECT_EQ(create_directories(fs, "E:\\\\a").code, win_error::path_not_found);
}

TEST(CreateDirectories, ReportsTheFailingLevel) {
  FakeFileSystem fs;
  fs.fail(FsOp::create_directory, win_error::access_denied, "\\b");
  EXPECT_EQ(create_directories(fs, "C:\\a\\b\\c").code, win_error::access_denied);
  EXPECT_TRUE(fs.is_directory("C:\\a"));
  EXPECT_FALSE(fs.exists("C:\\a\\b"));
}

TEST(CopyIntoPlace, ClearsReadOnlyAndLeavesNoTemporaryFile) {
  FakeFileSystem fs;
  fs.add_drive('Q');
  fs.add_file("Q:\\tools\\a.txt", "data", file_attribute::read_only);
  fs.add_directory("C:\\dest");
  ASSERT_TRUE(copy_into_place(fs, "Q:\\tools\\a.txt", "C:\\dest\\\\a.txt", Overwrite::never).ok());
  EXPECT_EQ(fs.read("C:\\dest\\a.txt"), "data");
  EXPECT_EQ(*fs.attributes_of("C:\\dest\\a.txt") & file_attribute::read_only, 0u);
  EXPECT_EQ(fs.files_below("C:\\dest").size(), 1u);
}

TEST(CopyIntoPlace, AnInterruptedCopyNeverLeavesAFileUnderItsFinalName) {
  FakeFileSystem fs;
  fs.add_file("C:\\src\\big.bin", std::string(1000, 'x'));
  fs.add_directory("C:\\dest");
  fs.leave_partial_copies(true);
  fs.fail(FsOp::copy_file, win_error::disk_full);
  EXPECT_EQ(copy_into_place(fs, "C:\\src\\big.bin", "C:\\dest\\big.bin", Overwrite::never).code,
            win_error::disk_full);
  EXPECT_TRUE(fs.files_below("C:\\dest").empty());

  fs.fail(FsOp::flush_file, win_error::write_fault);
  EXPECT_EQ(copy_into_place(fs, "C:\\src\\big.bin", "C:\\dest\\big.bin", Overwrite::never).code,
            win_error::write_fault);
  EXPECT_TRUE(fs.files_below("C:\\dest").empty());
}

TEST(CopyIntoPlace, OverwritesOnlyWhenAsked) {
  const struct {
    Overwrite mode;
    std::uint32_t target_attributes;
    std::uint32_t code;
    const char* left;
  } cases[] = {
      {Overwrite::never, file_attribute::read_only, win_error::file_exists, "old"},
      {Overwrite::keep_existing, file_attribute::read_only, 0, "old"},
      {Overwrite::replace, file_attribute::archive, 0, "new"},
  };
  for (const auto& c : cases) {
    FakeFileSystem fs;
    fs.add_file("C:\\src\\a", "new");
    fs.add_file("C:\\dest\\a", "old", c.target_attributes);
    EXPECT_EQ(copy_into_place(fs, "C:\\src\\a", "C:\\dest\\a", c.mode).code, c.code);
    EXPECT_EQ(fs.read("C:\\dest\\a"), c.left);
    EXPECT_EQ(*fs.attributes_of("C:\\dest\\a") & file_attribute::read_only,
              c.target_attributes & file_attribute::read_only);
  }
}

TEST(CopyIntoPlace, ReplacesWhatAnInterruptedCopyLeftUnderTheTemporaryName) {
  for (const std::uint32_t leftover :
       {file_attribute::normal, file_attribute::read_only, file_attribute::hidden}) {
    FakeFileSystem fs;
    fs.add_file("C:\\src\\a", "new");
    fs.add_file(temporary_name_for("C:\\dest\\a"), "half", leftover);
    ASSERT_TRUE(copy_into_place(fs, "C:\\src\\a", "C:\\dest\\a", Overwrite::never).ok()) << leftover;
    EXPECT_EQ(fs.read("C:\\dest\\a"), "new");
    EXPECT_EQ(fs.files_below("C:\\dest").size(), 1u);
  }
}

TEST(TrimmedErrorText, DropsTrailingBlanksControlsAndPeriods) {
  FakeFileSystem fs;
  EXPECT_EQ(trimmed_error_text(fs, win_error::access_denied), "アクセスが拒否されました。");
  EXPECT_EQ(trimmed_error_text(fs, 9999), "Error 9999");
}

}  // namespace
}  // namespace kivo
