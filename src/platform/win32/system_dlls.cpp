#include "platform/win32/system_dlls.h"

namespace kivo::system_dlls {

namespace {

// The DLL by its bare name: the search it follows is the one start-up set.
template <typename Function>
Function find(const wchar_t* dll, const char* name) {
  HMODULE module = ::GetModuleHandleW(dll);
  if (module == nullptr) module = ::LoadLibraryW(dll);
  if (module == nullptr) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

constexpr const wchar_t* kShell = L"shell32.dll";
constexpr const wchar_t* kCom = L"ole32.dll";
const HRESULT kMissing = HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND);

}  // namespace

void load() {
  static const bool loaded = [] {
    ::LoadLibraryW(kShell);
    ::LoadLibraryW(kCom);
    return true;
  }();
  (void)loaded;
}

// Each function is looked up once, on its first call.
#define KIVO_SYSTEM_FUNCTION(dll, name) static const auto function = find<decltype(&::name)>(dll, #name)

HINSTANCE ShellExecuteW(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters, LPCWSTR folder,
                        INT show) {
  KIVO_SYSTEM_FUNCTION(kShell, ShellExecuteW);
  if (function == nullptr) return reinterpret_cast<HINSTANCE>(SE_ERR_DLLNOTFOUND);
  return function(owner, verb, file, parameters, folder, show);
}

DWORD_PTR SHGetFileInfoW(LPCWSTR path, DWORD attributes, SHFILEINFOW* info, UINT size, UINT flags) {
  KIVO_SYSTEM_FUNCTION(kShell, SHGetFileInfoW);
  return function ? function(path, attributes, info, size, flags) : 0;
}

HRESULT SHGetSpecialFolderLocation(HWND owner, int folder, PIDLIST_ABSOLUTE* list) {
  KIVO_SYSTEM_FUNCTION(kShell, SHGetSpecialFolderLocation);
  if (function == nullptr) {
    *list = nullptr;
    return kMissing;
  }
  return function(owner, folder, list);
}

BOOL SHGetPathFromIDListW(PCIDLIST_ABSOLUTE list, LPWSTR path) {
  KIVO_SYSTEM_FUNCTION(kShell, SHGetPathFromIDListW);
  return function ? function(list, path) : FALSE;
}

HRESULT CoInitialize(LPVOID reserved) {
  KIVO_SYSTEM_FUNCTION(kCom, CoInitialize);
  return function ? function(reserved) : kMissing;
}

void CoUninitialize() {
  KIVO_SYSTEM_FUNCTION(kCom, CoUninitialize);
  if (function) function();
}

HRESULT CoCreateInstance(REFCLSID type, LPUNKNOWN outer, DWORD context, REFIID interface_id, LPVOID* object) {
  KIVO_SYSTEM_FUNCTION(kCom, CoCreateInstance);
  if (function == nullptr) {
    *object = nullptr;
    return kMissing;
  }
  return function(type, outer, context, interface_id, object);
}

void CoTaskMemFree(LPVOID memory) {
  KIVO_SYSTEM_FUNCTION(kCom, CoTaskMemFree);
  if (function) function(memory);
}

#undef KIVO_SYSTEM_FUNCTION

}  // namespace kivo::system_dlls
