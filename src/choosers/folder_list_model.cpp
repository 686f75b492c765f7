#include "choosers/folder_list_model.h"

#include "core/user_error.h"
#include "platform/path_parts.h"

namespace kivo {

namespace {

bool has_drive_letter(const std::string& path) {
  return path.size() >= 2 && path[1] == ':' && is_ascii_letter(path[0]);
}

std::string root_of(char letter) { return std::string(1, to_lower_ascii(letter)) + ":\\"; }

std::vector<std::string> components_after_drive(const std::string& path) {
  std::vector<std::string> parts;
  std::string piece;
  auto flush = [&] {
    if (piece == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!piece.empty() && piece != ".") {
      parts.push_back(piece);
    }
    piece.clear();
  };
  for (std::size_t i = 2; i < path.size(); ++i) {
    if (path[i] == '\\' || path[i] == '/')
      flush();
    else
      piece.push_back(path[i]);
  }
  flush();
  return parts;
}

}  // namespace

FolderListModel::FolderListModel(FileSystem& fs, Drives& drives, const std::string& start_folder)
    : fs_(fs), drives_(drives) {
  std::string start = absolute_folder(start_folder);
  if (start.empty()) {
    const auto entries = drives_.list();
    start = root_of(entries.empty() ? 'c' : entries.front().letter);
  }
  drive_ = to_lower_ascii(start[0]);
  folder_ = start;
  rebuild_rows();
}

std::string FolderListModel::absolute_folder(const std::string& path) {
  if (!has_drive_letter(path)) return {};
  std::string full = path;
  const bool drive_relative = path.size() == 2 || (path[2] != '\\' && path[2] != '/');
  if (drive_relative) {
    const std::string base = drives_.current_folder(path[0]);
    full =
        path.substr(0, 2) + (has_drive_letter(base) ? base.substr(2) : std::string()) + "\\" + path.substr(2);
  }
  std::string result = full.substr(0, 2) + "\\";
  const auto parts = components_after_drive(full);
  for (std::size_t i = 0; i < parts.size(); ++i) result += (i == 0 ? "" : "\\") + parts[i];
  return result;
}

void FolderListModel::set_drive(char letter) {
  const char lower = to_lower_ascii(letter);
  if (lower == drive_ || !is_ascii_letter(lower)) return;
  std::string target = absolute_folder(drives_.current_folder(lower));
  if (target.empty() || to_lower_ascii(target[0]) != lower || !fs_.is_directory(target))
    target = root_of(lower);
  target[0] = lower;
  move_to(target);
}

void FolderListModel::set_folder(const std::string& path) {
  const std::string target = absolute_folder(path);
  if (target.empty() || !fs_.is_directory(target)) throw UserError(missing_folder_message(path));
  if (equals_ignoring_case(target, folder_)) return;
  move_to(target);
}

void FolderListModel::open_row(std::size_t index) {
  if (index >= rows_.size()) return;
  set_folder(rows_[index].path);
}

void FolderListModel::refresh() {
  rebuild_rows();
  if (on_redraw) on_redraw();
}

void FolderListModel::move_to(const std::string& folder) {
  folder_ = folder;
  drive_ = to_lower_ascii(folder[0]);
  rebuild_rows();
  if (on_redraw) on_redraw();
  if (on_change) on_change();
}

void FolderListModel::rebuild_rows() {
  rows_.clear();
  std::string path = folder_.substr(0, 3);
  std::string root_name = path;
  root_name[0] = to_lower_ascii(root_name[0]);
  rows_.push_back(Row{root_name, path, 0, true});
  int level = 0;
  for (const std::string& part : components_after_drive(folder_)) {
    path += (level == 0 ? "" : "\\") + part;
    rows_.push_back(Row{part, path, ++level, true});
  }
  current_row_ = rows_.size() - 1;
  std::vector<std::string> names;
  if (fs_.list_subfolders(folder_, names).failed()) return;  // an unreadable folder shows no subfolders
  const std::string prefix = level == 0 ? folder_ : folder_ + "\\";
  for (const std::string& name : names) rows_.push_back(Row{name, prefix + name, level + 1, false});
}

}  // namespace kivo
