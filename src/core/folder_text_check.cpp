#include "core/folder_text_check.h"

#include <array>

#include "platform/path_parts.h"

namespace kivo {

namespace {

bool has_forbidden_character(std::string_view component) {
  for (const char c : component) {
    if (static_cast<unsigned char>(c) < 0x20) return true;
    if (std::string_view("<>:\"/|?*").find(c) != std::string_view::npos) return true;
  }
  return false;
}

// One name between backslashes. Empty names are left alone: Windows reads a
// doubled backslash as one, and the default folder relies on that.
bool is_usable_component(std::string_view component) {
  if (component.empty()) return true;
  if (has_forbidden_character(component)) return false;
  // Windows drops trailing blanks and periods, so the folder made would not be
  // the one shown and recorded; "." and ".." end in a period too.
  if (component.back() == ' ' || component.back() == '.') return false;
  return !is_device_name(component);
}

bool are_usable_components(std::string_view rest) {
  while (!rest.empty()) {
    const auto end = rest.find('\\');
    if (!is_usable_component(rest.substr(0, end))) return false;
    if (end == std::string_view::npos) break;
    rest.remove_prefix(end + 1);
  }
  return true;
}

}  // namespace

bool is_device_name(std::string_view component) {
  std::string_view base = component.substr(0, component.find('.'));
  while (!base.empty() && base.back() == ' ') base.remove_suffix(1);
  static constexpr std::array<std::string_view, 6> kPlain = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
  for (const auto name : kPlain)
    if (equals_ignoring_case(base, name)) return true;
  if (base.size() == 4 && base[3] >= '1' && base[3] <= '9')
    return equals_ignoring_case(base.substr(0, 3), "COM") || equals_ignoring_case(base.substr(0, 3), "LPT");
  return false;
}

FolderTextProblem check_folder_text(std::string_view folder) {
  if (folder.empty()) return FolderTextProblem::empty;
  if (folder.size() >= 3 && is_ascii_letter(folder[0]) && folder[1] == ':' && folder[2] == '\\')
    return are_usable_components(folder.substr(3)) ? FolderTextProblem::none
                                                   : FolderTextProblem::forbidden_name;
  if (folder.size() >= 2 && folder[0] == '\\' && folder[1] == '\\') {
    // \\server\share\...: both names must be there and be plain names.
    std::string_view rest = folder.substr(2);
    const auto server_end = rest.find('\\');
    if (server_end == 0 || server_end == std::string_view::npos) return FolderTextProblem::not_absolute;
    const auto share_end = rest.find('\\', server_end + 1);
    const std::string_view share = rest.substr(server_end + 1, share_end - server_end - 1);
    if (share.empty()) return FolderTextProblem::not_absolute;
    if (!is_usable_component(rest.substr(0, server_end)) || !is_usable_component(share))
      return FolderTextProblem::forbidden_name;
    if (share_end == std::string_view::npos) return FolderTextProblem::none;
    return are_usable_components(rest.substr(share_end + 1)) ? FolderTextProblem::none
                                                             : FolderTextProblem::forbidden_name;
  }
  return FolderTextProblem::not_absolute;
}

}  // namespace kivo
