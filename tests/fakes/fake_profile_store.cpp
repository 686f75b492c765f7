#include "fake_profile_store.h"

#include <algorithm>
#include <vector>

#include "platform/path_parts.h"

namespace kivo::fake {

namespace {

std::vector<std::string> split_lines(const std::string& data) {
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < data.size();) {
    const std::size_t end = std::min(data.find('\n', start), data.size());
    std::string line = data.substr(start, end - start);
    if (end < data.size() && line.ends_with('\r')) line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

bool is_section(const std::string& line, const std::string& section) {
  return line.size() >= 2 && line.front() == '[' && line.back() == ']' &&
         equals_ignoring_case(line.substr(1, line.size() - 2), section);
}

bool is_key(const std::string& line, const std::string& key) {
  const auto eq = line.find('=');
  return eq != std::string::npos && equals_ignoring_case(line.substr(0, eq), key);
}

}  // namespace

std::string FakeProfileStore::read_string(const std::string& file, const std::string& section,
                                          const std::string& key, const std::string& default_value) {
  bool in_section = false;
  for (const std::string& line : split_lines(fs_.read(full_path(file)).value_or(""))) {
    if (line.starts_with('['))
      in_section = is_section(line, section);
    else if (in_section && is_key(line, key))
      return line.substr(line.find('=') + 1, 2047);
  }
  return default_value;
}

Status FakeProfileStore::write_string(const std::string& file, const std::string& section,
                                      const std::string& key, const std::string& value) {
  ++writes_;
  if (fail_skip_ >= 0 &&
      (file.find(fail_contains_) != std::string::npos || key.find(fail_contains_) != std::string::npos) &&
      fail_skip_-- == 0)
    return Status::error(fail_code_);
  const std::string path = full_path(file);
  if (!fs_.is_directory(folder_part(path))) return Status::error(win_error::path_not_found);
  std::uint32_t attributes = 0;
  if (fs_.get_attributes(path, attributes).ok() && (attributes & file_attribute::read_only))
    return Status::error(win_error::access_denied);
  std::vector<std::string> lines = split_lines(fs_.read(path).value_or(""));
  // The key's line in the first such section, else the end of that section,
  // else a new section at the end.
  const std::string entry = key + "=" + value;
  const auto header = std::ranges::find_if(lines, [&](const auto& l) { return is_section(l, section); });
  if (header == lines.end()) {
    lines.push_back("[" + section + "]");
    lines.push_back(entry);
  } else {
    const auto end = std::find_if(header + 1, lines.end(), [](const auto& l) { return l.starts_with('['); });
    const auto found = std::find_if(header + 1, end, [&](const auto& l) { return is_key(l, key); });
    if (found != end)
      *found = entry;
    else
      lines.insert(end, entry);
  }
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  fs_.add_file(path, text, attributes ? attributes : file_attribute::archive);
  return Status::success();
}

}  // namespace kivo::fake
