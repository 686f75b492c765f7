#pragma once
// File operations built from the FileSystem primitives, shared by every run
// that copies: creating a folder with its parents, clearing read-only, and the
// copy that never leaves a damaged file under its final name.

#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace kivo {

// The folder above, as Windows resolves it: a run of backslashes counts as
// one, at the end too. Empty for a root (C:\ or \\server\share) and for a
// text with no folder above.
std::string parent_folder(std::string_view folder);

// Creates the folder and every missing folder above it. Succeeds when the
// folder exists already. An empty path fails with invalid_name.
Status create_directories(FileSystem& fs, const std::string& path);

// Clears FILE_ATTRIBUTE_READONLY and leaves the other attributes as they are.
Status clear_read_only(FileSystem& fs, const std::string& path);

// The temporary name a copy into `destination` is written under first.
std::string temporary_name_for(std::string_view destination);
// Whether a copy can be made into `destination` without cutting a path short:
// the path fits the installers' buffers and its temporary name the system's limit.
bool copy_destination_fits(std::string_view destination);

// Deletes a file when it is there, read-only or not; a failure is ignored.
void remove_quietly(FileSystem& fs, const std::string& path);

enum class Overwrite {
  never,          // an existing destination is left alone and file_exists returned
  keep_existing,  // an existing destination is left alone and counts as done
  replace
};

// Copies `source` to a temporary name beside `destination`, flushes it, checks
// its size against the source, clears its read-only attribute, and only then
// moves it to `destination`. On any failure the temporary file is
// removed and the destination is as it was before; the first failing call's
// code is returned.
Status copy_into_place(FileSystem& fs, const std::string& source, const std::string& destination,
                       Overwrite overwrite);

// The system's text for an error code with trailing blanks, control characters
// and periods removed, as it goes into the program's messages.
std::string trimmed_error_text(FileSystem& fs, std::uint32_t code);

}  // namespace kivo
