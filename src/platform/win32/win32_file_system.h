#pragma once
// The file system through the W functions. Every failure comes back as the
// Windows error code the call left; paths of MAX_PATH characters or more are
// refused before any call, so that no long-path setting changes the outcome.

#include "platform/file_system.h"

namespace kivo {

class Win32FileSystem : public FileSystem {
 public:
  bool is_file(const std::string& path) override;
  bool is_directory(const std::string& path) override;
  Status create_directory(const std::string& path) override;
  Status remove_directory(const std::string& path) override;
  Status move(const std::string& from, const std::string& to, MoveMode mode) override;
  Status delete_file(const std::string& path) override;
  Status copy_file(const std::string& from, const std::string& to, bool fail_if_exists) override;
  Status flush_file(const std::string& path) override;
  Status get_attributes(const std::string& path, std::uint32_t& attributes) override;
  Status set_attributes(const std::string& path, std::uint32_t attributes) override;
  Status file_size(const std::string& path, std::uint64_t& bytes) override;
  Status same_contents(const std::string& a, const std::string& b, bool& same) override;
  Status open_for_update(const std::string& path, std::unique_ptr<UpdatableFile>& file) override;
  Status list_subfolders(const std::string& folder, std::vector<std::string>& names) override;
  std::string error_text(std::uint32_t code) override;
  Status free_space(const std::string& folder, std::uint64_t& bytes) override;
};

}  // namespace kivo
