#pragma once
// Small fakes for the registry, the shell and the environment.

#include <map>
#include <string>

#include "fake_file_system.h"
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
    const auto it = links.find(link_path);
    if (it == links.end()) return LinkReadResult::load_failed;
    target = it->second.target;
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

}  // namespace kivo::fake
