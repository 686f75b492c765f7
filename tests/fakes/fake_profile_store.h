#pragma once
// Profile functions over the fake file system: the INI text lives in a fake
// file, so deleting the file through the file system deletes the record.

#include <cstdint>
#include <string>

#include "fake_file_system.h"
#include "platform/profile_store.h"

namespace kivo::fake {

class FakeProfileStore : public ProfileStore {
 public:
  explicit FakeProfileStore(FakeFileSystem& fs, std::string windows_directory = "C:\\WINDOWS")
      : fs_(fs), windows_directory_(std::move(windows_directory)) {}

  // Fails the nth write (1-based) whose file or key contains the text.
  void fail_write(std::uint32_t code, const std::string& contains = "", int nth = 1) {
    fail_code_ = code;
    fail_contains_ = contains;
    fail_skip_ = nth - 1;
  }
  int writes() const { return writes_; }
  // Where a bare name is kept.
  std::string full_path(const std::string& file) const {
    return file.find('\\') == std::string::npos ? windows_directory_ + "\\" + file : file;
  }

  std::string read_string(const std::string& file, const std::string& section, const std::string& key,
                          const std::string& default_value) override;
  Status write_string(const std::string& file, const std::string& section, const std::string& key,
                      const std::string& value) override;

 private:
  FakeFileSystem& fs_;
  std::string windows_directory_;
  std::uint32_t fail_code_ = 0;
  std::string fail_contains_;
  int fail_skip_ = -1;
  int writes_ = 0;
};

}  // namespace kivo::fake
