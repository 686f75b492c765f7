#include "fake_profile_store.h"

#include <algorithm>
#include <sstream>
#include <vector>

#include "platform/path_parts.h"

namespace kivo::fake {

namespace {

std::vector<std::string> split_lines(const std::string& data) {
  std::vector<std::string> lines;
  std::string line;
  for (char c : data) {
    if (c == '\n') {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines.push_back(line);
      line.clear();
    } else {
      line.push_back(c);
    }
  }
  if (!line.empty()) lines.push_back(line);
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

void FakeProfileStore::fail_write(std::uint32_t code, const std::string& contains, int nth) {
  fail_code_ = code;
  fail_contains_ = contains;
  fail_skip_ = nth - 1;
}

std::string FakeProfileStore::full_path(const std::string& file) const {
  return file.find('\\') == std::string::npos ? windows_directory_ + "\\" + file : file;
}

std::string FakeProfileStore::read_string(const std::string& file, const std::string& section,
                                          const std::string& key, const std::string& default_value) {
  const auto data = fs_.read(full_path(file));
  if (!data) return default_value;
  bool in_section = false;
  for (const std::string& line : split_lines(*data)) {
    if (!line.empty() && line.front() == '[') {
      in_section = is_section(line, section);
    } else if (in_section && is_key(line, key)) {
      std::string value = line.substr(line.find('=') + 1);
      return value.substr(0, 2047);
    }
  }
  return default_value;
}

Status FakeProfileStore::write_string(const std::string& file, const std::string& section,
                                      const std::string& key, const std::string& value) {
  ++writes_;
  if (fail_skip_ >= 0 && (fail_contains_.empty() || file.find(fail_contains_) != std::string::npos ||
                          key.find(fail_contains_) != std::string::npos)) {
    if (fail_skip_-- == 0) return Status::error(fail_code_);
  }
  const std::string path = full_path(file);
  if (!fs_.is_directory(folder_part(path))) return Status::error(win_error::path_not_found);
  std::uint32_t attributes = 0;
  if (fs_.get_attributes(path, attributes).ok() && (attributes & file_attribute::read_only))
    return Status::error(win_error::access_denied);
  std::vector<std::string> lines = split_lines(fs_.read(path).value_or(""));
  // The key's line in the first such section, else the end of that section,
  // else a new section at the end.
  const std::string entry = key + "=" + value;
  const auto header =
      std::find_if(lines.begin(), lines.end(), [&](const auto& l) { return is_section(l, section); });
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
  std::ostringstream out;
  for (const auto& line : lines) out << line << "\r\n";
  fs_.add_file(path, out.str(), attributes ? attributes : file_attribute::archive);
  return Status::success();
}

}  // namespace kivo::fake
