#include "platform/file_ops.h"

#include "platform/path_parts.h"

namespace kivo {

namespace {

bool is_separator(char c) { return c == '\\'; }

}  // namespace

// The last name goes with every backslash around it.
std::string parent_folder(std::string_view folder) {
  const std::size_t root = drive_part(folder).size();
  std::size_t end = folder.size();
  while (end > root && is_separator(folder[end - 1])) --end;
  if (end == root) return {};
  while (end > root && !is_separator(folder[end - 1])) --end;
  while (end > root && is_separator(folder[end - 1])) --end;
  if (end > root) return std::string(folder.substr(0, end));
  // Only the root is above; it is named with its backslash when it has one.
  if (root > 0 && is_separator(folder[root])) return std::string(folder.substr(0, root + 1));
  return {};
}

Status create_directories(FileSystem& fs, const std::string& path) {
  if (path.empty()) return Status::error(win_error::invalid_name);
  if (fs.is_directory(path)) return Status::success();
  const std::string parent = parent_folder(path);
  if (!parent.empty()) {
    if (const Status made = create_directories(fs, parent); made.failed()) return made;
  }
  const Status made = fs.create_directory(path);
  if (made.failed() && fs.is_directory(path)) return Status::success();
  return made;
}

Status clear_read_only(FileSystem& fs, const std::string& path) {
  std::uint32_t attributes = 0;
  if (const Status got = fs.get_attributes(path, attributes); got.failed()) return got;
  if ((attributes & file_attribute::read_only) == 0) return Status::success();
  std::uint32_t cleared = attributes & ~file_attribute::read_only;
  if (cleared == 0) cleared = file_attribute::normal;
  return fs.set_attributes(path, cleared);
}

std::string temporary_name_for(std::string_view destination) {
  return up_to_last_backslash(destination) + "~k68cpy.tmp";
}

bool copy_destination_fits(std::string_view destination) {
  return path_fits(destination) && utf16_length(temporary_name_for(destination)) <= kLongestSystemPath;
}

void remove_quietly(FileSystem& fs, const std::string& path) {
  if (!fs.is_file(path)) return;
  clear_read_only(fs, path);
  fs.delete_file(path);
}

namespace {

bool is_there_already(const Status& copied) {
  return copied.code == win_error::file_exists || copied.code == win_error::already_exists;
}

Status copy_to_temporary(FileSystem& fs, const std::string& source, const std::string& temporary) {
  // Asking the copy not to replace anything spares a look before it; what an
  // interrupted earlier copy left under the temporary name is removed only
  // when it turns out to be there.
  Status copied = fs.copy_file(source, temporary, true);
  if (is_there_already(copied)) {
    remove_quietly(fs, temporary);
    copied = fs.copy_file(source, temporary, true);
  }
  if (copied.failed()) return copied;
  if (const Status cleared = clear_read_only(fs, temporary); cleared.failed()) return cleared;
  if (const Status flushed = fs.flush_file(temporary); flushed.failed()) return flushed;
  std::uint64_t source_size = 0;
  std::uint64_t copy_size = 0;
  if (const Status s = fs.file_size(source, source_size); s.failed()) return s;
  if (const Status s = fs.file_size(temporary, copy_size); s.failed()) return s;
  if (source_size != copy_size) return Status::error(win_error::write_fault);
  return Status::success();
}

}  // namespace

Status copy_into_place(FileSystem& fs, const std::string& source, const std::string& destination,
                       Overwrite overwrite) {
  if (overwrite != Overwrite::replace && fs.is_file(destination))
    return overwrite == Overwrite::keep_existing ? Status::success() : Status::error(win_error::file_exists);
  const std::string temporary = temporary_name_for(destination);
  if (utf16_length(temporary) > kLongestSystemPath) return Status::error(win_error::filename_too_long);
  Status result = copy_to_temporary(fs, source, temporary);
  if (result.ok()) {
    const MoveMode mode =
        overwrite == Overwrite::replace ? MoveMode::replace_existing : MoveMode::fail_if_exists;
    result = fs.move(temporary, destination, mode);
  }
  if (result.failed()) remove_quietly(fs, temporary);
  return result;
}

std::string trimmed_error_text(FileSystem& fs, std::uint32_t code) {
  std::string text = fs.error_text(code);
  while (!text.empty()) {
    const auto last = static_cast<unsigned char>(text.back());
    if (last <= ' ' || last == '.')
      text.pop_back();
    else
      break;
  }
  return text;
}

}  // namespace kivo
