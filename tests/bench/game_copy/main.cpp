// Benchmark, not a test: the game's copy run as the progress window performs
// it (folder check, per-file existence test, copy to a temporary name, flush,
// size check, move into place, and the program's progress window kept
// current on screen) against two bare loops over the same 410 files of a CD,
// in one process, alternating rounds so that all see the same cache:
//   (a) the same file operations without checks or window,
//   (b) CopyFileW alone, which may leave a damaged file under its final name,
//   (c) CopyFileW and a flush of each copy: what (a) adds beyond the flush.
//
//   game_copy_bench <CD root, the folder holding kivo\> [rounds]

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/ui/system_services.h"
#include "bare_loops.h"
#include "bench_support.h"
#include "bench_window.h"
#include "core/file_copy_run.h"
#include "file_tables.h"
#include "platform/forms/application.h"
#include "platform/win32/text.h"
#include "platform/win32/win32_file_system.h"

namespace {

using bench::median;
using bench::QuietView;
using bench::SilentPrompts;

using Clock = std::chrono::steady_clock;

void remove_tree(const std::wstring& folder) {
  WIN32_FIND_DATAW found{};
  const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring path = folder + L"\\" + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        remove_tree(path);
      } else {
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(path.c_str());
      }
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(folder.c_str());
}

double timed(const std::string& folder, const std::function<void()>& copy) {
  remove_tree(kivo::widen(folder));
  const auto start = Clock::now();
  copy();
  return std::chrono::duration<double>(Clock::now() - start).count();
}

unsigned long long total_bytes(const std::string& source_base) {
  unsigned long long bytes = 0;
  for (const auto entry : kivo::game_file_table()) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    GetFileAttributesExW(kivo::widen(source_base + std::string(entry)).c_str(), GetFileExInfoStandard, &data);
    bytes += (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  }
  return bytes;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: game_copy_bench <CD root> [rounds]\n");
    return 2;
  }
  const std::string source_base = kivo::narrow(argv[1]) + "\\kivo";
  const int rounds = argc > 2 ? std::max(1, _wtoi(argv[2])) : 15;
  kivo::forms::Application::initialize(GetModuleHandleW(nullptr));
  // The window needs the program's services; it opens no other window.
  kivo::SystemServices system;
  bench::BenchWindow window(system.services);
  window.show();

  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const std::string base = kivo::narrow(temp) + "kivo_game_bench_" + std::to_string(GetCurrentProcessId());
  CreateDirectoryW(kivo::widen(base).c_str(), nullptr);
  const std::string run_folder = base + "\\run";
  const std::string through_folder = base + "\\through";
  const std::string direct_folder = base + "\\direct";
  const std::string flushed_folder = base + "\\flushed";
  const auto entries = kivo::game_file_table();

  kivo::Win32FileSystem fs;
  SilentPrompts prompts;
  const auto program_run = [&] {
    const kivo::CopyRunRequest request{entries, source_base, run_folder, kivo::entry_unchanged};
    if (kivo::run_file_copy(request, fs, prompts, window.view()) != kivo::CopyRunOutcome::finished)
      std::fprintf(stderr, "run stopped\n");
    window.flush();
  };
  QuietView quiet_view;
  const std::string quiet_folder = base + "\\quiet";
  const auto quiet_run = [&] {
    const kivo::CopyRunRequest request{entries, source_base, quiet_folder, kivo::entry_unchanged};
    if (kivo::run_file_copy(request, fs, prompts, quiet_view) != kivo::CopyRunOutcome::finished)
      std::fprintf(stderr, "run stopped\n");
  };
  const auto through = [&] { bench::copy_through_temporary(entries, source_base, through_folder); };
  const auto direct = [&] { bench::copy_directly(entries, source_base, direct_folder); };
  const auto flushed = [&] { bench::copy_directly(entries, source_base, flushed_folder, true); };

  // One warm-up of each, then rounds in turn. Each round starts with a
  // different one, and the ratios are taken within a round, so that the
  // machine's drift from round to round does not count as a difference.
  struct Contender {
    const std::string& folder;
    std::function<void()> copy;
  };
  const Contender contenders[] = {{run_folder, program_run},
                                  {quiet_folder, quiet_run},
                                  {through_folder, through},
                                  {direct_folder, direct},
                                  {flushed_folder, flushed}};
  for (const Contender& contender : contenders) timed(contender.folder, contender.copy);
  std::vector<double> run_times, quiet_times, through_times, direct_times, flushed_times;
  std::vector<double> run_ratios, quiet_ratios, price_ratios, beyond_flush_ratios;
  for (int i = 0; i < rounds; ++i) {
    double times[std::size(contenders)] = {};
    for (std::size_t k = 0; k < std::size(contenders); ++k) {
      const std::size_t which = (i + k) % std::size(contenders);
      times[which] = timed(contenders[which].folder, contenders[which].copy);
    }
    run_times.push_back(times[0]);
    quiet_times.push_back(times[1]);
    through_times.push_back(times[2]);
    direct_times.push_back(times[3]);
    flushed_times.push_back(times[4]);
    run_ratios.push_back(times[0] / times[2]);
    quiet_ratios.push_back(times[1] / times[2]);
    price_ratios.push_back(times[2] / times[3]);
    beyond_flush_ratios.push_back(times[2] / times[4]);
  }
  remove_tree(kivo::widen(base));

  std::printf("files: %zu, bytes: %llu, rounds: %d\n", entries.size(), total_bytes(source_base), rounds);
  std::printf("program run with redraw (median):      %8.1f ms\n", median(run_times) * 1000.0);
  std::printf("the run without drawing (median):       %8.1f ms\n", median(quiet_times) * 1000.0);
  std::printf("(a) same operations, bare (median):    %8.1f ms\n", median(through_times) * 1000.0);
  std::printf("(b) CopyFileW only (median):           %8.1f ms\n", median(direct_times) * 1000.0);
  std::printf("(c) CopyFileW and flush (median):      %8.1f ms\n", median(flushed_times) * 1000.0);
  std::printf("ratio run / (a), median of rounds:      %8.2f  (goal: at most 1.10)\n", median(run_ratios));
  std::printf("ratio run without drawing / (a):        %8.2f\n", median(quiet_ratios));
  std::printf("ratio (a) / (b), the safe copy's price: %8.2f\n", median(price_ratios));
  std::printf("ratio (a) / (c), its price beyond flush: %7.2f\n", median(beyond_flush_ratios));
  return 0;
}
