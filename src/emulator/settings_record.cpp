#include "emulator/settings_record.h"

#include "core/folder_text_check.h"

namespace kivo {

namespace {
constexpr const char* kSection = "INST";
}

void write_emulator_record(ProfileStore& store, const std::string& emulator_folder) {
  ProfileAccessor settings(store, kSettingsFileName);
  settings.write_text(kSection, "FOLDER", emulator_folder);
  settings.write_text(kSection, "DRIVE", emulator_folder.substr(0, 1));
  settings.write_integer(kSection, "TESTNUM", 1);
}

std::int32_t read_record_marker(ProfileStore& store) {
  return ProfileAccessor(store, kSettingsFileName).read_integer(kSection, "TESTNUM", kNoRecord);
}

char read_record_drive(ProfileStore& store) {
  const std::string drive = ProfileAccessor(store, kSettingsFileName).read_text(kSection, "DRIVE", "C");
  return drive.empty() ? '\0' : drive[0];
}

std::string read_record_folder(ProfileStore& store) {
  return ProfileAccessor(store, kSettingsFileName).read_text(kSection, "FOLDER", "C:WINX68K");
}

std::optional<std::string> settings_file_path(Environment& environment) {
  std::string folder = environment.windows_directory();
  if (check_folder_text(folder) != FolderTextProblem::none) return std::nullopt;
  if (folder.back() != '\\') folder += '\\';
  return folder + kSettingsFileName;
}

Status delete_emulator_record(FileSystem& fs, Environment& environment) {
  const auto path = settings_file_path(environment);
  if (!path) return Status::error(win_error::path_not_found);
  if (!fs.is_file(*path)) return Status::success();
  return fs.delete_file(*path);
}

}  // namespace kivo
