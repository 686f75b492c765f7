#pragma once
// The last stage of the game installation: take over the emulator's record,
// put the boot disk image into the emulator's folder with the game's drive
// letter in it, and consume the record so that it is used once.

#include <functional>
#include <string>

#include "core/services.h"

namespace kivo {

struct BootDiskSetup {
  Services services;
  // Shows the drive browser (winsasi2) modally and returns its answer: the
  // first character of its path field, or 0 when it was closed without one.
  std::function<char()> ask_drive;
  // The game's CD folder: the program's folder followed by "kivo".
  std::string source_base;
};

// Returns when the image carries the drive letter and the record is consumed.
// Throws UserError with the user's message otherwise; the record then stays.
void set_up_boot_disk(const BootDiskSetup& setup);

// The emulator folder as it is to be used: a drive-relative "C:WINX68K" is
// taken from the drive's root ("C:\WINX68K"), since the current folder of a
// drive is not something the user chose. Empty when the text names no drive.
std::string absolute_emulator_folder(const std::string& folder);

}  // namespace kivo
