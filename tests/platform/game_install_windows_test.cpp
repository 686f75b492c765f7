// The game installation over the real file system and profile functions: the
// 410 files and the boot disk image copied from read-only CD files, the two
// drive-letter bytes and nothing else changed, the record consumed.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "app/path_parts.h"
#include "app/user_error.h"
#include "emulator/settings_record.h"
#include "fake_prompts.h"
#include "file_tables.h"
#include "game/boot_disk_image.h"
#include "game/game_install_run.h"
#include "install_test_support.h"
#include "platform/file_ops.h"
#include "platform/win32/text.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_profile_store.h"
#include "scratch_folder.h"

namespace kivo {
namespace {

using fake::FakePrompts;
using install_test::ProgramEnvironment;
using install_test::RecordingView;
using scratch::read_file;
using scratch::write_file;

std::string image_of(std::size_t size, char seed) {
  std::string data(size, '\xE5');
  for (std::size_t i = 0; i < size; i += 97) data[i] = static_cast<char>(seed + i % 13);
  return data;
}

class GameInstallOnWindows : public ::testing::Test {
 protected:
  Win32FileSystem fs;
  Win32ProfileStore profiles;
  ProgramEnvironment environment;
  FakePrompts prompts;
  RecordingView view;
  std::string root;
  std::string record_path;
  std::string saved_record;
  bool had_record = false;
  const std::string cd_image = image_of(kShortestBootDiskImage + 4096, 'c');

  void SetUp() override {
    prompts.unscripted_answer = true;
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    root = narrow(temp) + "kivo_game_test_" + std::to_string(GetCurrentProcessId());
    environment.program = root + "\\cd\\kivo68i.exe";
    for (const auto entry : game_file_table()) {
      const std::string source = root + "\\cd\\kivo" + std::string(entry);
      ASSERT_TRUE(create_directories(fs, up_to_last_backslash(source)).ok());
      write_file(source, "contents of " + std::string(entry) + std::string(entry.size() * 50, 'x'));
      SetFileAttributesW(widen(source).c_str(), FILE_ATTRIBUTE_READONLY);  // as files from a CD are
    }
    put_cd_image(cd_image);
    ASSERT_TRUE(create_directories(fs, root + "\\emu").ok());
    record_path = environment.windows_directory() + "\\kivo68i.ini";
    had_record = fs.is_file(record_path);
    if (had_record) saved_record = read_file(record_path);
    write_emulator_record(profiles, root + "\\emu\\");  // the trailing backslash the default has
  }

  void TearDown() override {
    remove_tree(root);
    DeleteFileW(widen(record_path).c_str());
    if (had_record) write_file(record_path, saved_record);
  }

  void put_cd_image(const std::string& data) {
    const std::string path = root + "\\cd\\kivo\\tools\\emu\\kivokidou.d88";
    ASSERT_TRUE(create_directories(fs, up_to_last_backslash(path)).ok());
    SetFileAttributesW(widen(path).c_str(), FILE_ATTRIBUTE_NORMAL);
    write_file(path, data);
    SetFileAttributesW(widen(path).c_str(), FILE_ATTRIBUTE_READONLY);
  }

  static void remove_tree(const std::string& folder) {
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW(widen(folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
      const std::string name = narrow(found.cFileName);
      if (name == "." || name == "..") continue;
      const std::string path = folder + "\\" + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        remove_tree(path);
      } else {
        SetFileAttributesW(widen(path).c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(widen(path).c_str());
      }
    } while (FindNextFileW(search, &found));
    FindClose(search);
    RemoveDirectoryW(widen(folder).c_str());
  }

  GameRunOutcome run() {
    return run_game_install({fs, profiles, environment, prompts, [] { return 'q'; }, ""}, root + "\\KIVO",
                            view);
  }
};

TEST_F(GameInstallOnWindows, CopiesEveryFileAndPatchesOnlyTheTwoBytes) {
  // An image from the emulator installation, read-only, is replaced.
  write_file(root + "\\emu\\kivokidou.d88", image_of(kShortestBootDiskImage, 'o'));
  SetFileAttributesW(widen(root + "\\emu\\kivokidou.d88").c_str(), FILE_ATTRIBUTE_READONLY);

  ASSERT_EQ(run(), GameRunOutcome::finished);
  EXPECT_EQ(view.position, 410);
  for (const auto entry : game_file_table()) {
    const std::string installed = root + "\\KIVO" + std::string(entry);
    bool same = false;
    ASSERT_TRUE(fs.same_contents(root + "\\cd\\kivo" + std::string(entry), installed, same).ok())
        << installed;
    EXPECT_TRUE(same) << installed;
    EXPECT_EQ(GetFileAttributesW(widen(installed).c_str()) & FILE_ATTRIBUTE_READONLY, 0u) << installed;
  }
  const std::string image = read_file(root + "\\emu\\kivokidou.d88");
  ASSERT_EQ(image.size(), cd_image.size());
  std::string expected = cd_image;
  expected[kFirstDriveLetterPosition] = root[0];
  expected[kSecondDriveLetterPosition] = root[0];
  EXPECT_TRUE(image == expected);
  EXPECT_FALSE(fs.is_file(record_path));
  EXPECT_FALSE(fs.is_file(root + "\\emu\\~k68cpy.tmp"));
}

TEST_F(GameInstallOnWindows, ShortImageStopsWithTheRecordAndTheOldImageKept) {
  put_cd_image(image_of(kSecondDriveLetterPosition, 's'));
  const std::string old_image = image_of(kShortestBootDiskImage, 'o');
  write_file(root + "\\emu\\kivokidou.d88", old_image);
  try {
    run();
    FAIL() << "the run finished";
  } catch (const UserError& e) {
    EXPECT_NE(std::string(e.what()).find("小さすぎる"), std::string::npos) << e.what();
  }
  EXPECT_TRUE(read_file(root + "\\emu\\kivokidou.d88") == old_image);
  EXPECT_TRUE(fs.is_file(record_path));
  EXPECT_FALSE(fs.is_file(root + "\\emu\\~k68cpy.tmp"));
}

TEST_F(GameInstallOnWindows, ImageHeldOpenByAnotherProgramIsReportedAndLeftAlone) {
  const std::string old_image = image_of(kShortestBootDiskImage, 'o');
  write_file(root + "\\emu\\kivokidou.d88", old_image);
  const HANDLE held = CreateFileW(widen(root + "\\emu\\kivokidou.d88").c_str(), GENERIC_READ, 0, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  try {
    run();
    ADD_FAILURE() << "the run finished";
  } catch (const UserError& e) {
    EXPECT_EQ(std::string(e.what()).rfind("ファイル " + root + "\\emu\\kivokidou.d88 に", 0), 0u) << e.what();
  }
  CloseHandle(held);
  EXPECT_TRUE(read_file(root + "\\emu\\kivokidou.d88") == old_image);
  EXPECT_TRUE(fs.is_file(record_path));
}

}  // namespace
}  // namespace kivo
