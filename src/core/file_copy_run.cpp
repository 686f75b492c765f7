#include "core/file_copy_run.h"

#include <cstdint>
#include <optional>
#include <vector>

#include "core/folder_text_check.h"
#include "core/user_error.h"
#include "platform/file_ops.h"
#include "platform/path_parts.h"

namespace kivo {

namespace {

struct FilePaths {
  std::string source;
  std::string destination;
};

std::vector<FilePaths> paths_of(const CopyRunRequest& request) {
  std::vector<FilePaths> paths;
  paths.reserve(request.entries.size());
  for (const std::string_view entry : request.entries)
    paths.push_back({request.source_base + std::string(entry),
                     request.destination_base + request.destination_suffix(entry)});
  return paths;
}

// The first path the run could not build without cutting it short.
std::optional<std::string> first_path_too_long(const std::vector<FilePaths>& paths) {
  for (const FilePaths& file : paths) {
    if (!path_fits(file.source)) return file.source;
    if (!copy_destination_fits(file.destination)) return file.destination;
  }
  return std::nullopt;
}

// Refuses what must not be tried at all. Returns false when the run must stop.
bool destination_is_usable(const CopyRunRequest& request, const std::vector<FilePaths>& paths,
                           Prompts& prompts) {
  const FolderTextProblem problem = check_folder_text(request.destination_base);
  if (problem == FolderTextProblem::not_absolute || problem == FolderTextProblem::forbidden_name) {
    prompts.error(unusable_folder_message(request.destination_base));
    return false;
  }
  if (!path_fits(request.destination_base)) {
    prompts.error(path_too_long_message(request.destination_base));
    return false;
  }
  if (const auto too_long = first_path_too_long(paths)) {
    prompts.error(path_too_long_message(*too_long));
    return false;
  }
  return true;
}

// A copied file takes whole clusters of the usual 4 KiB on the destination.
constexpr std::uint64_t kCluster = 4096;

// What the files not yet at their destination will take there. A source whose
// size cannot be read counts nothing: its copy reports the trouble.
std::uint64_t bytes_to_copy(const std::vector<FilePaths>& paths, FileSystem& fs) {
  std::uint64_t total = 0;
  for (const FilePaths& file : paths) {
    std::uint64_t size = 0;
    if (fs.is_file(file.destination) || fs.file_size(file.source, size).failed()) continue;
    total += (size + kCluster - 1) / kCluster * kCluster;
  }
  return total;
}

// The folder itself, or the nearest folder above it that exists: the volume
// the new folder would be made on.
std::optional<std::string> nearest_existing_folder(const std::string& folder, FileSystem& fs) {
  for (std::string candidate = folder; !candidate.empty(); candidate = parent_folder(candidate))
    if (fs.is_directory(candidate)) return candidate;
  return std::nullopt;
}

// Refuses a run that would fill the disk part way. When the free space cannot
// be read the run goes ahead as before. Returns false when the run must stop.
bool destination_has_room(const std::string& folder, const std::vector<FilePaths>& paths, FileSystem& fs,
                          Prompts& prompts) {
  const std::optional<std::string> existing = nearest_existing_folder(folder, fs);
  std::uint64_t free = 0;
  if (!existing || fs.free_space(*existing, free).failed()) return true;
  const std::uint64_t needed = bytes_to_copy(paths, fs);
  if (needed <= free) return true;
  prompts.error(no_room_message(folder, needed, free));
  return false;
}

// Makes sure the destination folder exists. Returns false when the run must stop.
bool destination_folder_ready(const std::string& folder, FileSystem& fs, Prompts& prompts) {
  if (fs.is_directory(folder)) return true;
  if (!prompts.confirm(kCreateFolderQuestion)) return false;
  if (folder.empty()) throw UserError(kEmptyFolderRefused);
  if (create_directories(fs, folder).failed()) {
    prompts.error(kCreateFolderFailed);
    return false;
  }
  return true;
}

// Copies one file unless one is there already. Returns the failure to report.
Status put_in_place(const FilePaths& file, FileSystem& fs) {
  // A folder that cannot be made shows up as the copy's failure; where the
  // file is there already, so is its folder.
  const std::string folder = up_to_last_backslash(file.destination);
  if (!fs.is_directory(folder)) create_directories(fs, folder);
  return copy_into_place(fs, file.source, file.destination, Overwrite::keep_existing);
}

}  // namespace

CopyRunOutcome run_file_copy(const CopyRunRequest& request, FileSystem& fs, Prompts& prompts,
                             CopyRunView& view) {
  view.show_opening_texts();
  const std::vector<FilePaths> paths = paths_of(request);
  if (!destination_is_usable(request, paths, prompts) ||
      !destination_has_room(request.destination_base, paths, fs, prompts) ||
      !destination_folder_ready(request.destination_base, fs, prompts)) {
    view.request_close();
    return CopyRunOutcome::stopped;
  }

  view.set_bar_range(static_cast<int>(paths.size()));
  int position = 0;
  for (const FilePaths& file : paths) {
    view.set_bar_position(++position);
    view.show_path(file.destination);
    if (const Status copied = put_in_place(file, fs); copied.failed()) {
      prompts.error(copy_failed_message(fs, file.source, file.destination, copied.code));
      view.request_close();
      return CopyRunOutcome::stopped;
    }
  }
  return CopyRunOutcome::finished;
}

}  // namespace kivo
