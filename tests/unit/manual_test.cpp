#include "app/manual.h"

#include <gtest/gtest.h>

#include "fake_file_system.h"
#include "fake_system.h"

namespace kivo {
namespace {

TEST(Manual, OpensTheManualBesideTheProgramNotInTheCurrentDirectory) {
  fake::FakeFileSystem fs;
  fs.add_drive('Q');
  fs.add_file("Q:\\index.htm", "<html>");
  fake::FakeShell shell(fs);
  fake::FakeEnvironment environment;
  environment.program = "Q:\\kivo68i.exe";
  open_manual(fs, shell, environment);
  ASSERT_EQ(shell.opened, std::vector<std::string>{"Q:\\index.htm"});

  environment.program = "Q:\\表\\kivo68i.exe";
  fs.add_file("Q:\\表\\index.htm", "<html>");
  open_manual(fs, shell, environment);
  EXPECT_EQ(shell.opened.back(), "Q:\\表\\index.htm");
}

TEST(Manual, AMissingManualOpensNothing) {
  fake::FakeFileSystem fs;
  fs.add_drive('Q');
  fake::FakeShell shell(fs);
  fake::FakeEnvironment environment;
  open_manual(fs, shell, environment);
  EXPECT_TRUE(shell.opened.empty());
}

}  // namespace
}  // namespace kivo
