#include "game/boot_disk_setup.h"

#include "core/file_copy_run.h"
#include "core/user_error.h"
#include "emulator/settings_record.h"
#include "file_tables.h"
#include "game/boot_disk_image.h"
#include "game/game_messages.h"
#include "platform/file_ops.h"
#include "platform/path_parts.h"

namespace kivo {

namespace {

struct ImagePaths {
  std::string source;
  std::string destination;
};

ImagePaths image_paths(const BootDiskSetup& setup, const std::string& folder) {
  std::string destination = folder;
  if (destination.back() != '\\') destination += '\\';
  return {setup.source_base + std::string(kBootDiskImageEntry), destination + kBootDiskImageName};
}

void refuse_paths_that_do_not_fit(const ImagePaths& paths) {
  if (!path_fits(paths.source)) throw UserError(path_too_long_message(paths.source));
  if (!copy_destination_fits(paths.destination)) throw UserError(path_too_long_message(paths.destination));
}

// Asks through the drive browser until it answers with a letter or the user gives up.
char asked_drive_letter(const BootDiskSetup& setup) {
  for (;;) {
    const char answer = setup.ask_drive();
    if (is_ascii_letter(answer)) return answer;
    if (!setup.services.prompts.confirm(kAskForDriveAgain)) throw UserError(kNoDriveChosen);
  }
}

}  // namespace

std::string absolute_emulator_folder(const std::string& folder) {
  const std::string drive = drive_part(folder);
  if (drive.empty()) return {};
  if (drive.size() == 2 && is_ascii_letter(drive[0]) && (folder.size() == 2 || folder[2] != '\\'))
    return drive + "\\" + folder.substr(2);
  if (drive.size() == 2 && !is_ascii_letter(drive[0])) return {};
  return folder;
}

void set_up_boot_disk(const BootDiskSetup& setup) {
  // The record is consumed at the end by its full path, so that path must be
  // known before anything is changed.
  if (!settings_file_path(setup.services.environment)) throw UserError(kNoWindowsFolderForBootDisk);
  // Reads in the order the record was written for: marker, drive, folder.
  const bool has_record = read_record_marker(setup.services.profiles) != kNoRecord;
  const char recorded_drive = has_record ? read_record_drive(setup.services.profiles) : '\0';
  const std::string recorded_folder = read_record_folder(setup.services.profiles);

  const std::string folder = absolute_emulator_folder(recorded_folder);
  if (folder.empty()) throw UserError(no_drive_in_folder_message(recorded_folder));
  const ImagePaths paths = image_paths(setup, folder);
  refuse_paths_that_do_not_fit(paths);

  // A record whose drive is not a letter (empty, or a network folder) is no
  // better than none: the user is asked.
  const char letter = is_ascii_letter(recorded_drive) ? recorded_drive : asked_drive_letter(setup);

  if (const auto failure =
          install_boot_disk_image(setup.services.files, paths.source, paths.destination, letter))
    throw UserError(*failure);
  // A record that cannot be deleted only means the next game installation
  // uses the same emulator folder again.
  delete_emulator_record(setup.services.files, setup.services.environment);
}

}  // namespace kivo
