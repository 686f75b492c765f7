#pragma once
// Writes the demo CD folder: the program, then every file of cd_files(), each
// read-only as on a pressed CD (folders stay writable so tests can clean up).

#include <cstdint>
#include <filesystem>
#include <string>

namespace demo_cd {

struct WriteResult {
  std::string error;  // empty on success
  std::uint64_t files = 0;
  std::uint64_t bytes = 0;
};

WriteResult write_cd(const std::filesystem::path& folder, const std::filesystem::path& program);

// The host path of a CD-relative Windows path: "kivo\DATA\MAP01.DAT" -> folder/kivo/DATA/MAP01.DAT.
std::filesystem::path host_path(const std::filesystem::path& folder, const std::string& relative_path);

}  // namespace demo_cd
