#pragma once
// The file system as the rules see it. Paths are Windows paths in UTF-8
// ("C:\Winx68k\\WinX68kHighSpeed.exe"); the Windows implementation converts
// them to UTF-16 and calls the W functions, the host tests use an in-memory fake.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/status.h"

namespace kivo {

// A file opened for reading and writing without sharing, for patching single
// bytes in place. Closed when destroyed.
class UpdatableFile {
 public:
  virtual ~UpdatableFile() = default;
  virtual Status size(std::uint64_t& bytes) = 0;
  // Writes one byte at an absolute position; never extends the file.
  virtual Status write_byte_at(std::uint64_t position, std::uint8_t value) = 0;
  virtual Status flush() = 0;
};

enum class MoveMode {
  fail_if_exists,   // nothing may be at the destination
  replace_existing  // an existing file at the destination is replaced atomically
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // True only for an existing file (a folder of that name does not count).
  virtual bool is_file(const std::string& path) = 0;
  // True only for an existing folder, drive roots included ("C:\").
  virtual bool is_directory(const std::string& path) = 0;

  // Creates one folder; its parent must exist.
  virtual Status create_directory(const std::string& path) = 0;
  // Removes a folder that is empty.
  virtual Status remove_directory(const std::string& path) = 0;
  // Renames or moves a file or a folder on the same volume, written through.
  virtual Status move(const std::string& from, const std::string& to, MoveMode mode) = 0;
  virtual Status delete_file(const std::string& path) = 0;
  // CopyFile: the copy takes the source's attributes.
  virtual Status copy_file(const std::string& from, const std::string& to, bool fail_if_exists) = 0;
  // Flushes a closed file's data to the disk (opens, FlushFileBuffers, closes).
  virtual Status flush_file(const std::string& path) = 0;

  virtual Status get_attributes(const std::string& path, std::uint32_t& attributes) = 0;
  virtual Status set_attributes(const std::string& path, std::uint32_t attributes) = 0;
  virtual Status file_size(const std::string& path, std::uint64_t& bytes) = 0;
  // Compares two files byte for byte.
  virtual Status same_contents(const std::string& a, const std::string& b, bool& same) = 0;
  // Opens an existing file for reading and writing, sharing nothing.
  virtual Status open_for_update(const std::string& path, std::unique_ptr<UpdatableFile>& file) = 0;

  // Names of the folders directly inside a folder (no "." or ".."), sorted
  // case-insensitively.
  virtual Status list_subfolders(const std::string& folder, std::vector<std::string>& names) = 0;

  // The system's message for an error code, in the user's language, untrimmed.
  virtual std::string error_text(std::uint32_t code) = 0;

  // Bytes this user may still write on the volume that holds an existing
  // folder (quotas counted).
  virtual Status free_space(const std::string& folder, std::uint64_t& bytes) = 0;
};

}  // namespace kivo
