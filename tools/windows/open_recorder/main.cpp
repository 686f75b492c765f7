// open_recorder: registered in the test prefix as the program that opens
// ".htm" documents. Instead of showing the page it appends its arguments as
// one UTF-8 line to "opened.txt" beside itself, so a test can see what the
// shell was asked to open.
#include <windows.h>

#include <cstdlib>
#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  std::wstring line;
  for (int i = 1; i < __argc; ++i) line += (i > 1 ? L" " : L"") + std::wstring(__wargv[i]);
  line += L"\n";

  wchar_t log_path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, log_path, MAX_PATH);
  std::wstring path = log_path;
  path = path.substr(0, path.find_last_of(L'\\') + 1) + L"opened.txt";

  const int length = WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), nullptr, 0,
                                         nullptr, nullptr);
  std::string bytes(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), bytes.data(), length, nullptr,
                      nullptr);
  HANDLE log = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
  if (log == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  const BOOL ok = WriteFile(log, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(log);
  return ok ? 0 : 1;
}
