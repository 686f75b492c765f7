#include <gtest/gtest.h>

#include "platform/win32/win32_shell.h"
#include "scratch_folder.h"

namespace kivo {
namespace {

using namespace scratch;
struct Win32ShellTest : testing::Test, Scratch {};

TEST_F(Win32ShellTest, ReplacesALinkReadsItsTargetBackAndTellsWhyNoneCameBack) {
  Win32Shell shell;
  write_file(dir / "start.exe", "MZ");
  const std::string link = dir / "Kivorana（起動）.lnk";
  const ShellLinkSpec wanted{dir / "start.exe", dir.path(), dir / "start.exe", 0};
  ASSERT_TRUE(shell.create_link(link, wanted).ok());
  ASSERT_TRUE(shell.create_link(link, wanted).ok()) << "an existing link is replaced";
  std::string target;
  ASSERT_EQ(shell.read_link_target(link, target), LinkReadResult::ok);
  EXPECT_EQ(target, wanted.target);

  write_file(dir / "not a link.lnk", "plain text, not a shell link");
  target = "unchanged";
  EXPECT_EQ(shell.read_link_target(dir / "not a link.lnk", target), LinkReadResult::load_failed);
  EXPECT_EQ(shell.read_link_target(dir / "missing.lnk", target), LinkReadResult::load_failed);
  EXPECT_EQ(target, "unchanged");
  EXPECT_TRUE(shell.create_link(dir / "no\\such\\folder.lnk", wanted).failed());
}

}  // namespace
}  // namespace kivo
