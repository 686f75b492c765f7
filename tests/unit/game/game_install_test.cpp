#include <algorithm>
#include <functional>
#include <regex>

#include "../subsystem_fixture.h"
#include "core/user_error.h"
#include "emulator/settings_record.h"
#include "file_tables.h"
#include "game/boot_disk_image.h"
#include "game/boot_disk_setup.h"
#include "game/game_install_run.h"

namespace kivo {
namespace {

using fake::FsOp;

constexpr const char* kCdImage = "Q:\\kivo\\tools\\emu\\kivokidou.d88";
constexpr const char* kImage = "C:\\WINX68K\\kivokidou.d88";
constexpr const char* kRecordFile = "C:\\WINDOWS\\kivo68i.ini";

std::string image_bytes(std::size_t size, char seed) {
  std::string data(size, '\0');
  for (std::size_t i = 0; i < size; ++i) data[i] = static_cast<char>((i * 7 + seed) & 0xFF);
  return data;
}

std::string patched(std::string image, char letter) {
  image[kFirstDriveLetterPosition] = letter;
  image[kSecondDriveLetterPosition] = letter;
  return image;
}

// The CD in Q: holds the game's boot disk image, read-only as files copied
// from a CD arrive; the drive browser takes its answers from `drive_answers`,
// 0 once they are used up.
class BootDiskSetupTest : public testing_support::SubsystemTest {
 protected:
  std::string drive_answers;
  const std::string cd_image = image_bytes(720000, 3);

  BootDiskSetupTest() {
    fs.add_drive('Q');
    fs.add_drive('D');
    fs.add_file(kCdImage, cd_image, file_attribute::read_only);
  }

  BootDiskSetup setup(const std::string& source_base = "Q:\\kivo") {
    const auto ask = [this] {
      const char answer = drive_answers[0];  // the terminator once used up
      if (!drive_answers.empty()) drive_answers.erase(0, 1);
      return answer;
    };
    return BootDiskSetup{services, ask, source_base};
  }

  void write_record(const std::string& text) { fs.add_file(kRecordFile, "[INST]\r\n" + text); }

  // The message the setup stopped with, or "" when it finished.
  std::string run() {
    try {
      set_up_boot_disk(setup());
      return "";
    } catch (const UserError& e) {
      return e.what();
    }
  }
};

TEST_F(BootDiskSetupTest, FolderFormsResolveToOneImagePath) {
  fs.add_directory("D:\\WINX68K");
  for (const char* folder : {"D:\\WINX68K\\", "D:WINX68K", "D:\\\\WINX68K"}) {
    SCOPED_TRACE(folder);
    write_record(std::string("TESTNUM=1\r\nDRIVE=D\r\nFOLDER=") + folder + "\r\n");
    ASSERT_EQ(run(), "");
    EXPECT_EQ(fs.files_below("D:\\WINX68K").size(), 1u);
    EXPECT_EQ(fs.read("D:\\WINX68K\\kivokidou.d88"), patched(cd_image, 'D'));
  }
  for (const char* folder : {"C:\\Winx68k\\", "\\\\server\\share\\winx68k"})
    EXPECT_EQ(absolute_emulator_folder(folder), folder);
  for (const char* folder : {"", "winx68k", "\\winx68k", "1:\\winx68k"})
    EXPECT_EQ(absolute_emulator_folder(folder), "");
  EXPECT_EQ(absolute_emulator_folder("C:WINX68K"), "C:\\WINX68K");
  EXPECT_EQ(absolute_emulator_folder("c:"), "c:\\");
}

TEST_F(BootDiskSetupTest, EveryAnswerThatIsNotALetterIsAskedAgainOrStops) {
  const std::string old_image = image_bytes(720000, 9);
  fs.add_file(kImage, old_image);
  // Close box or empty field (0), a network path, digits, blanks, punctuation
  // next to the letters in ASCII, and the first byte of a Japanese character.
  for (const char answer : std::string("\0\\09 .:@[`{\xE3", 12)) {
    SCOPED_TRACE(static_cast<int>(static_cast<unsigned char>(answer)));
    drive_answers = std::string(1, answer);
    EXPECT_EQ(run(),
              "ドライブが選択されなかったため、起動ディスクにドライブ名を書き込めませんでした。\n"
              "インストールは完了していません。");
    EXPECT_EQ(fs.read(kImage), old_image);
  }
  EXPECT_EQ(prompts.asked().size(), 12u);
  EXPECT_EQ(prompts.asked().front().kind, fake::BoxKind::confirm);

  // Yes asks again; the first letter answered is written.
  prompts.answer({true, true});
  drive_answers = std::string("\0\\z", 3);
  ASSERT_EQ(run(), "");
  EXPECT_EQ(fs.read(kImage), patched(cd_image, 'z'));
}

// A folder without a drive or too long, or an image that cannot be had or
// patched, leaves the installed image and the record, and asks for no drive.
TEST_F(BootDiskSetupTest, RefusedFolderOrImageStopsWithTheImageAndTheRecordKept) {
  const std::string where = "ファイル " + std::string(kImage) + " ";
  write_record("TESTNUM=1\r\nDRIVE=D\r\n");
  EXPECT_EQ(run(), where + "は開けません");  // no emulator folder to copy into
  EXPECT_TRUE(fs.exists(kRecordFile));

  // The CD's image unreadable: the image the emulator installation left is patched.
  const std::string installed = image_bytes(kShortestBootDiskImage, 1);  // just long enough
  fs.add_file(kImage, installed, file_attribute::read_only);
  fs.fail(FsOp::copy_file, win_error::read_fault, "Q:\\kivo");
  ASSERT_EQ(run(), "");
  EXPECT_EQ(fs.read(kImage), patched(installed, 'D'));

  const std::string no_letter = where + "にドライブ名を書き込めません:";
  const std::string deep = "C:\\" + std::string(240, 'w');
  const std::pair<std::function<void()>, std::string> cases[] = {
      {[this] { write_record("TESTNUM=99\r\nFOLDER=winx68k\r\n"); },
       "エミュレータのフォルダがドライブ名で始まっていないため、起動ディスクを設定できません:winx68k"},
      {[&] { write_record("TESTNUM=99\r\nFOLDER=" + deep + "\r\n"); },
       "パスが長すぎるためインストールできません（255文字まで）:" + deep + "\\kivokidou.d88"},
      {[this] { fs.fail(FsOp::open_for_update, win_error::sharing_violation); }, where + "は開けません"},
      {[this] { fs.add_file(kCdImage, image_bytes(kSecondDriveLetterPosition, 3)); },  // one byte short
       where + "は起動ディスクのイメージとしては小さすぎるため、ドライブ名を書き込めません"},
      {[this] { fs.fail(FsOp::write_byte, win_error::disk_full, "", 1); },
       no_letter + "ディスクに十分な空き領域がありません。"},
      {[this] { fs.fail(FsOp::write_byte, win_error::disk_full, "", 2); },
       no_letter + "ディスクに十分な空き領域がありません。"},
      {[this] { fs.fail(FsOp::move, win_error::access_denied, "kivokidou.d88"); },
       no_letter + "アクセスが拒否されました。"},
  };
  drive_answers = "D";
  for (const auto& [arrange, message] : cases) {
    SCOPED_TRACE(message);
    fs.clear_faults();
    fs.add_file(kCdImage, cd_image);
    fs.add_file(kImage, installed);
    write_record("TESTNUM=1\r\nDRIVE=D\r\n");
    arrange();
    EXPECT_EQ(run(), message);
    EXPECT_EQ(fs.read(kImage), installed);
    EXPECT_TRUE(fs.exists(kRecordFile));
    EXPECT_EQ(drive_answers, "D");
    for (const std::string& file : fs.files_below("C:\\WINX68K"))
      EXPECT_EQ(file.find("~k68cpy"), std::string::npos) << file;
  }
}

// The whole run: the game's 410 files from Q:\kivo, then the boot disk for the
// emulator recorded in D:\emu. How a copy runs and stops is the shared copy
// run's; here only that a stopped copy never reaches the boot disk.
TEST_F(BootDiskSetupTest, StoppedGameCopyNeverSetsUpTheBootDisk) {
  fs.add_directory("D:\\emu");
  for (const std::string_view entry : game_file_table())
    fs.add_file("Q:\\kivo" + std::string(entry), "game file " + std::string(entry),
                file_attribute::read_only);
  write_emulator_record(profiles, "D:\\emu");
  drive_answers = "DD";
  fs.fail(FsOp::copy_file, win_error::disk_full, "", 100);
  prompts.answer({true});
  testing_support::RecordingCopyView view;
  ASSERT_EQ(run_game_install(setup(""), "C:\\KIVO", view), GameRunOutcome::stopped);
  EXPECT_EQ(fs.files_below("C:\\KIVO").size(), 99u);
  EXPECT_TRUE(fs.exists(kRecordFile));
  EXPECT_FALSE(fs.exists("D:\\emu\\kivokidou.d88"));
}

// The folder and the name of an entry; the top level's folder is "".
std::pair<std::string_view, std::string_view> folder_and_name(std::string_view entry) {
  const std::size_t last = entry.rfind('\\');
  return {entry.substr(0, last), entry.substr(last + 1)};
}

TEST(GameFileTable, ShortUpperCasePathsOfAtMostThreeLevelsFolderByFolderInByteOrder) {
  // Upper-case 8.3 names; folders have no extension.
  const std::regex short_path(R"((\\[A-Z0-9_]{1,8}){0,2}\\[A-Z0-9_]{1,8}(\.[A-Z0-9_]{1,3})?)");
  const auto table = game_file_table();
  ASSERT_EQ(table.size(), 410u);
  for (const std::string_view entry : table) {
    EXPECT_TRUE(std::regex_match(entry.begin(), entry.end(), short_path)) << entry;
    EXPECT_LE(entry.size(), 24u) << entry;
  }
  // Byte order puts "_" after every capital and "." before every letter and digit.
  EXPECT_TRUE(std::is_sorted(table.begin(), table.end(), [](std::string_view a, std::string_view b) {
    return folder_and_name(a) < folder_and_name(b);
  }));
}

}  // namespace
}  // namespace kivo
