#pragma once
// A folder of its own for each test or benchmark, below the system's temporary
// folder, removed with everything in it (read-only files included, as copies
// from a CD arrive) when it goes. Files are written and read here through the
// C++ library, independently of the code under test.

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/win32/text.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/win32_file_system.h"

namespace kivo::scratch {

inline std::filesystem::path wide(const std::string& path) { return std::filesystem::path(widen(path)); }

inline void remove_tree(const std::string& folder) {
  std::error_code ignored;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(wide(folder), ignored))
    ::SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
  std::filesystem::remove_all(wide(folder), ignored);
}

class ScratchFolder {
 public:
  ScratchFolder() {
    static unsigned counter = 0;
    const auto folder =
        std::filesystem::temp_directory_path() /
        ("kivo-scratch-" + std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(++counter));
    std::filesystem::create_directory(folder);
    path_ = narrow(folder.wstring());
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  ~ScratchFolder() { remove_tree(path_); }

  // The folder, without a trailing backslash.
  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

 private:
  std::string path_;
};

// The file system under test and a scratch folder, for a test fixture to derive from.
struct Scratch {
  Win32FileSystem fs;
  ScratchFolder dir;
};

inline void write_file(const std::string& path, const std::string& contents) {
  std::ofstream file(wide(path), std::ios::binary);
  if (!file.write(contents.data(), static_cast<std::streamsize>(contents.size())).flush())
    throw std::runtime_error("cannot write " + path);
}

inline std::string read_file(const std::string& path) {
  std::ifstream file(wide(path), std::ios::binary);
  if (!file) throw std::runtime_error("cannot open " + path);
  std::ostringstream contents;
  contents << file.rdbuf();
  return contents.str();
}

inline void make_folder(const std::string& path) { std::filesystem::create_directory(wide(path)); }

// The file opened without sharing, as another program holding it open would.
inline unique_file_handle hold_open(const std::string& path) {
  return unique_file_handle(::CreateFileW(widen(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
}

}  // namespace kivo::scratch
