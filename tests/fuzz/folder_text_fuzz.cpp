// The destination folder text as typed: a text the check lets through is a
// full path with a drive or a share, and no name in it is one Windows would
// change or refuse.
#include "core/folder_text_check.h"
#include "fuzz_check.h"
#include "platform/path_parts.h"

FUZZ_HARNESS(folder) {
  const FolderTextProblem problem = check_folder_text(folder);
  FUZZ_CHECK((problem == FolderTextProblem::empty) == folder.empty());
  if (problem != FolderTextProblem::none) return;

  const std::string drive = drive_part(folder);
  FUZZ_CHECK(!drive.empty());
  FUZZ_CHECK(folder.size() > drive.size() || drive[0] == '\\');
  std::string_view rest(folder);
  rest.remove_prefix(drive.size() == 2 ? 3 : 2);
  while (!rest.empty()) {
    const auto end = rest.find('\\');
    const std::string_view name = rest.substr(0, end);
    for (const char c : name) {
      FUZZ_CHECK(static_cast<unsigned char>(c) >= 0x20);
      FUZZ_CHECK(std::string_view("<>:\"/|?*").find(c) == std::string_view::npos);
    }
    FUZZ_CHECK(name.empty() || (name.back() != ' ' && name.back() != '.'));
    FUZZ_CHECK(!is_device_name(name));
    if (end == std::string_view::npos) break;
    rest.remove_prefix(end + 1);
  }
}
