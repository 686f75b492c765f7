#pragma once
// Windows refuses to write, replace or overwrite a file with the read-only
// attribute. Wine leaves that to the host's permission bits, which a root
// user (and, for renames, any user) passes. Asking first gives the same
// ERROR_ACCESS_DENIED everywhere before anything is touched.

#include <string>

#include "platform/status.h"

namespace kivo {

// access_denied for an existing file with FILE_ATTRIBUTE_READONLY, success otherwise.
Status refuse_read_only_file(const std::wstring& path);

}  // namespace kivo
