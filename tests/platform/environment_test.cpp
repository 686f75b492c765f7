#include <gtest/gtest.h>

#include "platform/win32/win32_environment.h"
#include "platform/win32/win32_file_system.h"

namespace kivo {
namespace {

TEST(Win32Environment, KnowsTheProgramAndTheWindowsDirectory) {
  Win32Environment environment;
  Win32FileSystem fs;
  const std::string program = environment.program_path();
  EXPECT_TRUE(fs.is_file(program)) << program;
  EXPECT_NE(program.find("kivo_platform_tests.exe"), std::string::npos) << program;
  const std::string windows = environment.windows_directory();
  EXPECT_TRUE(fs.is_directory(windows)) << windows;
  ASSERT_FALSE(windows.empty());
  EXPECT_NE(windows.back(), '\\');
}

}  // namespace
}  // namespace kivo
