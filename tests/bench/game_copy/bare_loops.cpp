#include "bare_loops.h"

#include <windows.h>

#include <cstdio>

#include "platform/win32/text.h"

namespace bench {

namespace {

bool exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

ULONGLONG size_of(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return ~0ULL;
  return (ULONGLONG{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
}

void complain(const char* what, const std::wstring& path) {
  std::fprintf(stderr, "%s failed (%lu): %s\n", what, GetLastError(), kivo::narrow(path).c_str());
}

}  // namespace

void create_parents(const std::wstring& path) {
  const auto last = path.find_last_of(L'\\');
  if (last == std::wstring::npos || last < 3) return;
  const std::wstring parent = path.substr(0, last);
  if (exists(parent)) return;
  create_parents(parent);
  CreateDirectoryW(parent.c_str(), nullptr);
}

void copy_through_temporary(std::span<const std::string_view> entries, const std::string& source_base,
                            const std::string& destination_base) {
  for (const std::string_view entry : entries) {
    const std::wstring from = kivo::widen(source_base + std::string(entry));
    const std::wstring to = kivo::widen(destination_base + std::string(entry));
    if (exists(to)) continue;
    create_parents(to);
    const std::wstring temporary = to.substr(0, to.find_last_of(L'\\') + 1) + L"~k68cpy.tmp";
    if (!CopyFileW(from.c_str(), temporary.c_str(), FALSE)) complain("CopyFileW", temporary);
    const DWORD attributes = GetFileAttributesW(temporary.c_str());
    if (attributes & FILE_ATTRIBUTE_READONLY)
      SetFileAttributesW(temporary.c_str(), attributes & ~DWORD{FILE_ATTRIBUTE_READONLY});
    const HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE || !FlushFileBuffers(file)) complain("FlushFileBuffers", temporary);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    if (size_of(from) != size_of(temporary)) complain("size check", temporary);
    if (!MoveFileExW(temporary.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH)) complain("MoveFileExW", to);
  }
}

void copy_directly(std::span<const std::string_view> entries, const std::string& source_base,
                   const std::string& destination_base, bool flush) {
  for (const std::string_view entry : entries) {
    const std::wstring to = kivo::widen(destination_base + std::string(entry));
    create_parents(to);
    if (!CopyFileW(kivo::widen(source_base + std::string(entry)).c_str(), to.c_str(), FALSE))
      complain("CopyFileW", to);
    if (!flush) continue;
    SetFileAttributesW(to.c_str(), FILE_ATTRIBUTE_ARCHIVE);
    const HANDLE file =
        CreateFileW(to.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE || !FlushFileBuffers(file)) complain("FlushFileBuffers", to);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  }
}

}  // namespace bench
