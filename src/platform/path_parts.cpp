#include "platform/path_parts.h"

namespace kivo {

std::string drive_part(std::string_view path) {
  if (path.size() >= 2 && path[1] == ':') return std::string(path.substr(0, 2));
  if (path.size() >= 2 && path[0] == '\\' && path[1] == '\\') {
    // \\server\share: up to the backslash that ends the share name.
    const auto server_end = path.find('\\', 2);
    if (server_end == std::string_view::npos) return std::string(path);
    const auto share_end = path.find('\\', server_end + 1);
    return std::string(path.substr(0, share_end));
  }
  return {};
}

char drive_letter(std::string_view path) {
  const std::string drive = drive_part(path);
  return drive.empty() ? '\0' : drive[0];
}

std::string folder_part(std::string_view path) {
  const auto last = path.find_last_of("\\:");
  if (last == std::string_view::npos) return {};
  if (path[last] == ':') return std::string(path.substr(0, last + 1));
  // A backslash: dropped unless it follows a colon or another backslash.
  if (last > 0 && (path[last - 1] == ':' || path[last - 1] == '\\'))
    return std::string(path.substr(0, last + 1));
  return std::string(path.substr(0, last));
}

std::string folder_with_separator(std::string_view path) {
  const auto last = path.find_last_of("\\:");
  if (last == std::string_view::npos) return {};
  return std::string(path.substr(0, last + 1));
}

std::string without_trailing_backslash(std::string_view path) {
  if (!path.empty() && path.back() == '\\') path.remove_suffix(1);
  return std::string(path);
}

std::string up_to_last_backslash(std::string_view path) {
  const auto last = path.rfind('\\');
  if (last == std::string_view::npos) return {};
  return std::string(path.substr(0, last + 1));
}

std::string flattened_name(std::string_view entry) {
  if (entry.empty()) return {};
  const std::string_view rest = entry.substr(1);
  const auto first = rest.find('\\');
  if (first == std::string_view::npos) return std::string(rest);
  return std::string(rest.substr(first));
}

std::size_t utf16_length(std::string_view utf8) {
  std::size_t units = 0;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    std::size_t width = 1;
    if (lead >= 0xF0)
      width = 4;
    else if (lead >= 0xE0)
      width = 3;
    else if (lead >= 0xC0)
      width = 2;
    units += (width == 4) ? 2 : 1;
    i += width;
  }
  return units;
}

bool path_fits(std::string_view path) { return utf16_length(path) <= kMaxPathLength; }

char to_lower_ascii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool is_ascii_letter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool equals_ignoring_case(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (to_lower_ascii(a[i]) != to_lower_ascii(b[i])) return false;
  return true;
}

}  // namespace kivo
