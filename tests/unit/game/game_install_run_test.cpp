#include "game/game_install_run.h"

#include <gtest/gtest.h>

#include "../core/recording_copy_view.h"
#include "core/user_error.h"
#include "emulator/settings_record.h"
#include "fake_file_system.h"
#include "fake_profile_store.h"
#include "fake_prompts.h"
#include "fake_system.h"
#include "file_tables.h"
#include "game/boot_disk_image.h"

namespace kivo {
namespace {

using fake::AskedBox;
using fake::BoxKind;
using fake::FsOp;

constexpr const char* kQuestion = "指定されたフォルダは存在しません。作成してよろしいですか？";
constexpr const char* kRecordFile = "C:\\WINDOWS\\kivo68i.ini";
constexpr const char* kImage = "D:\\emu\\kivokidou.d88";

std::string contents_of(std::string_view entry) { return "game file " + std::string(entry); }

class GameInstallRunTest : public ::testing::Test {
 protected:
  fake::FakeFileSystem fs;
  fake::FakeProfileStore store{fs};
  fake::FakeEnvironment environment;  // the program runs as Q:\kivo68i.exe
  fake::FakePrompts prompts;
  testing_support::RecordingCopyView view;
  int drive_questions = 0;
  const std::string cd_image = std::string(kShortestBootDiskImage + 100, 'i');

  void SetUp() override {
    fs.add_drive('Q');
    fs.add_drive('D');
    fs.add_directory("C:\\WINDOWS");
    fs.add_directory("D:\\emu");
    for (const std::string_view entry : game_file_table())
      fs.add_file("Q:\\kivo" + std::string(entry), contents_of(entry), file_attribute::read_only);
    fs.add_file("Q:\\kivo\\tools\\emu\\kivokidou.d88", cd_image, file_attribute::read_only);
    write_emulator_record(store, "D:\\emu");
  }

  GameRunOutcome run(const std::string& game_folder = "C:\\KIVO") {
    view = {};
    return run_game_install({fs, store, environment, prompts,
                             [this] {
                               ++drive_questions;
                               return 'D';
                             },
                             ""},
                            game_folder, view);
  }

  bool image_patched() {
    const auto image = fs.read(kImage);
    return image && image->at(kFirstDriveLetterPosition) == 'D' &&
           image->at(kSecondDriveLetterPosition) == 'D';
  }
};

TEST_F(GameInstallRunTest, FreshInstallCopiesEveryFileThenSetsUpTheBootDisk) {
  prompts.answer({true});
  ASSERT_EQ(run(), GameRunOutcome::finished);
  EXPECT_EQ(prompts.asked(), (std::vector<AskedBox>{{BoxKind::confirm, kQuestion}}));
  EXPECT_EQ(view.bar_maximum, 410);
  EXPECT_EQ(view.bar_position, 410);
  EXPECT_EQ(view.events.at(2), "1 C:\\KIVO\\AUTOEXEC.BAT");
  EXPECT_EQ(view.events.back(), "410 C:\\KIVO" + std::string(game_file_table().back()));
  EXPECT_FALSE(view.close_requested);
  for (const std::string_view entry : game_file_table()) {
    const std::string installed = "C:\\KIVO" + std::string(entry);
    ASSERT_EQ(fs.read(installed), contents_of(entry)) << installed;
    EXPECT_EQ(*fs.attributes_of(installed) & file_attribute::read_only, 0u) << installed;
  }
  EXPECT_EQ(fs.files_below("C:\\KIVO").size(), 410u);
  EXPECT_TRUE(image_patched());
  EXPECT_FALSE(fs.exists(kRecordFile));
  EXPECT_EQ(drive_questions, 0);
}

TEST_F(GameInstallRunTest, RerunCopiesNothingRunsTheBarToTheEndAndSetsUpTheBootDiskAgain) {
  prompts.answer({true});
  ASSERT_EQ(run(), GameRunOutcome::finished);
  const int copies = fs.calls(FsOp::copy_file);
  fs.add_directory("C:\\WINX68K");  // where the image goes without a record
  ASSERT_EQ(run(), GameRunOutcome::finished);
  EXPECT_EQ(fs.calls(FsOp::copy_file), copies + 1);  // the boot disk image only
  EXPECT_EQ(view.bar_position, 410);
  EXPECT_EQ(view.events.size(), 412u);
  EXPECT_EQ(drive_questions, 1);  // the record was consumed by the first run
  EXPECT_EQ(fs.read("C:\\WINX68K\\kivokidou.d88")->at(kSecondDriveLetterPosition), 'D');
  EXPECT_EQ(prompts.asked().size(), 1u);
}

// The copy rules themselves are the shared copy run's; here only that a stopped
// copy never reaches the boot disk and leaves the emulator's record for the next run.
TEST_F(GameInstallRunTest, StoppedCopyNeverSetsUpTheBootDisk) {
  fs.fail(FsOp::copy_file, win_error::disk_full, "", 100);
  prompts.answer({true});
  ASSERT_EQ(run(), GameRunOutcome::stopped);
  EXPECT_EQ(fs.files_below("C:\\KIVO").size(), 99u);
  EXPECT_TRUE(fs.exists(kRecordFile));
  EXPECT_FALSE(fs.exists(kImage));
  EXPECT_EQ(drive_questions, 0);
}

TEST_F(GameInstallRunTest, BootDiskFailureLeavesTheWindowOpenAndTheRecordInPlace) {
  fs.add_directory("C:\\KIVO");
  fs.fail(FsOp::open_for_update, win_error::sharing_violation, "D:\\emu");
  try {
    run();
    FAIL() << "the run finished";
  } catch (const UserError& e) {
    EXPECT_STREQ(e.what(), "ファイル D:\\emu\\kivokidou.d88 は開けません");
  }
  EXPECT_FALSE(view.close_requested);
  EXPECT_EQ(fs.files_below("C:\\KIVO").size(), 410u);
  EXPECT_TRUE(fs.exists(kRecordFile));
}

}  // namespace
}  // namespace kivo
