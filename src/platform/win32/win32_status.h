#pragma once
// Turning what a W function reported into a Status, and a path into the UTF-16
// text the W functions take.

#include <windows.h>

#include <string>
#include <string_view>

#include "platform/status.h"

namespace kivo {

// The calling thread's last error; a failure reported without a code still fails.
Status last_error_status();
// A Win32 code carried inside an HRESULT comes back as itself; any other
// failure keeps the whole HRESULT, which the system's message table also knows.
Status status_from_hresult(HRESULT result);

// Paths are refused at or past MAX_PATH characters (the terminator needs the
// last slot) instead of relying on long-path support that may be switched off.
// Folders being created leave room for an 8.3 name, as CreateDirectoryW requires.
inline constexpr std::size_t kMaxFilePath = MAX_PATH - 1;
inline constexpr std::size_t kMaxNewFolderPath = MAX_PATH - 12 - 1;
Status to_wide_path(std::string_view path, std::wstring& wide, std::size_t max_length = kMaxFilePath);

}  // namespace kivo
