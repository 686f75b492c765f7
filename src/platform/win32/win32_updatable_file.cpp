#include "platform/win32/win32_updatable_file.h"

#include "platform/win32/win32_status.h"

namespace kivo {

Status Win32UpdatableFile::size(std::uint64_t& bytes) {
  LARGE_INTEGER length{};
  if (!::GetFileSizeEx(handle_.get(), &length)) return last_error_status();
  bytes = static_cast<std::uint64_t>(length.QuadPart);
  return Status::success();
}

Status Win32UpdatableFile::write_byte_at(std::uint64_t position, std::uint8_t value) {
  std::uint64_t length = 0;
  if (const Status got = size(length); got.failed()) return got;
  if (position >= length) return Status::error(win_error::handle_eof);
  LARGE_INTEGER offset{};
  offset.QuadPart = static_cast<LONGLONG>(position);
  if (!::SetFilePointerEx(handle_.get(), offset, nullptr, FILE_BEGIN)) return last_error_status();
  DWORD written = 0;
  if (!::WriteFile(handle_.get(), &value, 1, &written, nullptr)) return last_error_status();
  if (written != 1) return Status::error(win_error::write_fault);
  return Status::success();
}

Status Win32UpdatableFile::flush() {
  if (!::FlushFileBuffers(handle_.get())) return last_error_status();
  return Status::success();
}

}  // namespace kivo
