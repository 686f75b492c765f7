#include "platform/win32/win32_status.h"

#include "platform/win32/text.h"

namespace kivo {

Status last_error_status() {
  const DWORD code = ::GetLastError();
  return Status::error(code != ERROR_SUCCESS ? code : ERROR_GEN_FAILURE);
}

Status status_from_hresult(HRESULT result) {
  if (SUCCEEDED(result)) return Status::success();
  if (HRESULT_FACILITY(result) == FACILITY_WIN32) return Status::error(HRESULT_CODE(result));
  return Status::error(static_cast<std::uint32_t>(result));
}

Status to_wide_path(std::string_view path, std::wstring& wide, std::size_t max_length) {
  if (path.empty()) return Status::error(win_error::invalid_name);
  wide = widen(path);
  if (wide.empty()) return Status::error(win_error::invalid_name);
  if (wide.size() > max_length) return Status::error(win_error::filename_too_long);
  if (wide.find(L'\0') != std::wstring::npos) return Status::error(win_error::invalid_name);
  return Status::success();
}

}  // namespace kivo
