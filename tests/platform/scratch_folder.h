#pragma once
// A folder of its own for each test, below the system's temporary folder,
// removed with everything in it (read-only files included) when the test ends.
// Files are written and read here directly through Win32, independently of the
// code under test.

#include <string>

namespace kivo::scratch {

class ScratchFolder {
 public:
  ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  ~ScratchFolder();

  // The folder, without a trailing backslash.
  const std::string& path() const { return path_; }
  // path() + "\" + name.
  std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

 private:
  std::string path_;
};

void write_file(const std::string& path, const std::string& contents);
std::string read_file(const std::string& path);
void make_folder(const std::string& path);

}  // namespace kivo::scratch
