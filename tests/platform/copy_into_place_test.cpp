// The safe copy of the portable rules, run against the real file system: what
// lies at the destination afterwards is the old file or the whole new one,
// writable, and no temporary file is left behind.
#include <gtest/gtest.h>

#include "platform/file_ops.h"
#include "scratch_folder.h"

namespace kivo {
namespace {

using namespace scratch;
struct CopyIntoPlaceOnWindows : testing::Test, Scratch {};

TEST_F(CopyIntoPlaceOnWindows, LeavesTheOldOrTheWholeNewFileAndNoTemporary) {
  // The source is read-only, as on a CD.
  write_file(dir / "source.bin", "new");
  ASSERT_TRUE(fs.set_attributes(dir / "source.bin", file_attribute::read_only).ok());
  const struct {
    bool old_file, read_only, leftover;  // leftover: a read-only temporary of an interrupted copy
    Overwrite overwrite;
    std::uint32_t code;
    const char* after;
  } cases[] = {
      {false, false, false, Overwrite::never, 0, "new"},
      {true, false, false, Overwrite::never, win_error::file_exists, "old"},
      {true, false, false, Overwrite::replace, 0, "new"},
      {true, true, false, Overwrite::replace, win_error::access_denied, "old"},
      {false, false, true, Overwrite::keep_existing, 0, "new"},
  };
  for (const auto& c : cases) {
    const std::string to = dir / ("dest" + std::to_string(&c - cases) + ".bin");
    if (c.old_file) write_file(to, "old");
    if (c.read_only) {
      ASSERT_TRUE(fs.set_attributes(to, file_attribute::read_only).ok());
    }
    if (c.leftover) {
      write_file(temporary_name_for(to), "half");
      ASSERT_TRUE(fs.set_attributes(temporary_name_for(to), file_attribute::read_only).ok());
    }

    EXPECT_EQ(copy_into_place(fs, dir / "source.bin", to, c.overwrite).code, c.code) << to;
    EXPECT_EQ(read_file(to), c.after) << to;
    EXPECT_FALSE(fs.is_file(temporary_name_for(to))) << to;
    std::uint32_t attributes = 0;
    ASSERT_TRUE(fs.get_attributes(to, attributes).ok());
    EXPECT_EQ(attributes & file_attribute::read_only, c.read_only ? 1u : 0u) << to;
  }
}

}  // namespace
}  // namespace kivo
