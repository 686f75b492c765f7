#include "platform/win32/read_only_file.h"

#include <windows.h>

namespace kivo {

Status refuse_read_only_file(const std::wstring& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
    return Status::success();
  if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) return Status::error(win_error::access_denied);
  return Status::success();
}

}  // namespace kivo
