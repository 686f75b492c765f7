#include "emulator/emulator_install.h"

#include <algorithm>

#include "../subsystem_fixture.h"
#include "core/user_error.h"
#include "emulator/settings_record.h"
#include "file_tables.h"

namespace kivo {
namespace {

constexpr const char* kShortcutQuestion = "デスクトップにショートカットを作成しますか？";

using EmulatorInstallTest = testing_support::SubsystemTest;

// Declined, or a desktop or link that cannot be had, is no shortcut and a normal end.
TEST_F(EmulatorInstallTest, ShortcutIsMadeOnlyWhenEveryStepSucceeds) {
  fs.add_drive('Q');
  for (const auto entry : emulator_file_list())
    fs.add_file("Q:\\tools" + std::string(entry), "CD:" + std::string(entry), file_attribute::read_only);
  fs.add_directory("C:\\Winx68k");
  const struct {
    bool yes;
    Status desktop_status, create_status;
    std::size_t desktop_length;
    bool made;
  } cases[] = {
      {false, {}, {}, 20, false},
      {true, Status::error(win_error::file_not_found), {}, 20, false},
      {true, {}, Status::error(win_error::access_denied), 20, false},
      {true, {}, {}, 253, false},  // the shortcut's path would not fit
      {true, {}, {}, 247, true},   // 259 characters and the terminator just fit
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.desktop_length);
    shell.links.clear();
    shell.desktop_status = c.desktop_status;
    shell.create_status = c.create_status;
    shell.desktop = "C:\\" + std::string(c.desktop_length - 3, 'd');
    prompts.answer({c.yes});
    testing_support::RecordingCopyView view;
    std::size_t copy_events_at_finish = 0;  // none: no finish texts
    run_emulator_install("C:\\Winx68k\\", services, view,
                         [&] { copy_events_at_finish = view.events.size(); });
    EXPECT_EQ(shell.links.size(), c.made ? 1u : 0u);
    EXPECT_EQ(copy_events_at_finish, 10u);
    EXPECT_EQ(std::ranges::count(view.events, "close"), 0);
  }
  EXPECT_EQ(prompts.asked(), (std::vector<fake::AskedBox>(5, {fake::BoxKind::confirm, kShortcutQuestion})));
}

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
