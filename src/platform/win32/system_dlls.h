#pragma once
// The shell and COM functions the program uses, found at run time instead of
// imported, so that their DLLs are loaded by name only after start-up has
// narrowed the DLL search to the system folder. Each behaves
// like the system function; when its DLL or the function cannot be found it
// fails as the system function does on failure.

#include <windows.h>
// These need windows.h first.
#include <shellapi.h>
#include <shlobj.h>

namespace kivo::system_dlls {

// Loads the DLLs now, once, so that they start before the work that needs
// them rather than in the middle of an installation. They stay loaded until
// the program ends.
void load();

HINSTANCE ShellExecuteW(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters, LPCWSTR folder, INT show);
DWORD_PTR SHGetFileInfoW(LPCWSTR path, DWORD attributes, SHFILEINFOW* info, UINT size, UINT flags);
HRESULT SHGetSpecialFolderLocation(HWND owner, int folder, PIDLIST_ABSOLUTE* list);
BOOL SHGetPathFromIDListW(PCIDLIST_ABSOLUTE list, LPWSTR path);
HRESULT CoInitialize(LPVOID reserved);
void CoUninitialize();
HRESULT CoCreateInstance(REFCLSID type, LPUNKNOWN outer, DWORD context, REFIID interface_id, LPVOID* object);
void CoTaskMemFree(LPVOID memory);

}  // namespace kivo::system_dlls
