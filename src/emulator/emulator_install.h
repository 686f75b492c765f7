#pragma once
// The emulator installation as the progress window runs it: the eight files
// into one folder, the finish texts, the record for the game installation and
// the offer of a desktop shortcut.

#include <functional>
#include <string>
#include <string_view>

#include "core/file_copy_run.h"
#include "core/services.h"

namespace kivo {

// The CD folder the emulator's files come from: "tools" beside the program.
std::string emulator_source_base(std::string_view program_path);
// Where the emulator program lands in `emulator_folder`, doubled backslash and all.
std::string emulator_program_path(const std::string& emulator_folder);
// The desktop shortcut to the installed emulator: it starts in the emulator's folder.
ShellLinkSpec emulator_shortcut(const std::string& program_path);

// Runs the whole installation into `emulator_folder` (the text as the user
// chose it). After the last file, `show_finish_texts` puts up
// "インストールが終了しました。" and the two hints, turns the button to "OK" and
// marks the window finished. Throws UserError from the folder creation (empty text) and from
// the record (the finish texts are then shown already and no shortcut is offered).
void run_emulator_install(const std::string& emulator_folder, const Services& services, CopyRunView& view,
                          const std::function<void()>& show_finish_texts);

}  // namespace kivo
