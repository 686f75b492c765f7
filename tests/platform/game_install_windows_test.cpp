// The boot disk setup over the real file system and profile functions, for
// what only a real system does: the emulator's boot disk image held open by
// another program when the setup comes to patch it. The game's files, the two
// drive-letter bytes and the record are checked by the end-to-end scenarios.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>

#include "core/user_error.h"
#include "emulator/settings_record.h"
#include "fake_prompts.h"
#include "file_tables.h"
#include "game/boot_disk_image.h"
#include "game/boot_disk_setup.h"
#include "platform/file_ops.h"
#include "platform/win32/win32_drives.h"
#include "platform/win32/win32_environment.h"
#include "platform/win32/win32_profile_store.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_shell.h"
#include "scratch_folder.h"

namespace kivo {
namespace {

using namespace scratch;
struct GameInstallOnWindows : testing::Test, Scratch {};

TEST_F(GameInstallOnWindows, ImageHeldOpenByAnotherProgramIsReportedAndLeftAlone) {
  Win32ProfileStore profiles;
  Win32Environment environment;
  const std::string cd_image = dir / "cd\\kivo" + std::string(kBootDiskImageEntry);
  ASSERT_TRUE(create_directories(fs, cd_image.substr(0, cd_image.rfind('\\'))).ok());
  write_file(cd_image, std::string(kShortestBootDiskImage + 4096, 'c'));
  // Where the record is consumed must be where the profile functions keep it.
  const std::string record_path = settings_file_path(environment).value_or("");
  ASSERT_FALSE(record_path.empty());
  const auto saved_record = fs.is_file(record_path) ? std::optional(read_file(record_path)) : std::nullopt;
  ASSERT_TRUE(fs.create_directory(dir / "emu").ok());
  write_emulator_record(profiles, dir / "emu\\");

  const std::string installed_image = dir / "emu\\kivokidou.d88";
  const std::string old_image(kShortestBootDiskImage, 'o');
  write_file(installed_image, old_image);
  unique_file_handle held = hold_open(installed_image);
  ASSERT_TRUE(held);
  fake::FakePrompts prompts;
  Win32Registry registry;
  Win32Shell shell;
  Win32Drives drives;
  try {
    set_up_boot_disk({{fs, profiles, registry, shell, prompts, environment, drives},
                      [] { return 'q'; },
                      dir / "cd\\kivo"});
    ADD_FAILURE() << "the setup finished";
  } catch (const UserError& e) {
    EXPECT_EQ(std::string(e.what()).rfind("ファイル " + installed_image + " に", 0), 0u) << e.what();
  }
  held.reset();
  EXPECT_TRUE(read_file(installed_image) == old_image);
  EXPECT_FALSE(fs.is_file(temporary_name_for(installed_image)));
  EXPECT_TRUE(fs.is_file(record_path));

  ::DeleteFileW(widen(record_path).c_str());
  if (saved_record) write_file(record_path, *saved_record);
}

}  // namespace
}  // namespace kivo
