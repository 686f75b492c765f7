#pragma once
// The game installation as the progress window runs it: the 410 files from
// the CD's "kivo" folder into the game folder, then the emulator's boot disk.

#include <string>

#include "core/file_copy_run.h"
#include "game/boot_disk_setup.h"

namespace kivo {

enum class GameRunOutcome {
  finished,  // every file is in place and the boot disk carries the drive letter
  stopped    // the user was told why; the window has been asked to close
};

// The CD folder the game's files come from: the program's folder followed by "kivo".
std::string game_source_base(Environment& environment);

// `setup.source_base` is filled in here. Throws UserError when the boot disk
// cannot be set up; the window then stays open, not finished, and the files
// copied so far stay.
GameRunOutcome run_game_install(BootDiskSetup setup, const std::string& game_folder, CopyRunView& view);

}  // namespace kivo
