#include "cd_layout.h"

#include <algorithm>
#include <cctype>

#include "file_contents.h"
#include "file_tables.h"

namespace demo_cd {

namespace {

constexpr std::uint64_t kKiB = 1024;

bool ends_with(std::string_view path, std::string_view suffix) {
  if (path.size() < suffix.size()) return false;
  return std::equal(suffix.begin(), suffix.end(), path.end() - static_cast<std::ptrdiff_t>(suffix.size()),
                    [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

// A size in [low, high] chosen by the path, so each file keeps its size from run to run.
std::uint64_t size_between(std::string_view path, std::uint64_t low, std::uint64_t high) {
  return low + seed_for(path) % (high - low + 1);
}

CdFile file_for(std::string relative_path) {
  const std::string_view path = relative_path;
  if (ends_with(path, ".d88")) return {std::move(relative_path), kBootDiskSize, Content::boot_disk};
  std::uint64_t size = 0;
  if (ends_with(path, ".exe"))
    size = size_between(path, 280 * kKiB, 320 * kKiB);
  else if (ends_with(path, ".mp3"))
    size = size_between(path, 100 * kKiB, 300 * kKiB);
  else if (ends_with(path, ".avi"))
    size = size_between(path, 960 * kKiB, 1088 * kKiB);
  else
    size = size_between(path, 1 * kKiB, 40 * kKiB);
  return {std::move(relative_path), size, Content::random};
}

std::string below(std::string_view folder, std::string_view entry) {
  std::string path(folder);
  if (!entry.starts_with('\\')) path += '\\';
  return path + std::string(entry);
}

}  // namespace

std::vector<CdFile> cd_files() {
  std::vector<CdFile> files;
  files.push_back({"index.htm", manual_page().size(), Content::manual_page});
  files.push_back({"autorun.inf", autorun_inf().size(), Content::autorun});
  for (std::string_view entry : kivo::emulator_file_list()) files.push_back(file_for(below("tools", entry)));
  for (std::string_view entry : kivo::game_file_table()) files.push_back(file_for(below("kivo", entry)));
  files.push_back(file_for(below("kivo", kivo::kBootDiskImageEntry)));
  for (std::string_view entry : kivo::replacement_list()) files.push_back(file_for(below("sashikae", entry)));
  return files;
}

}  // namespace demo_cd
