// Memory benchmark (not a test), run by memory.sh: the idle working set of
// each exe from its own folder, read from the process's own counters, in
// RUNS alternating rounds. Under Wine most of a working set is Wine's own
// libraries, so what belongs to the program is the difference.
//   memory_bench RUNS PROGRAM_EXE PROGRAM_DIR TRIVIAL_EXE TRIVIAL_DIR THEMED_EXE THEMED_DIR
#include <windows.h>
// psapi needs windows.h first.
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "platform/win32/unique_handle.h"

namespace {

constexpr double kMegabyte = 1024.0 * 1024.0;
constexpr double kGoalMegabytes = 4.0;

struct Finding {
  HWND window = nullptr;
  DWORD process = 0;
};

BOOL CALLBACK find_shown_window(HWND window, LPARAM found) {
  auto* finding = reinterpret_cast<Finding*>(found);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  // The program's taskbar window has no size; its main window has.
  RECT bounds{};
  if (owner == finding->process && IsWindowVisible(window) && GetWindowRect(window, &bounds) &&
      bounds.right - bounds.left > 100) {
    finding->window = window;
    return FALSE;
  }
  return TRUE;
}

// Working set in bytes of EXE once its window is shown and it has been idle
// for a while, or 0 when it did not come up.
double idle_working_set(const std::wstring& exe, const std::wstring& folder) {
  std::wstring command_line = L"\"" + exe + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(exe.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                      &startup, &started)) {
    std::fwprintf(stderr, L"cannot start %ls (error %lu)\n", exe.c_str(), GetLastError());
    return 0;
  }
  const kivo::unique_handle process(started.hProcess), thread(started.hThread);
  Finding finding{nullptr, started.dwProcessId};
  for (int waited = 0; waited < 20000 && !finding.window; waited += 20) {
    Sleep(20);
    EnumWindows(find_shown_window, reinterpret_cast<LPARAM>(&finding));
  }
  double bytes = 0;
  if (finding.window) {
    WaitForInputIdle(process.get(), 10000);
    // Idle means after the first paint and whatever the system does lazily.
    Sleep(3000);
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(finding.window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer);
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    if (GetProcessMemoryInfo(process.get(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                             sizeof counters))
      bytes = static_cast<double>(counters.WorkingSetSize);
    PostMessageW(finding.window, WM_CLOSE, 0, 0);
  } else {
    std::fwprintf(stderr, L"%ls showed no window\n", exe.c_str());
  }
  if (WaitForSingleObject(process.get(), 10000) != WAIT_OBJECT_0) TerminateProcess(process.get(), 1);
  return bytes;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 8) {
    std::fwprintf(stderr,
                  L"usage: memory_bench RUNS PROGRAM_EXE PROGRAM_DIR TRIVIAL_EXE TRIVIAL_DIR "
                  L"THEMED_EXE THEMED_DIR\n");
    return 2;
  }
  const int runs = std::max(1, _wtoi(argv[1]));
  const char* const names[] = {"kivo68i.exe", "trivial window", "themed window"};
  std::vector<double> megabytes[3];
  for (int round = 1; round <= runs; ++round) {
    std::printf("round %d:", round);
    for (int k = 0; k < 3; ++k) {
      const double bytes = idle_working_set(argv[2 + 2 * k], argv[3 + 2 * k]);
      if (bytes == 0) return 1;
      megabytes[k].push_back(bytes / kMegabyte);
      std::printf(" %s %.1f MB", names[k], megabytes[k].back());
    }
    std::printf("\n");
  }
  const double program = median(megabytes[0]);
  const double trivial = median(megabytes[1]);
  const double themed = median(megabytes[2]);
  std::printf("idle working set (median of %d): kivo68i.exe %.1f MB, trivial window %.1f MB\n", runs, program,
              trivial);
  std::printf("kivo68i.exe's own share (difference): %.1f MB, %.2f of the %.0f MB goal\n", program - trivial,
              (program - trivial) / kGoalMegabytes, kGoalMegabytes);
  std::printf("against the window with the program's manifest and a Japanese line (%.1f MB): %.1f MB\n",
              themed, program - themed);
  return 0;
}
