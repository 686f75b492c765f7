#pragma once
// The Windows shell: opening a document, the desktop folder and shell links (.lnk).

#include <string>

#include "platform/status.h"

namespace kivo {

struct ShellLinkSpec {
  std::string target;
  std::string working_directory;
  std::string icon_path;
  int icon_index = 0;
};

enum class LinkReadResult {
  ok,
  no_link_object,  // COM or the shell link object could not be had
  load_failed,     // IPersistFile::Load failed
  get_failed       // IShellLinkW::GetPath failed
};

class Shell {
 public:
  virtual ~Shell() = default;
  // ShellExecute "open" with SW_SHOW; the result says whether the shell accepted it.
  virtual Status open_document(const std::string& path) = 0;
  // The file-system folder of the current user's desktop.
  virtual Status desktop_folder(std::string& path) = 0;
  // Saves a shell link at link_path, replacing an existing file.
  virtual Status create_link(const std::string& link_path, const ShellLinkSpec& link) = 0;
  virtual LinkReadResult read_link_target(const std::string& link_path, std::string& target) = 0;
};

}  // namespace kivo
