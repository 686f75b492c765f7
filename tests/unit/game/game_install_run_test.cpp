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

TEST_F(GameInstallRunTest, EarlierPartialRunKeepsWhatIsThereAndAddsMissingFolders) {
  // Top level and BGM present (one of them damaged and read-only), the rest missing.
  const auto table = game_file_table();
  for (std::size_t i = 0; i < 65; ++i) fs.add_file("C:\\KIVO" + std::string(table[i]), contents_of(table[i]));
  fs.add_file("C:\\KIVO\\BGM\\BGM07.MDX", "half", file_attribute::read_only);
  ASSERT_EQ(run(), GameRunOutcome::finished);
  EXPECT_TRUE(prompts.asked().empty());  // the folder is there; its subfolders are made without asking
  EXPECT_EQ(fs.read("C:\\KIVO\\BGM\\BGM07.MDX"), "half");
  EXPECT_EQ(fs.attributes_of("C:\\KIVO\\BGM\\BGM07.MDX"), file_attribute::read_only);
  EXPECT_EQ(fs.read("C:\\KIVO\\GRAPH\\WINDOW\\MENU.SP"), contents_of("\\GRAPH\\WINDOW\\MENU.SP"));
  EXPECT_EQ(fs.files_below("C:\\KIVO").size(), 410u);
}

TEST_F(GameInstallRunTest, KthCopyFailingStopsBeforeTheBootDisk) {
  fs.add_directory("C:\\KIVO");
  fs.leave_partial_copies(true);
  fs.fail(FsOp::copy_file, win_error::disk_full, "", 100);
  ASSERT_EQ(run(), GameRunOutcome::stopped);
  const std::string entry(game_file_table()[99]);
  EXPECT_EQ(view.bar_position, 100);
  EXPECT_EQ(view.path, "C:\\KIVO" + entry);
  EXPECT_TRUE(view.close_requested);
  EXPECT_EQ(prompts.asked(),
            (std::vector<AskedBox>{{BoxKind::error, "コピーに失敗しました:Q:\\kivo" + entry + ",C:\\KIVO" +
                                                        entry + ",ディスクに十分な空き領域がありません。"}}));
  EXPECT_FALSE(fs.exists("C:\\KIVO" + entry));
  EXPECT_EQ(fs.files_below("C:\\KIVO").size(), 99u);  // the half copy was removed
  EXPECT_TRUE(fs.exists(kRecordFile));
  EXPECT_FALSE(fs.exists(kImage));
}

TEST_F(GameInstallRunTest, FolderRefusedOrNotCreatedTouchesNothing) {
  ASSERT_EQ(run("D:\\KIVO"), GameRunOutcome::stopped);
  EXPECT_EQ(prompts.asked(), (std::vector<AskedBox>{{BoxKind::confirm, kQuestion}}));
  EXPECT_TRUE(view.close_requested);
  EXPECT_FALSE(fs.exists("D:\\KIVO"));

  prompts.answer({true});
  fs.fail(FsOp::create_directory, win_error::access_denied, "KIVO");
  ASSERT_EQ(run("D:\\KIVO"), GameRunOutcome::stopped);
  EXPECT_EQ(prompts.asked().back(),
            (AskedBox{BoxKind::error, "なんらかの理由でディレクトリの作成に失敗しました"}));
  EXPECT_EQ(fs.calls(FsOp::copy_file), 0);
  EXPECT_TRUE(fs.exists(kRecordFile));
}

TEST_F(GameInstallRunTest, SubfolderThatCannotBeMadeShowsAsTheFirstCopyThatNeedsIt) {
  fs.add_directory("C:\\KIVO");
  fs.fail(FsOp::create_directory, win_error::access_denied, "\\GRAPH", 1, 1000);
  ASSERT_EQ(run(), GameRunOutcome::stopped);
  EXPECT_EQ(view.bar_position, 6 + 59 + 11 + 1);
  EXPECT_EQ(prompts.texts(),
            (std::vector<std::string>{
                "コピーに失敗しました:Q:\\kivo\\GRAPH\\BG\\CAVE01.PIC,C:\\KIVO\\GRAPH\\BG\\CAVE01."
                "PIC,指定されたパスが見つかりません。"}));
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
