#pragma once
// The Windows shell: documents opened with their associated program, the
// desktop folder, and shell links made and read through IShellLinkW. COM is
// initialised inside each link call and uninitialised before it returns.

#include "platform/shell.h"

namespace kivo {

class Win32Shell : public Shell {
 public:
  Status open_document(const std::string& path) override;
  Status desktop_folder(std::string& path) override;
  Status create_link(const std::string& link_path, const ShellLinkSpec& link) override;
  // A link that loads but yields no target path reads as get_failed: the
  // callers need a path to take the folder from.
  LinkReadResult read_link_target(const std::string& link_path, std::string& target) override;
};

}  // namespace kivo
