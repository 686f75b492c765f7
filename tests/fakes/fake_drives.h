#pragma once
// Drives for the chooser tests: any letters with any labels and kinds, a
// current folder per drive and the process's current directory. The folders
// themselves live in a FakeFileSystem.

#include <map>
#include <string>
#include <vector>

#include "platform/drives.h"

namespace kivo::fake {

class FakeDrives : public Drives {
 public:
  std::vector<DriveEntry> entries;
  std::map<char, std::string> current_folders;  // lower-case letter -> folder
  std::string process_folder = "C:\\";

  void add(char letter, DriveKind kind = DriveKind::fixed, const std::string& label = "") {
    const char lower = static_cast<char>(letter | 0x20);
    entries.push_back(DriveEntry{lower, label.empty() ? std::string(1, lower) + ":" : label, kind, -1});
  }

  std::vector<DriveEntry> list() override { return entries; }
  std::string current_folder(char letter) override {
    const char lower = static_cast<char>(letter | 0x20);
    const auto it = current_folders.find(lower);
    return it != current_folders.end() ? it->second : std::string(1, lower) + ":\\";
  }
  std::string process_current_folder() override { return process_folder; }
};

}  // namespace kivo::fake
