#include "platform/file_ops.h"

#include <gtest/gtest.h>

#include "fake_file_system.h"

namespace kivo {
namespace {

using fake::FakeFileSystem;

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

}  // namespace
}  // namespace kivo
