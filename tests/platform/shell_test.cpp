#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_shell.h"
#include "scratch_folder.h"

namespace kivo {
namespace {

using scratch::make_folder;
using scratch::ScratchFolder;
using scratch::write_file;

TEST(Win32Shell, SavesALinkAndReadsItsTargetBack) {
  Win32Shell shell;
  Win32FileSystem fs;
  ScratchFolder dir;
  make_folder(dir / "Edition");
  write_file(dir / "Edition\\start.exe", "MZ");
  const std::string link = dir / "Kivorana（起動）.lnk";
  const ShellLinkSpec wanted{dir / "Edition\\start.exe", dir / "Edition", dir / "Edition\\start.exe", 0};
  ASSERT_TRUE(shell.create_link(link, wanted).ok());
  EXPECT_TRUE(fs.is_file(link));
  ASSERT_TRUE(shell.create_link(link, wanted).ok()) << "an existing link is replaced";

  std::string target;
  ASSERT_EQ(shell.read_link_target(link, target), LinkReadResult::ok);
  EXPECT_EQ(target, wanted.target);
}

TEST(Win32Shell, TellsWhyNoTargetCameBack) {
  Win32Shell shell;
  ScratchFolder dir;
  write_file(dir / "not a link.lnk", "plain text, not a shell link");
  std::string target = "unchanged";
  EXPECT_EQ(shell.read_link_target(dir / "not a link.lnk", target), LinkReadResult::load_failed);
  EXPECT_EQ(shell.read_link_target(dir / "missing.lnk", target), LinkReadResult::load_failed);
  EXPECT_EQ(target, "unchanged");
  EXPECT_TRUE(
      shell.create_link(dir / "no\\such\\folder.lnk", ShellLinkSpec{dir / "x.exe", "", "", 0}).failed());
}

TEST(Win32Shell, FindsTheDesktopAndRefusesToOpenAMissingDocument) {
  Win32Shell shell;
  Win32FileSystem fs;
  std::string desktop;
  ASSERT_TRUE(shell.desktop_folder(desktop).ok());
  EXPECT_TRUE(fs.is_directory(desktop)) << desktop;
  ScratchFolder dir;
  EXPECT_TRUE(shell.open_document(dir / "index.htm").failed());
}

// Leaves a link where run.sh can check it with a reader outside Windows.
TEST(Win32Shell, WritesALinkForAnOutsideReader) {
  const char* out = std::getenv("KIVO_LNK_OUT");
  if (out == nullptr) GTEST_SKIP() << "KIVO_LNK_OUT not set";
  const std::string folder = out;
  EXPECT_TRUE(
      Win32Shell()
          .create_link(folder + "\\winx68k.lnk", ShellLinkSpec{folder + "\\WinX68kHighSpeed.exe", folder,
                                                               folder + "\\WinX68kHighSpeed.exe", 0})
          .ok());
}

}  // namespace
}  // namespace kivo
