#include "emulator/emulator_install.h"

#include "../core/recording_copy_view.h"
#include "../subsystem_fixture.h"
#include "core/user_error.h"
#include "emulator/settings_record.h"
#include "file_tables.h"
#include "platform/path_parts.h"

namespace kivo {
namespace {

using fake::AskedBox;
using fake::BoxKind;

constexpr const char* kFolderQuestion = "指定されたフォルダは存在しません。作成してよろしいですか？";
constexpr const char* kShortcutQuestion = "デスクトップにショートカットを作成しますか？";
constexpr const char* kDesktopLink = "C:\\Users\\user\\Desktop\\winx68k.lnk";
constexpr const char* kRecordPath = "C:\\WINDOWS\\kivo68i.ini";

const std::vector<std::string> kInstalledNames = {
    "CONFIG.SYS",           "FD1.XDF",      "WINDRV.O", "WINDRV.S", "WINDRV.SYS", "WinX68kHighSpeed.exe",
    "WinX68kHighSpeed.txt", "kivokidou.d88"};

class EmulatorInstallTest : public testing_support::SubsystemTest {
 protected:
  testing_support::RecordingCopyView view;
  int copy_events_at_finish = -1;  // -1: no finish texts

  EmulatorInstallTest() {
    fs.add_drive('Q');
    fs.add_directory(shell.desktop);
    for (const auto entry : emulator_file_list())
      fs.add_file("Q:\\tools" + std::string(entry), "CD:" + std::string(entry), file_attribute::read_only);
  }
  void run(const std::string& folder) {
    view = {};
    copy_events_at_finish = -1;
    run_emulator_install(folder, services, view,
                         [this] { copy_events_at_finish = static_cast<int>(view.events.size()); });
  }
};

// The files come from tools\ beside the program; the folder is recorded and
// linked exactly as chosen.
TEST_F(EmulatorInstallTest, DefaultFolderFreshInstallEndsWithRecordAndShortcut) {
  EXPECT_EQ(emulator_source_base("C:\\cd\\image\\kivo68i.exe"), "C:\\cd\\image\\tools");
  prompts.answer({true, true});
  run("C:\\Winx68k\\");
  EXPECT_EQ(prompts.asked(), (std::vector<AskedBox>{{BoxKind::confirm, kFolderQuestion},
                                                    {BoxKind::confirm, kShortcutQuestion}}));
  // All eight directly in the folder, flattened, bytes as on the CD, writable.
  std::vector<std::string> names;
  for (const auto& path : fs.files_below("C:\\Winx68k")) names.push_back(path.substr(path.rfind('\\') + 1));
  EXPECT_EQ(names, kInstalledNames);
  for (const auto entry : emulator_file_list()) {
    const std::string path = "C:\\Winx68k\\" + flattened_name(entry);
    EXPECT_EQ(fs.read(path), "CD:" + std::string(entry));
    EXPECT_EQ(*fs.attributes_of(path) & file_attribute::read_only, 0u);
  }
  EXPECT_EQ(view.events[2], "1 C:\\Winx68k\\\\WinX68kHighSpeed.exe");
  EXPECT_EQ(view.events.back(), "8 C:\\Winx68k\\\\WINDRV.SYS");
  EXPECT_EQ(copy_events_at_finish, 10);  // finish texts after the last file
  EXPECT_FALSE(view.close_requested);

  EXPECT_EQ(fs.read(kRecordPath), "[INST]\r\nFOLDER=C:\\Winx68k\\\r\nDRIVE=C\r\nTESTNUM=1\r\n");
  const ShellLinkSpec& link = shell.links[kDesktopLink];
  EXPECT_EQ(link.target, "C:\\Winx68k\\\\WinX68kHighSpeed.exe");
  EXPECT_EQ(link.icon_path, link.target);
  EXPECT_EQ(link.icon_index, 0);
  EXPECT_EQ(link.working_directory, "C:\\Winx68k\\\\");
}

// How a copy stops is the shared copy run's; here only that a stopped copy
// ends with no record, shortcut or finish texts, and that an empty folder
// text keeps the window open.
TEST_F(EmulatorInstallTest, StoppedCopyWritesNoRecordAndOffersNoShortcut) {
  prompts.answer({false});  // the folder is not to be made
  run("C:\\Winx68k\\");
  EXPECT_TRUE(view.close_requested);
  EXPECT_EQ(copy_events_at_finish, -1);
  prompts.unscripted_answer = true;
  EXPECT_THROW(run(""), UserError);
  EXPECT_FALSE(view.close_requested);
  EXPECT_FALSE(fs.exists(kRecordPath));
  EXPECT_TRUE(shell.links.empty());
  EXPECT_EQ(prompts.asked().size(), 2u);
}

// The files are in place, so the finish texts stay; the shortcut is not offered.
TEST_F(EmulatorInstallTest, RecordThatCannotBeWrittenEndsWithItsMessage) {
  fs.add_directory("C:\\Winx68k");
  profiles.fail_write(win_error::access_denied, "DRIVE");
  EXPECT_THROW(run("C:\\Winx68k\\"), UserError);
  EXPECT_EQ(fs.read(kRecordPath), "[INST]\r\nFOLDER=C:\\Winx68k\\\r\n");  // keys before the failure stay
  const int writes = profiles.writes();
  environment.windows = "";
  try {
    run("C:\\Winx68k\\");
    FAIL() << "no error";
  } catch (const UserError& error) {
    EXPECT_STREQ(error.what(), kNoWindowsFolderForRecord);
  }
  EXPECT_EQ(copy_events_at_finish, 10);
  EXPECT_TRUE(prompts.asked().empty());
  EXPECT_EQ(profiles.writes(), writes);  // no record anywhere
}

// Declined, or a desktop or link that cannot be had, is no shortcut and a normal end.
TEST_F(EmulatorInstallTest, ShortcutIsMadeOnlyWhenEveryStepSucceeds) {
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
    run("C:\\Winx68k\\");
    EXPECT_EQ(shell.links.size(), c.made ? 1u : 0u);
    EXPECT_EQ(copy_events_at_finish, 10);
    EXPECT_FALSE(view.close_requested);
  }
  EXPECT_EQ(prompts.texts(), (std::vector<std::string>(5, kShortcutQuestion)));
}

}  // namespace
}  // namespace kivo
