#pragma once
// Every fake behind one Services, as the program's start-up makes the real
// ones: a test sets the scene through the fakes and hands `services` on.

#include <map>
#include <string>
#include <vector>

#include "core/services.h"
#include "fake_file_system.h"
#include "fake_profile_store.h"
#include "fake_prompts.h"
#include "platform/drives.h"
#include "platform/environment.h"
#include "platform/registry.h"
#include "platform/shell.h"

namespace kivo::fake {

class FakeRegistry : public Registry {
 public:
  std::map<std::string, RegistryText> values;  // "key|value" -> result
  void set_text(const std::string& key, const std::string& value, const std::string& text) {
    values[key + "|" + value] = RegistryText{RegistryText::Kind::text, text};
  }
  RegistryText read_current_user_text(const std::string& key, const std::string& value) override {
    const auto it = values.find(key + "|" + value);
    return it == values.end() ? RegistryText{} : it->second;
  }
};

// Links are kept in memory by path; creating one also puts a file in the fake
// file system so that existence tests see it.
class FakeShell : public Shell {
 public:
  explicit FakeShell(FakeFileSystem& fs) : fs_(fs) {}

  std::string desktop = "C:\\Users\\user\\Desktop";
  Status desktop_status;
  Status create_status;
  LinkReadResult read_result = LinkReadResult::ok;
  std::map<std::string, ShellLinkSpec> links;

  Status open_document(const std::string&) override { return Status::success(); }
  Status desktop_folder(std::string& path) override {
    path = desktop;
    return desktop_status;
  }
  Status create_link(const std::string& link_path, const ShellLinkSpec& link) override {
    if (create_status.failed()) return create_status;
    links[link_path] = link;
    fs_.add_file(link_path, "LNK:" + link.target);
    return Status::success();
  }
  LinkReadResult read_link_target(const std::string& link_path, std::string& target) override {
    if (read_result != LinkReadResult::ok) return read_result;
    if (!links.count(link_path)) return LinkReadResult::load_failed;
    target = links[link_path].target;
    return LinkReadResult::ok;
  }

 private:
  FakeFileSystem& fs_;
};

class FakeEnvironment : public Environment {
 public:
  std::string program = "Q:\\kivo68i.exe";
  std::string windows = "C:\\WINDOWS";
  std::string program_path() override { return program; }
  std::string windows_directory() override { return windows; }
};

// Any letters with any labels and kinds, a current folder per drive and the
// process's current directory; the folders themselves live in the file system.
class FakeDrives : public Drives {
 public:
  std::vector<DriveEntry> entries;
  std::map<char, std::string> current_folders;  // lower-case letter -> folder
  std::string process_folder = "C:\\";

  void add(char letter, DriveKind kind) {
    const char lower = static_cast<char>(letter | 0x20);
    entries.push_back(DriveEntry{lower, std::string(1, lower) + ":", kind, -1});
  }
  std::vector<DriveEntry> list() override { return entries; }
  std::string current_folder(char letter) override {
    const char lower = static_cast<char>(letter | 0x20);
    return current_folders.count(lower) ? current_folders[lower] : std::string(1, lower) + ":\\";
  }
  std::string process_current_folder() override { return process_folder; }
};

struct FakeServices {
  FakeFileSystem fs;
  FakeProfileStore profiles{fs};
  FakeRegistry registry;
  FakeShell shell{fs};
  FakePrompts prompts;
  FakeEnvironment environment;
  FakeDrives drives;
  Services services{fs, profiles, registry, shell, prompts, environment, drives};
};

}  // namespace kivo::fake
