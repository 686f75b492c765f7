#pragma once
// Opening the HTML manual that lies beside the program on the CD.

#include <string>

#include "platform/environment.h"
#include "platform/file_system.h"
#include "platform/shell.h"

namespace kivo {

inline constexpr const char* kManualName = "index.htm";

// The manual beside the program itself, wherever the current directory is.
std::string manual_path(const std::string& program_path);

// Asks the shell to open the manual. A missing manual, or one the shell cannot
// open, leaves everything as it was and shows nothing.
void open_manual(FileSystem& files, Shell& shell, Environment& environment);

}  // namespace kivo
