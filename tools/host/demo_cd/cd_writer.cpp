#include "cd_writer.h"

#include <algorithm>
#include <fstream>
#include <system_error>

#include "cd_layout.h"
#include "file_contents.h"

namespace demo_cd {

namespace fs = std::filesystem;

namespace {

constexpr fs::perms kReadOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;

std::string write_file(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
  std::error_code error;
  fs::create_directories(path.parent_path(), error);
  if (error) return "cannot create " + path.parent_path().string() + ": " + error.message();
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) return "cannot write " + path.string();
  fs::permissions(path, kReadOnly, error);
  if (error) return "cannot make " + path.string() + " read-only: " + error.message();
  return {};
}

}  // namespace

fs::path host_path(const fs::path& folder, const std::string& relative_path) {
  std::string slashed = relative_path;
  std::replace(slashed.begin(), slashed.end(), '\\', '/');
  return folder / slashed;
}

WriteResult write_cd(const fs::path& folder, const fs::path& program) {
  WriteResult result;
  std::error_code error;
  if (fs::exists(folder, error) && !fs::is_empty(folder, error)) {
    result.error = folder.string() + " is not empty; give a new or empty folder";
    return result;
  }
  std::ifstream in(program, std::ios::binary);
  if (!in) {
    result.error = "cannot read the program " + program.string();
    return result;
  }
  const std::vector<std::uint8_t> program_bytes{std::istreambuf_iterator<char>(in), {}};
  if (!(result.error = write_file(folder / "kivo68i.exe", program_bytes)).empty()) return result;
  result.files = 1;
  result.bytes = program_bytes.size();
  for (const CdFile& file : cd_files()) {
    if (!(result.error = write_file(host_path(folder, file.relative_path), contents_of(file))).empty())
      return result;
    ++result.files;
    result.bytes += file.size;
  }
  return result;
}

}  // namespace demo_cd
