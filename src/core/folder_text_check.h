#pragma once
// Whether a destination folder typed by the user can be installed into at all.
// The choosers accept any text; this check runs before anything is created so
// that an odd text never ends in a write somewhere the user did not mean.

#include <string_view>

namespace kivo {

enum class FolderTextProblem {
  none,
  empty,           // nothing typed: the creation step itself refuses it
  not_absolute,    // no "X:\" or "\\server\share" at its start (would follow the current directory)
  forbidden_name,  // a character Windows refuses, a device name, or a name ending in a blank or a period
};

FolderTextProblem check_folder_text(std::string_view folder);

// True for CON, PRN, AUX, NUL, COM1-COM9, LPT1-LPT9, CONIN$ and CONOUT$, with or
// without an extension, in any letter case: Windows opens the device instead.
bool is_device_name(std::string_view component);

}  // namespace kivo
