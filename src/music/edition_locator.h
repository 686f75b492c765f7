#pragma once
// Finding the Windows edition through its Start-menu shortcut and reading the
// marker that says which set of music is in use there.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/file_system.h"
#include "platform/profile_store.h"
#include "platform/prompts.h"
#include "platform/registry.h"
#include "platform/shell.h"

namespace kivo {

inline constexpr const char* kShellFoldersKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
inline constexpr const char* kEditionShortcut = "\\KIVO1\\Kivorana（起動）.lnk";

struct EditionLocation {
  std::string edition_folder;  // absolute, ends with a backslash
  std::int32_t marker = 0;     // 0 when there is no marker file or no number in it
};

// Reads the Programs folder (read access only), checks the shortcut, resolves
// its target and reads the marker. When the edition cannot be found the user
// has been told and nothing was touched. A Programs value that is not text
// throws UserError.
std::optional<EditionLocation> locate_edition(Registry& registry, FileSystem& fs, Shell& shell,
                                              ProfileStore& profiles, Prompts& prompts);

std::int32_t read_marker(FileSystem& fs, ProfileStore& profiles, const std::string& marker_file);

}  // namespace kivo
