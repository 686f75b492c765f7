#include "app/manual.h"

#include <gtest/gtest.h>

#include "fake_services.h"

namespace kivo {
namespace {

// The manual beside the program, not in the current directory; none opened
// when it is missing.
TEST(Manual, OpensTheManualBesideTheProgramWhenItIsThere) {
  fake::FakeServices s;
  s.fs.add_drive('Q');
  open_manual(s.fs, s.shell, s.environment);
  EXPECT_TRUE(s.shell.opened.empty());
  s.fs.add_file("Q:\\index.htm", "<html>");
  open_manual(s.fs, s.shell, s.environment);
  EXPECT_EQ(s.shell.opened, std::vector<std::string>{"Q:\\index.htm"});
  s.environment.program = "Q:\\表\\kivo68i.exe";
  s.fs.add_file("Q:\\表\\index.htm", "<html>");
  open_manual(s.fs, s.shell, s.environment);
  EXPECT_EQ(s.shell.opened.back(), "Q:\\表\\index.htm");
}

}  // namespace
}  // namespace kivo
