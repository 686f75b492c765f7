// Benchmark, not a test: the emulator's copy run (folder check, per-file
// existence test, copy to a temporary name, flush, size check, rename) against a bare loop of CopyFileW over
// the same eight files of a CD, in the same process, alternating rounds so both see the same cache.
//
//   emulator_copy_bench <CD root, the folder holding tools\> [rounds]

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "bench_support.h"
#include "core/file_copy_run.h"
#include "file_tables.h"
#include "platform/path_parts.h"
#include "platform/win32/text.h"
#include "platform/win32/win32_file_system.h"

namespace {

using bench::median;
using bench::QuietView;
using bench::SilentPrompts;

using Clock = std::chrono::steady_clock;

void remove_files(const std::string& folder) {
  for (const auto entry : kivo::emulator_file_list())
    DeleteFileW(kivo::widen(folder + "\\" + kivo::flattened_name(entry)).c_str());
  RemoveDirectoryW(kivo::widen(folder).c_str());
}

double run_once(const std::string& cd, const std::string& folder) {
  kivo::Win32FileSystem fs;
  SilentPrompts prompts;
  QuietView view;
  const kivo::CopyRunRequest request{kivo::emulator_file_list(), cd + "\\tools", folder + "\\",
                                     kivo::flattened_name};
  const auto start = Clock::now();
  const auto outcome = kivo::run_file_copy(request, fs, prompts, view);
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  if (outcome != kivo::CopyRunOutcome::finished) std::fprintf(stderr, "run stopped\n");
  return seconds;
}

// A bare loop of CopyFileW; with `flush`, also the flush that the run does
// for each file, to show what the flush costs.
double bare_once(const std::string& cd, const std::string& folder, bool flush) {
  const auto start = Clock::now();
  CreateDirectoryW(kivo::widen(folder).c_str(), nullptr);
  for (const auto entry : kivo::emulator_file_list()) {
    const std::wstring from = kivo::widen(cd + "\\tools" + std::string(entry));
    const std::wstring to = kivo::widen(folder + "\\" + kivo::flattened_name(entry));
    if (!CopyFileW(from.c_str(), to.c_str(), FALSE)) std::fprintf(stderr, "CopyFileW failed\n");
    SetFileAttributesW(to.c_str(), FILE_ATTRIBUTE_ARCHIVE);
    if (!flush) continue;
    const HANDLE file =
        CreateFileW(to.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      FlushFileBuffers(file);
      CloseHandle(file);
    }
  }
  return std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: emulator_copy_bench <CD root> [rounds]\n");
    return 2;
  }
  const std::string cd = kivo::narrow(argv[1]);
  const int rounds = argc > 2 ? std::max(1, _wtoi(argv[2])) : 15;
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const std::string base = kivo::narrow(temp) + "kivo_bench_" + std::to_string(GetCurrentProcessId());
  const std::string run_folder = base + "_run";
  const std::string bare_folder = base + "_bare";
  const std::string flushed_folder = base + "_flushed";

  std::uint64_t bytes = 0;
  for (const auto entry : kivo::emulator_file_list()) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    GetFileAttributesExW(kivo::widen(cd + "\\tools" + std::string(entry)).c_str(), GetFileExInfoStandard,
                         &data);
    bytes += (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
  }

  // One warm-up of each, then alternate so neither profits from the other's cache.
  remove_files(run_folder);
  remove_files(bare_folder);
  remove_files(flushed_folder);
  run_once(cd, run_folder);
  bare_once(cd, bare_folder, false);
  bare_once(cd, flushed_folder, true);
  std::vector<double> run_times;
  std::vector<double> bare_times;
  std::vector<double> flushed_times;
  for (int i = 0; i < rounds; ++i) {
    remove_files(run_folder);
    run_times.push_back(run_once(cd, run_folder));
    remove_files(bare_folder);
    bare_times.push_back(bare_once(cd, bare_folder, false));
    remove_files(flushed_folder);
    flushed_times.push_back(bare_once(cd, flushed_folder, true));
  }
  remove_files(run_folder);
  remove_files(bare_folder);
  remove_files(flushed_folder);

  const double run_median = median(run_times);
  const double bare_median = median(bare_times);
  std::printf("files: 8, bytes: %llu, rounds: %d\n", static_cast<unsigned long long>(bytes), rounds);
  std::printf("copy run (median):        %.3f ms\n", run_median * 1000.0);
  std::printf("bare CopyFileW (median):  %.3f ms\n", bare_median * 1000.0);
  std::printf("bare CopyFileW + flush:    %.3f ms\n", median(flushed_times) * 1000.0);
  std::printf("ratio copy run / bare:    %.2f\n", run_median / bare_median);
  std::printf("ratio copy run / bare + flush: %.2f\n", run_median / median(flushed_times));
  return 0;
}
