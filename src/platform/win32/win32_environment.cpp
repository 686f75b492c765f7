#include "platform/win32/win32_environment.h"

#include <windows.h>

#include "platform/win32/text.h"

namespace kivo {

std::string Win32Environment::program_path() {
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    // A full buffer means the name was cut short.
    if (length < buffer.size()) return narrow(std::wstring_view(buffer.data(), length));
    buffer.resize(buffer.size() * 2);
  }
}

std::string Win32Environment::windows_directory() {
  std::wstring buffer(MAX_PATH, L'\0');
  UINT length = ::GetWindowsDirectoryW(buffer.data(), static_cast<UINT>(buffer.size()));
  if (length >= buffer.size()) {
    buffer.resize(length);
    length = ::GetWindowsDirectoryW(buffer.data(), static_cast<UINT>(buffer.size()));
  }
  if (length == 0 || length >= buffer.size()) return {};
  std::wstring_view folder(buffer.data(), length);
  // Only a drive root such as "C:\" keeps its backslash.
  if (folder.size() > 3 && folder.back() == L'\\') folder.remove_suffix(1);
  return narrow(folder);
}

}  // namespace kivo
