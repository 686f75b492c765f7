#include "platform/win32/win32_file_system.h"

#include <algorithm>
#include <vector>

#include "platform/path_parts.h"
#include "platform/win32/read_only_file.h"
#include "platform/win32/scoped_no_drive_prompt.h"
#include "platform/win32/text.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/win32_status.h"
#include "platform/win32/win32_updatable_file.h"

namespace kivo {
namespace {

DWORD attributes_of(const std::string& path) {
  std::wstring wide;
  if (to_wide_path(path, wide).failed()) return INVALID_FILE_ATTRIBUTES;
  ScopedNoDrivePrompt no_prompt;
  return ::GetFileAttributesW(wide.c_str());
}

// Runs a W function that takes one path and reports success as BOOL.
template <typename Call>
Status on_path(const std::string& path, Call call, std::size_t max_length = kMaxFilePath) {
  std::wstring wide;
  if (const Status s = to_wide_path(path, wide, max_length); s.failed()) return s;
  if (!call(wide.c_str())) return last_error_status();
  return Status::success();
}

// Runs a W function from one path to another; `overwrites` says whether it may
// replace a file at the destination.
template <typename Call>
Status on_two_paths(const std::string& from, const std::string& to, bool overwrites, Call call) {
  std::wstring wide_from;
  std::wstring wide_to;
  if (const Status s = to_wide_path(from, wide_from); s.failed()) return s;
  if (const Status s = to_wide_path(to, wide_to); s.failed()) return s;
  if (overwrites) {
    if (const Status s = refuse_read_only_file(wide_to); s.failed()) return s;
  }
  if (!call(wide_from.c_str(), wide_to.c_str())) return last_error_status();
  return Status::success();
}

enum class ReadOnlyCheck { for_writing, none };

Status open_file(const std::string& path, DWORD access, DWORD share, DWORD flags, unique_file_handle& file,
                 ReadOnlyCheck check = ReadOnlyCheck::for_writing) {
  std::wstring wide;
  if (const Status s = to_wide_path(path, wide); s.failed()) return s;
  if ((access & GENERIC_WRITE) != 0 && check == ReadOnlyCheck::for_writing) {
    if (const Status s = refuse_read_only_file(wide); s.failed()) return s;
  }
  file.reset(::CreateFileW(wide.c_str(), access, share, nullptr, OPEN_EXISTING, flags, nullptr));
  if (!file) return last_error_status();
  return Status::success();
}

// Reads until the buffer is full or the file ends.
Status read_chunk(HANDLE file, std::vector<char>& buffer, DWORD& filled) {
  filled = 0;
  const auto capacity = static_cast<DWORD>(buffer.size());
  while (filled < capacity) {
    DWORD got = 0;
    if (!::ReadFile(file, buffer.data() + filled, capacity - filled, &got, nullptr))
      return last_error_status();
    if (got == 0) break;
    filled += got;
  }
  return Status::success();
}

bool less_ignoring_case(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return static_cast<unsigned char>(to_lower_ascii(x)) < static_cast<unsigned char>(to_lower_ascii(y));
  });
}

}  // namespace

bool Win32FileSystem::is_file(const std::string& path) {
  const DWORD attributes = attributes_of(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32FileSystem::is_directory(const std::string& path) {
  const DWORD attributes = attributes_of(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

Status Win32FileSystem::create_directory(const std::string& path) {
  return on_path(
      path, [](const wchar_t* p) { return ::CreateDirectoryW(p, nullptr); }, kMaxNewFolderPath);
}

Status Win32FileSystem::remove_directory(const std::string& path) {
  return on_path(path, [](const wchar_t* p) { return ::RemoveDirectoryW(p); });
}

// A replacing move is one rename with MOVEFILE_REPLACE_EXISTING: the name
// holds either the old or the new file at every moment, and the new file keeps
// the attributes its copy gave it. ReplaceFileW would carry the old file's
// attributes over and works in several steps that can stop half-way.
Status Win32FileSystem::move(const std::string& from, const std::string& to, MoveMode mode) {
  DWORD flags = MOVEFILE_WRITE_THROUGH;
  if (mode == MoveMode::replace_existing) flags |= MOVEFILE_REPLACE_EXISTING;
  const bool overwrites = mode == MoveMode::replace_existing;
  return on_two_paths(from, to, overwrites,
                      [flags](const wchar_t* f, const wchar_t* t) { return ::MoveFileExW(f, t, flags); });
}

Status Win32FileSystem::delete_file(const std::string& path) {
  return on_path(path, [](const wchar_t* p) { return ::DeleteFileW(p); });
}

Status Win32FileSystem::copy_file(const std::string& from, const std::string& to, bool fail_if_exists) {
  return on_two_paths(from, to, !fail_if_exists, [fail_if_exists](const wchar_t* f, const wchar_t* t) {
    return ::CopyFileW(f, t, fail_if_exists ? TRUE : FALSE);
  });
}

// A flush changes no byte of the file, so where Wine lets a read-only file be
// opened for writing nothing is lost by not asking first; every copy saves
// that question.
Status Win32FileSystem::flush_file(const std::string& path) {
  unique_file_handle file;
  if (const Status s =
          open_file(path, GENERIC_WRITE, FILE_SHARE_READ, FILE_ATTRIBUTE_NORMAL, file, ReadOnlyCheck::none);
      s.failed())
    return s;
  if (!::FlushFileBuffers(file.get())) return last_error_status();
  return Status::success();
}

Status Win32FileSystem::get_attributes(const std::string& path, std::uint32_t& attributes) {
  std::wstring wide;
  if (const Status s = to_wide_path(path, wide); s.failed()) return s;
  const DWORD found = ::GetFileAttributesW(wide.c_str());
  if (found == INVALID_FILE_ATTRIBUTES) return last_error_status();
  attributes = found;
  return Status::success();
}

Status Win32FileSystem::set_attributes(const std::string& path, std::uint32_t attributes) {
  return on_path(path, [attributes](const wchar_t* p) { return ::SetFileAttributesW(p, attributes); });
}

Status Win32FileSystem::file_size(const std::string& path, std::uint64_t& bytes) {
  std::wstring wide;
  if (const Status s = to_wide_path(path, wide); s.failed()) return s;
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!::GetFileAttributesExW(wide.c_str(), GetFileExInfoStandard, &data)) return last_error_status();
  bytes = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  return Status::success();
}

Status Win32FileSystem::same_contents(const std::string& a, const std::string& b, bool& same) {
  constexpr DWORD kFlags = FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN;
  unique_file_handle first;
  unique_file_handle second;
  if (const Status s = open_file(a, GENERIC_READ, FILE_SHARE_READ, kFlags, first); s.failed()) return s;
  if (const Status s = open_file(b, GENERIC_READ, FILE_SHARE_READ, kFlags, second); s.failed()) return s;
  LARGE_INTEGER size_a{};
  LARGE_INTEGER size_b{};
  if (!::GetFileSizeEx(first.get(), &size_a) || !::GetFileSizeEx(second.get(), &size_b))
    return last_error_status();
  same = false;
  if (size_a.QuadPart != size_b.QuadPart) return Status::success();
  constexpr std::size_t kChunk = 64 * 1024;
  std::vector<char> chunk_a(kChunk);
  std::vector<char> chunk_b(kChunk);
  for (;;) {
    DWORD filled_a = 0;
    DWORD filled_b = 0;
    if (const Status s = read_chunk(first.get(), chunk_a, filled_a); s.failed()) return s;
    if (const Status s = read_chunk(second.get(), chunk_b, filled_b); s.failed()) return s;
    if (filled_a != filled_b || !std::equal(chunk_a.begin(), chunk_a.begin() + filled_a, chunk_b.begin()))
      return Status::success();
    if (filled_a < kChunk) break;
  }
  same = true;
  return Status::success();
}

Status Win32FileSystem::open_for_update(const std::string& path, std::unique_ptr<UpdatableFile>& file) {
  unique_file_handle handle;
  if (const Status s = open_file(path, GENERIC_READ | GENERIC_WRITE, 0, FILE_ATTRIBUTE_NORMAL, handle);
      s.failed())
    return s;
  file = std::make_unique<Win32UpdatableFile>(std::move(handle));
  return Status::success();
}

Status Win32FileSystem::list_subfolders(const std::string& folder, std::vector<std::string>& names) {
  const bool has_separator = !folder.empty() && folder.back() == '\\';
  std::wstring pattern;
  if (const Status s = to_wide_path(folder + (has_separator ? "*" : "\\*"), pattern); s.failed()) return s;
  ScopedNoDrivePrompt no_prompt;
  WIN32_FIND_DATAW found{};
  unique_find_handle search(
      ::FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr, 0));
  std::vector<std::string> result;
  if (!search) {
    // An empty drive root has no "." entry, so nothing at all matches.
    if (::GetLastError() != ERROR_FILE_NOT_FOUND) return last_error_status();
  } else {
    do {
      const std::wstring_view name = found.cFileName;
      if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 || name == L"." || name == L"..") continue;
      result.push_back(narrow(name));
    } while (::FindNextFileW(search.get(), &found));
    if (::GetLastError() != ERROR_NO_MORE_FILES) return last_error_status();
  }
  std::sort(result.begin(), result.end(), less_ignoring_case);
  names = std::move(result);
  return Status::success();
}

std::string Win32FileSystem::error_text(std::uint32_t code) {
  wchar_t buffer[1024] = {};
  const DWORD length = ::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                        code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), buffer,
                                        static_cast<DWORD>(std::size(buffer)), nullptr);
  return narrow(std::wstring_view(buffer, length));
}

Status Win32FileSystem::free_space(const std::string& folder, std::uint64_t& bytes) {
  // A share's root is named with its trailing backslash only.
  const std::string named = folder.ends_with('\\') ? folder : folder + '\\';
  ULARGE_INTEGER available{};
  ScopedNoDrivePrompt no_prompt;
  const Status s = on_path(named, [&available](const wchar_t* wide) {
    return ::GetDiskFreeSpaceExW(wide, &available, nullptr, nullptr);
  });
  if (s.ok()) bytes = available.QuadPart;
  return s;
}

}  // namespace kivo
