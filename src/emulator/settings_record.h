#pragma once
// The record the emulator installation leaves for the game installation in
// "kivo68i.ini" (Windows directory), section INST: FOLDER, DRIVE, TESTNUM.

#include <optional>
#include <string>

#include "core/profile_accessor.h"
// The installation's refusal when settings_file_path finds no Windows folder.
#include "emulator/emulator_messages.h"
#include "platform/environment.h"
#include "platform/file_system.h"

namespace kivo {

inline constexpr const char* kSettingsFileName = "kivo68i.ini";
inline constexpr std::int32_t kNoRecord = 99;

// Writes FOLDER, DRIVE (the folder's first character) and TESTNUM=1, in this
// order. Throws UserError "kivo68i.ini に書き込めません" at the first failing write.
void write_emulator_record(ProfileStore& store, const std::string& emulator_folder);

// The reads of the game installation, each with its own default.
std::int32_t read_record_marker(ProfileStore& store);  // TESTNUM, default 99
char read_record_drive(ProfileStore& store);           // first character of DRIVE (default "C"), 0 when empty
std::string read_record_folder(ProfileStore& store);   // FOLDER, default "C:WINX68K"

// "<Windows directory>\kivo68i.ini", where the profile functions keep the
// record; empty when the system names no Windows directory with a drive or a
// share in it. Without this check the record's path would start with a bare
// backslash and name a file at the root of whatever drive is current.
std::optional<std::string> settings_file_path(Environment& environment);

// Deletes the record from the Windows directory the profile functions use.
// Returns the outcome; a record that is not there is a success, and without a
// Windows directory nothing is deleted (path_not_found).
Status delete_emulator_record(FileSystem& fs, Environment& environment);

}  // namespace kivo
