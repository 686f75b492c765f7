#pragma once
// A folder of its own for each test, below the system's temporary folder,
// removed with everything in it (read-only files included) when the test ends.
// Files are written and read here through the C++ library, independently of
// the code under test.

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/win32/text.h"
#include "platform/win32/win32_file_system.h"

namespace kivo::scratch {

inline std::filesystem::path wide(const std::string& path) { return std::filesystem::path(widen(path)); }

class ScratchFolder {
 public:
  ScratchFolder() {
    static unsigned counter = 0;
    const auto folder =
        std::filesystem::temp_directory_path() /
        ("kivo-platform-" + std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(++counter));
    std::filesystem::create_directory(folder);
    path_ = narrow(folder.wstring());
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  ~ScratchFolder() {
    std::error_code ignored;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(wide(path_), ignored))
      ::SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
    std::filesystem::remove_all(wide(path_), ignored);
  }

  // The folder, without a trailing backslash.
  const std::string& path() const { return path_; }
  // path() + "\" + name.
  std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

 private:
  std::string path_;
};

// The file system under test and a scratch folder.
class ScratchTest : public ::testing::Test {
 protected:
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

}  // namespace kivo::scratch
