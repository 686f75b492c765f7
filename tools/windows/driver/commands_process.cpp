// Starting a program and timing how long its window takes to appear.
#include <windows.h>

#include <cstdio>

#include "commands.h"
#include "text.h"
#include "windows_query.h"

namespace kivodrv {

namespace {

double milliseconds_since(const LARGE_INTEGER& start) {
  LARGE_INTEGER now{}, frequency{};
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(now.QuadPart - start.QuadPart) * 1000.0 /
         static_cast<double>(frequency.QuadPart);
}

// A shown top-level window named W that belongs to the process.
HWND shown_window_of(DWORD process, const std::wstring& wanted) {
  for (HWND window : top_level_windows()) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == process && IsWindowVisible(window) &&
        (name_of(window) == wanted || caption_of(window) == wanted))
      return window;
  }
  return nullptr;
}

// Starts EXE (current folder DIR, else the exe's folder), waits until its
// window W is shown, prints the milliseconds from process creation, then
// closes the window and waits for the process to end.
Outcome launch_timed(const Args& a, unsigned timeout) {
  std::wstring folder = a.size() > 2 ? a[2] : a[0].substr(0, a[0].find_last_of(L'\\') + 1);
  std::wstring command_line = L"\"" + a[0] + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  LARGE_INTEGER start{};
  QueryPerformanceCounter(&start);
  if (!CreateProcessW(a[0].c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                      &startup, &process))
    return fail(L"cannot start " + a[0] + L" (error " + std::to_wstring(GetLastError()) + L")");
  HWND window = nullptr;
  double elapsed = 0;
  while ((elapsed = milliseconds_since(start)) < timeout) {
    if ((window = shown_window_of(process.dwProcessId, a[1]))) break;
    Sleep(2);
  }
  if (window) {
    PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
  } else {
    TerminateProcess(process.hProcess, 1);
  }
  WaitForSingleObject(process.hProcess, timeout);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  if (!window) return fail(a[1] + L" did not appear");
  wchar_t shown[32] = {};
  swprintf(shown, 32, L"%.1f ms", elapsed);
  return pass(shown);
}

}  // namespace

const std::vector<Command>& process_commands() {
  static const std::vector<Command> kCommands = {
      {L"launch-timed", 2, 3, L"EXE W [DIR]       start EXE, print ms until W is shown, close it",
       launch_timed},
  };
  return kCommands;
}

}  // namespace kivodrv
