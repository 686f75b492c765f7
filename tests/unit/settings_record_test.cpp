#include "emulator/settings_record.h"

#include "core/user_error.h"
#include "subsystem_fixture.h"

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

using SettingsRecordTest = testing_support::SubsystemTest;

TEST_F(SettingsRecordTest, AFailedWriteNamesTheFileAndStopsTheRemainingKeys) {
  profiles.fail_write(win_error::access_denied, "DRIVE");
  try {
    write_emulator_record(profiles, "D:\\emu");
    FAIL() << "no error";
  } catch (const UserError& e) {
    EXPECT_STREQ(e.what(), "kivo68i.ini に書き込めません");
    EXPECT_EQ(e.code(), win_error::access_denied);
  }
  EXPECT_EQ(read_record_folder(profiles), "D:\\emu");
  EXPECT_EQ(read_record_marker(profiles), 99);
}

TEST_F(SettingsRecordTest, DeletesFromTheActualWindowsDirectory) {
  fs.add_drive('D');
  fs.add_directory("D:\\WINDOWS");
  fs.add_file("C:\\windows\\kivo68i.ini", "foreign system's record");
  fake::FakeProfileStore d_store(fs, "D:\\WINDOWS");
  write_emulator_record(d_store, "C:\\Winx68k\\");
  environment.windows = "D:\\WINDOWS";
  EXPECT_TRUE(delete_emulator_record(fs, environment).ok());
  EXPECT_FALSE(fs.exists("D:\\WINDOWS\\kivo68i.ini"));
  EXPECT_TRUE(fs.exists("C:\\windows\\kivo68i.ini"));
  EXPECT_TRUE(delete_emulator_record(fs, environment).ok());
}

}  // namespace
}  // namespace kivo
