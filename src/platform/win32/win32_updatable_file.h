#pragma once
// A file held open for reading and writing with no sharing, patched one byte
// at a time. A position at or past the end is refused rather than extending
// the file.

#include "platform/file_system.h"
#include "platform/win32/unique_handle.h"

namespace kivo {

class Win32UpdatableFile : public UpdatableFile {
 public:
  explicit Win32UpdatableFile(unique_file_handle handle) : handle_(std::move(handle)) {}
  Status size(std::uint64_t& bytes) override;
  Status write_byte_at(std::uint64_t position, std::uint8_t value) override;
  Status flush() override;

 private:
  unique_file_handle handle_;
};

}  // namespace kivo
