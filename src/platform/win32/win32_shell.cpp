#include "platform/win32/win32_shell.h"

#include <windows.h>
// These need windows.h first.
#include <shellapi.h>
#include <shlobj.h>
#include <shobjidl.h>

#include "platform/win32/system_dlls.h"
#include "platform/win32/text.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/win32_status.h"

namespace kivo {
namespace {

// ShellExecuteW reports failure as a small number, only some of which are
// Win32 codes already.
Status status_from_shell_execute(INT_PTR result) {
  switch (result) {
    case 0:
    case SE_ERR_OOM:
      return Status::error(ERROR_OUTOFMEMORY);
    case SE_ERR_SHARE:
      return Status::error(win_error::sharing_violation);
    case SE_ERR_ASSOCINCOMPLETE:
    case SE_ERR_NOASSOC:
      return Status::error(ERROR_NO_ASSOCIATION);
    case SE_ERR_DDETIMEOUT:
    case SE_ERR_DDEFAIL:
    case SE_ERR_DDEBUSY:
      return Status::error(ERROR_DDE_FAIL);
    case SE_ERR_DLLNOTFOUND:
      return Status::error(ERROR_DLL_NOT_FOUND);
    default:
      return Status::error(static_cast<std::uint32_t>(result));  // 2, 3, 5, 11 are Win32 codes
  }
}

Status make_link_object(com_ptr<IShellLinkW>& link) {
  return status_from_hresult(system_dlls::CoCreateInstance(__uuidof(ShellLink), nullptr, CLSCTX_INPROC_SERVER,
                                                           __uuidof(IShellLinkW), link.put_void()));
}

Status describe_link(IShellLinkW& link, const ShellLinkSpec& wanted) {
  std::wstring target;
  if (const Status s = to_wide_path(wanted.target, target); s.failed()) return s;
  if (const Status s = status_from_hresult(link.SetPath(target.c_str())); s.failed()) return s;
  if (!wanted.working_directory.empty()) {
    if (const Status s =
            status_from_hresult(link.SetWorkingDirectory(widen(wanted.working_directory).c_str()));
        s.failed())
      return s;
  }
  if (!wanted.icon_path.empty())
    return status_from_hresult(link.SetIconLocation(widen(wanted.icon_path).c_str(), wanted.icon_index));
  return Status::success();
}

}  // namespace

Status Win32Shell::open_document(const std::string& path) {
  std::wstring wide;
  if (const Status s = to_wide_path(path, wide); s.failed()) return s;
  // Some shell extensions that ShellExecute may load expect COM on the thread.
  ScopedComInit com;
  const auto result = reinterpret_cast<INT_PTR>(
      system_dlls::ShellExecuteW(::GetActiveWindow(), L"open", wide.c_str(), nullptr, nullptr, SW_SHOW));
  if (result > 32) return Status::success();
  return status_from_shell_execute(result);
}

Status Win32Shell::desktop_folder(std::string& path) {
  unique_cotaskmem<ITEMIDLIST> folder;
  if (const Status s = status_from_hresult(
          system_dlls::SHGetSpecialFolderLocation(nullptr, CSIDL_DESKTOPDIRECTORY, folder.put()));
      s.failed())
    return s;
  wchar_t buffer[MAX_PATH] = {};
  if (!system_dlls::SHGetPathFromIDListW(folder.get(), buffer))
    return Status::error(win_error::path_not_found);
  path = narrow(buffer);
  return Status::success();
}

Status Win32Shell::create_link(const std::string& link_path, const ShellLinkSpec& wanted) {
  std::wstring wide_link_path;
  if (const Status s = to_wide_path(link_path, wide_link_path); s.failed()) return s;
  ScopedComInit com;
  if (!com.usable()) return status_from_hresult(com.result());
  com_ptr<IShellLinkW> link;
  if (const Status s = make_link_object(link); s.failed()) return s;
  if (const Status s = describe_link(*link.get(), wanted); s.failed()) return s;
  com_ptr<IPersistFile> file;
  if (const Status s = status_from_hresult(link.query(file)); s.failed()) return s;
  return status_from_hresult(file->Save(wide_link_path.c_str(), TRUE));
}

LinkReadResult Win32Shell::read_link_target(const std::string& link_path, std::string& target) {
  std::wstring wide_link_path;
  if (to_wide_path(link_path, wide_link_path).failed()) return LinkReadResult::load_failed;
  ScopedComInit com;
  if (!com.usable()) return LinkReadResult::no_link_object;
  com_ptr<IShellLinkW> link;
  com_ptr<IPersistFile> file;
  if (make_link_object(link).failed() || FAILED(link.query(file))) return LinkReadResult::no_link_object;
  if (FAILED(file->Load(wide_link_path.c_str(), STGM_READ))) return LinkReadResult::load_failed;
  wchar_t buffer[MAX_PATH] = {};
  WIN32_FIND_DATAW found{};
  const HRESULT got = link->GetPath(buffer, MAX_PATH, &found, SLGP_UNCPRIORITY);
  if (FAILED(got) || buffer[0] == L'\0') return LinkReadResult::get_failed;
  target = narrow(buffer);
  return LinkReadResult::ok;
}

}  // namespace kivo
