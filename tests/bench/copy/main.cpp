// Benchmark, not a test: the program's two copy runs against bare loops over
// the same files of a CD, in one process, alternating rounds so that all see
// the same cache. The emulator's eight files: its run against CopyFileW alone,
// with and without a flush of each copy. The game's 410 files: its run as the
// progress window performs it (folder check, per-file existence test, copy to
// a temporary name, flush, size check, move into place, the window kept
// current on screen) against
//   (a) the same file operations without checks or window,
//   (b) CopyFileW alone, which may leave a damaged file under its final name,
//   (c) CopyFileW and a flush of each copy: what (a) adds beyond the flush.
//
//   copy_bench <CD root, the folder holding tools\ and kivo\> [rounds]

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/ui/system_services.h"
#include "core/file_copy_run.h"
#include "fake_prompts.h"
#include "file_tables.h"
#include "game/ui/progress2.h"
#include "platform/forms/application.h"
#include "platform/path_parts.h"
#include "scratch_folder.h"

namespace {

using kivo::CopyRunRequest;

// The run's file work alone, without the window.
class QuietView : public kivo::CopyRunView {
 public:
  void show_opening_texts() override {}
  void set_bar_range(int) override {}
  void set_bar_position(int) override {}
  void show_path(const std::string&) override {}
  void request_close() override {}
};

// The game's own progress window, hosting the run the benchmark times instead
// of an installation of its own.
class BenchWindow : public kivo::Tprogress2 {
 public:
  explicit BenchWindow(kivo::Services& services) : Tprogress2(services, no_folder_, no_drive_) {}
  kivo::CopyRunView& view() { return *this; }
  // As the window does when the run returns.
  void flush() { bring_up_to_date(); }

 private:
  void run_installation() override {}
  inline static const std::string no_folder_;
  inline static char no_drive_ = 0;
};

// The program's copy run, agreeing to every question.
void program_run(const CopyRunRequest& request, kivo::CopyRunView& view) {
  kivo::Win32FileSystem fs;
  kivo::fake::FakePrompts prompts;
  prompts.unscripted_answer = true;
  if (kivo::run_file_copy(request, fs, prompts, view) != kivo::CopyRunOutcome::finished)
    std::fprintf(stderr, "run stopped\n");
  for (const auto& box : prompts.asked())
    if (box.kind == kivo::fake::BoxKind::error) std::fprintf(stderr, "error: %s\n", box.text.c_str());
}

ULONGLONG size_of(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return ~0ULL;
  return (ULONGLONG{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
}

void complain(const char* what, const std::wstring& path) {
  std::fprintf(stderr, "%s failed (%lu): %s\n", what, GetLastError(), kivo::narrow(path).c_str());
}

void create_parents(const std::wstring& path) {
  const auto last = path.find_last_of(L'\\');
  if (last == std::wstring::npos || last < 3) return;
  const std::wstring parent = path.substr(0, last);
  if (GetFileAttributesW(parent.c_str()) != INVALID_FILE_ATTRIBUTES) return;
  create_parents(parent);
  CreateDirectoryW(parent.c_str(), nullptr);
}

void flush(const std::wstring& path) {
  const kivo::unique_file_handle file(
      CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
  if (!file || !FlushFileBuffers(file.get())) complain("FlushFileBuffers", path);
}

template <typename Copy>
void for_each_file(const CopyRunRequest& request, Copy copy) {
  for (const std::string_view entry : request.entries)
    copy(kivo::widen(request.source_base + std::string(entry)),
         kivo::widen(request.destination_base + request.destination_suffix(entry)));
}

// The run's file operations without its checks or its window: existence test,
// parent folders, copy to a temporary name, clear read-only, flush, size
// check, move into place.
void copy_through_temporary(const CopyRunRequest& request) {
  for_each_file(request, [](const std::wstring& from, const std::wstring& to) {
    if (GetFileAttributesW(to.c_str()) != INVALID_FILE_ATTRIBUTES) return;
    create_parents(to);
    const std::wstring temporary = to.substr(0, to.find_last_of(L'\\') + 1) + L"~k68cpy.tmp";
    if (!CopyFileW(from.c_str(), temporary.c_str(), FALSE)) complain("CopyFileW", temporary);
    const DWORD attributes = GetFileAttributesW(temporary.c_str());
    if (attributes & FILE_ATTRIBUTE_READONLY)
      SetFileAttributesW(temporary.c_str(), attributes & ~DWORD{FILE_ATTRIBUTE_READONLY});
    flush(temporary);
    if (size_of(from) != size_of(temporary)) complain("size check", temporary);
    if (!MoveFileExW(temporary.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH)) complain("MoveFileExW", to);
  });
}

// What a copy that does not care about interruptions costs: CopyFileW only;
// with `flushed`, also the flush of each copy, the one step of the safe copy
// that waits on the disk.
void copy_directly(const CopyRunRequest& request, bool flushed) {
  for_each_file(request, [flushed](const std::wstring& from, const std::wstring& to) {
    create_parents(to);
    if (!CopyFileW(from.c_str(), to.c_str(), FALSE)) complain("CopyFileW", to);
    if (!flushed) return;
    SetFileAttributesW(to.c_str(), FILE_ATTRIBUTE_ARCHIVE);
    flush(to);
  });
}

unsigned long long total_bytes(const CopyRunRequest& request) {
  unsigned long long bytes = 0;
  for_each_file(request, [&bytes](const std::wstring& from, const std::wstring&) { bytes += size_of(from); });
  return bytes;
}

struct Contender {
  std::string folder;  // emptied before each copy
  std::function<void()> copy;
};

// Seconds of each contender's copy in each round. One warm-up of each, then
// rounds in turn, each started by a different contender, so that all see the
// same cache and ratios taken within a round do not count the machine's drift
// from round to round as a difference.
std::vector<std::vector<double>> alternate(const std::vector<Contender>& contenders, int rounds) {
  const auto timed = [](const Contender& contender) {
    kivo::scratch::remove_tree(contender.folder);
    const auto start = std::chrono::steady_clock::now();
    contender.copy();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  };
  for (const Contender& contender : contenders) timed(contender);
  std::vector<std::vector<double>> times(contenders.size());
  for (int round = 0; round < rounds; ++round)
    for (std::size_t k = 0; k < contenders.size(); ++k) {
      const std::size_t which = (round + k) % contenders.size();
      times[which].push_back(timed(contenders[which]));
    }
  return times;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

double median_ratio(const std::vector<std::vector<double>>& times, std::size_t a, std::size_t b) {
  std::vector<double> ratios;
  for (std::size_t round = 0; round < times[a].size(); ++round)
    ratios.push_back(times[a][round] / times[b][round]);
  return median(ratios);
}

void emulator_run(const std::string& cd, const std::string& base, int rounds) {
  const auto request = [&](const char* folder) {
    return CopyRunRequest{kivo::emulator_file_list(), cd + "\\tools", base + "\\" + folder + "\\",
                          kivo::flattened_name};
  };
  QuietView view;
  const auto times = alternate({{base + "\\run", [&] { program_run(request("run"), view); }},
                                {base + "\\bare", [&] { copy_directly(request("bare"), false); }},
                                {base + "\\flushed", [&] { copy_directly(request("flushed"), true); }}},
                               rounds);
  std::printf("emulator: files: %zu, bytes: %llu, rounds: %d\n", kivo::emulator_file_list().size(),
              total_bytes(request("")), rounds);
  std::printf("copy run (median):             %8.1f ms\n", median(times[0]) * 1000.0);
  std::printf("bare CopyFileW (median):       %8.1f ms\n", median(times[1]) * 1000.0);
  std::printf("bare CopyFileW + flush:        %8.1f ms\n", median(times[2]) * 1000.0);
  std::printf("ratio copy run / bare:         %8.2f\n", median_ratio(times, 0, 1));
  std::printf("ratio copy run / bare + flush: %8.2f\n\n", median_ratio(times, 0, 2));
}

void game_run(const std::string& cd, const std::string& base, int rounds) {
  // The window needs the program's services; it opens no other window.
  kivo::SystemServices system;
  BenchWindow window(system.services);
  window.show();
  const auto request = [&](const char* folder) {
    return CopyRunRequest{kivo::game_file_table(), cd + "\\kivo", base + "\\" + folder,
                          kivo::entry_unchanged};
  };
  QuietView quiet_view;
  const auto times = alternate({{base + "\\run",
                                 [&] {
                                   program_run(request("run"), window.view());
                                   window.flush();
                                 }},
                                {base + "\\quiet", [&] { program_run(request("quiet"), quiet_view); }},
                                {base + "\\through", [&] { copy_through_temporary(request("through")); }},
                                {base + "\\direct", [&] { copy_directly(request("direct"), false); }},
                                {base + "\\flushed", [&] { copy_directly(request("flushed"), true); }}},
                               rounds);
  std::printf("game: files: %zu, bytes: %llu, rounds: %d\n", kivo::game_file_table().size(),
              total_bytes(request("")), rounds);
  std::printf("program run with redraw (median):      %8.1f ms\n", median(times[0]) * 1000.0);
  std::printf("the run without drawing (median):       %8.1f ms\n", median(times[1]) * 1000.0);
  std::printf("(a) same operations, bare (median):    %8.1f ms\n", median(times[2]) * 1000.0);
  std::printf("(b) CopyFileW only (median):           %8.1f ms\n", median(times[3]) * 1000.0);
  std::printf("(c) CopyFileW and flush (median):      %8.1f ms\n", median(times[4]) * 1000.0);
  std::printf("ratio run / (a), median of rounds:      %8.2f  (goal: at most 1.10)\n",
              median_ratio(times, 0, 2));
  std::printf("ratio run without drawing / (a):        %8.2f\n", median_ratio(times, 1, 2));
  std::printf("ratio (a) / (b), the safe copy's price: %8.2f\n", median_ratio(times, 2, 3));
  std::printf("ratio (a) / (c), its price beyond flush: %7.2f\n", median_ratio(times, 2, 4));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: copy_bench <CD root> [rounds]\n");
    return 2;
  }
  const std::string cd = kivo::narrow(argv[1]);
  const int rounds = argc > 2 ? std::max(1, _wtoi(argv[2])) : 15;
  kivo::forms::Application::initialize(GetModuleHandleW(nullptr));
  const kivo::scratch::ScratchFolder base;
  emulator_run(cd, base.path(), rounds);
  game_run(cd, base.path(), rounds);
  return 0;
}
