// install_check: what an installation left, read through Windows itself.
//   install_check ini FILE SECTION KEY      the value (GetPrivateProfileStringW), or "(missing)"
//   install_check lnk PATH                  target, working folder, icon and index of a shell link
//   install_check attrs PATH                the file's attributes in hex
//   install_check progress WINDOW CONTROL   position/maximum of a named progress bar
// Prints one line on stdout; exits 0, or 1 when the thing cannot be read.

#include <windows.h>
// These need windows.h first.
#include <commctrl.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "platform/forms/window_name.h"

namespace {

void print(const std::wstring& line) {
  const int bytes = WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<size_t>(bytes), '\0');
  WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, utf8.data(), bytes, nullptr, nullptr);
  std::fputs(utf8.c_str(), stdout);
  std::fputs("\n", stdout);
}

int ini(wchar_t** argv) {
  wchar_t buffer[2048] = {};
  GetPrivateProfileStringW(argv[1], argv[2], L"\x1f", buffer, 2048, argv[0]);
  print(std::wstring(buffer) == L"\x1f" ? L"(missing)" : buffer);
  return 0;
}

int lnk(const wchar_t* path) {
  if (FAILED(CoInitialize(nullptr))) return 1;
  int result = 1;
  IShellLinkW* link = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                 reinterpret_cast<void**>(&link)))) {
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
      wchar_t target[MAX_PATH] = {}, folder[MAX_PATH] = {}, icon[MAX_PATH] = {};
      int index = -1;
      if (SUCCEEDED(file->Load(path, STGM_READ)) &&
          SUCCEEDED(link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH)) &&
          SUCCEEDED(link->GetWorkingDirectory(folder, MAX_PATH)) &&
          SUCCEEDED(link->GetIconLocation(icon, MAX_PATH, &index))) {
        print(L"target=" + std::wstring(target) + L"|folder=" + folder + L"|icon=" + icon + L"," +
              std::to_wstring(index));
        result = 0;
      }
      file->Release();
    }
    link->Release();
  }
  CoUninitialize();
  return result;
}

int attrs(const wchar_t* path) {
  const DWORD attributes = GetFileAttributesW(path);
  if (attributes == INVALID_FILE_ATTRIBUTES) return 1;
  wchar_t text[16];
  std::swprintf(text, 16, L"0x%04lx", static_cast<unsigned long>(attributes));
  print(text);
  return 0;
}

std::wstring name_of(HWND window) {
  const auto atom =
      static_cast<ATOM>(reinterpret_cast<UINT_PTR>(GetPropW(window, kivo::forms::kWindowNameProperty)));
  wchar_t name[256] = {};
  if (atom) GlobalGetAtomNameW(atom, name, 256);
  return name;
}

struct Search {
  std::wstring name;
  HWND found = nullptr;
};

BOOL CALLBACK find_named(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  if (name_of(window) != search->name) return TRUE;
  search->found = window;
  return FALSE;
}

int progress(const wchar_t* form_name, const wchar_t* control_name) {
  Search form{form_name};
  EnumWindows(find_named, reinterpret_cast<LPARAM>(&form));
  if (!form.found) return 1;
  Search control{control_name};
  EnumChildWindows(form.found, find_named, reinterpret_cast<LPARAM>(&control));
  if (!control.found) return 1;
  DWORD_PTR position = 0, maximum = 0;
  if (!SendMessageTimeoutW(control.found, PBM_GETPOS, 0, 0, SMTO_ABORTIFHUNG, 5000, &position) ||
      !SendMessageTimeoutW(control.found, PBM_GETRANGE, FALSE, 0, SMTO_ABORTIFHUNG, 5000, &maximum))
    return 1;
  print(std::to_wstring(position) + L"/" + std::to_wstring(maximum));
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring command = argc > 1 ? argv[1] : L"";
  if (command == L"ini" && argc == 5) return ini(argv + 2);
  if (command == L"lnk" && argc == 3) return lnk(argv[2]);
  if (command == L"attrs" && argc == 3) return attrs(argv[2]);
  if (command == L"progress" && argc == 4) return progress(argv[2], argv[3]);
  std::fputs("usage: install_check ini FILE SECTION KEY | lnk PATH | attrs PATH | progress WINDOW CONTROL\n",
             stderr);
  return 2;
}
