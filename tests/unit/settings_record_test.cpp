#include "emulator/settings_record.h"

#include <gtest/gtest.h>

#include "core/user_error.h"
#include "fake_file_system.h"
#include "fake_profile_store.h"
#include "fake_system.h"

namespace kivo {
namespace {

TEST(ProfileInteger, DecimalHexAndGarbage) {
  EXPECT_EQ(parse_profile_integer("1"), 1);
  EXPECT_EQ(parse_profile_integer("-7"), -7);
  EXPECT_EQ(parse_profile_integer("0x1F"), 31);
  EXPECT_EQ(parse_profile_integer("0X10"), 16);
  EXPECT_EQ(parse_profile_integer("$ff"), 255);
  EXPECT_EQ(parse_profile_integer("$FFFFFFFF"), -1);
  EXPECT_EQ(parse_profile_integer("2147483647"), 2147483647);
  EXPECT_EQ(parse_profile_integer("-2147483648"), INT32_MIN);
  for (const char* bad :
       {"", "abc", "1a", "0xZZ", "99999999999", "2147483648", "$", "0x123456789", " ", "0x"})
    EXPECT_FALSE(parse_profile_integer(bad).has_value()) << bad;
}

class SettingsRecordTest : public ::testing::Test {
 protected:
  fake::FakeFileSystem fs;
  fake::FakeProfileStore store{fs};
  fake::FakeEnvironment environment;
  void SetUp() override { fs.add_directory("C:\\WINDOWS"); }
};

TEST_F(SettingsRecordTest, AFailedWriteNamesTheFileAndStopsTheRemainingKeys) {
  store.fail_write(win_error::access_denied, "DRIVE");
  try {
    write_emulator_record(store, "D:\\emu");
    FAIL() << "no error";
  } catch (const UserError& e) {
    EXPECT_STREQ(e.what(), "kivo68i.ini に書き込めません");
    EXPECT_EQ(e.code(), win_error::access_denied);
  }
  EXPECT_EQ(read_record_folder(store), "D:\\emu");
  EXPECT_EQ(read_record_marker(store), 99);
}

TEST_F(SettingsRecordTest, DeletesFromTheActualWindowsDirectory) {
  fake::FakeFileSystem other;
  other.add_drive('D');
  other.add_directory("D:\\WINDOWS");
  other.add_file("C:\\windows\\kivo68i.ini", "foreign system's record");
  fake::FakeProfileStore d_store(other, "D:\\WINDOWS");
  write_emulator_record(d_store, "C:\\Winx68k\\");
  environment.windows = "D:\\WINDOWS";
  EXPECT_TRUE(delete_emulator_record(other, environment).ok());
  EXPECT_FALSE(other.exists("D:\\WINDOWS\\kivo68i.ini"));
  EXPECT_TRUE(other.exists("C:\\windows\\kivo68i.ini"));
  EXPECT_TRUE(delete_emulator_record(other, environment).ok());
}

}  // namespace
}  // namespace kivo
