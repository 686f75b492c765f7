// The game installation over the real file system and profile functions, for
// what only a real system does: the emulator's boot disk image held open by
// another program when the run comes to patch it. The copy itself, the two
// drive-letter bytes and the record are checked end to end.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "core/user_error.h"
#include "emulator/settings_record.h"
#include "fake_prompts.h"
#include "file_tables.h"
#include "game/boot_disk_image.h"
#include "game/game_install_run.h"
#include "platform/file_ops.h"
#include "platform/path_parts.h"
#include "platform/win32/text.h"
#include "platform/win32/win32_drives.h"
#include "platform/win32/win32_environment.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_profile_store.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_shell.h"
#include "scratch_folder.h"

namespace kivo {
namespace {

using scratch::read_file;
using scratch::write_file;

// The real Windows directory, with the program on the test's own CD folder.
class ProgramEnvironment : public Win32Environment {
 public:
  std::string program;
  std::string program_path() override { return program; }
};

class SilentView : public CopyRunView {
 public:
  void show_opening_texts() override {}
  void set_bar_range(int) override {}
  void set_bar_position(int) override {}
  void show_path(const std::string&) override {}
  void request_close() override {}
};

std::string image_of(std::size_t size, char seed) {
  std::string data(size, '\xE5');
  for (std::size_t i = 0; i < size; i += 97) data[i] = static_cast<char>(seed + i % 13);
  return data;
}

TEST(GameInstallOnWindows, ImageHeldOpenByAnotherProgramIsReportedAndLeftAlone) {
  scratch::ScratchFolder root;
  Win32FileSystem fs;
  Win32ProfileStore profiles;
  ProgramEnvironment environment;
  environment.program = root / "cd\\kivo68i.exe";
  for (const auto entry : game_file_table()) {
    const std::string source = root / "cd\\kivo" + std::string(entry);
    ASSERT_TRUE(create_directories(fs, up_to_last_backslash(source)).ok());
    write_file(source, "contents of " + std::string(entry));
  }
  const std::string cd_image = root / "cd\\kivo\\tools\\emu\\kivokidou.d88";
  ASSERT_TRUE(create_directories(fs, up_to_last_backslash(cd_image)).ok());
  write_file(cd_image, image_of(kShortestBootDiskImage + 4096, 'c'));
  ASSERT_TRUE(create_directories(fs, root / "emu").ok());
  // Where the record is consumed must be where the profile functions keep it.
  const std::string record_path = settings_file_path(environment).value_or("");
  ASSERT_FALSE(record_path.empty());
  const bool had_record = fs.is_file(record_path);
  const std::string saved_record = had_record ? read_file(record_path) : "";
  write_emulator_record(profiles, root / "emu\\");

  const std::string installed_image = root / "emu\\kivokidou.d88";
  const std::string old_image = image_of(kShortestBootDiskImage, 'o');
  write_file(installed_image, old_image);
  const HANDLE held = CreateFileW(widen(installed_image).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  fake::FakePrompts prompts;
  prompts.unscripted_answer = true;
  SilentView view;
  try {
    Win32Registry registry;
    Win32Shell shell;
    Win32Drives drives;
    run_game_install({{fs, profiles, registry, shell, prompts, environment, drives}, [] { return 'q'; }, ""},
                     root / "KIVO", view);
    ADD_FAILURE() << "the run finished";
  } catch (const UserError& e) {
    EXPECT_EQ(std::string(e.what()).rfind("ファイル " + installed_image + " に", 0), 0u) << e.what();
  }
  CloseHandle(held);
  EXPECT_TRUE(read_file(installed_image) == old_image);
  EXPECT_TRUE(fs.is_file(record_path));

  DeleteFileW(widen(record_path).c_str());
  if (had_record) write_file(record_path, saved_record);
}

}  // namespace
}  // namespace kivo
