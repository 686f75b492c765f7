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

#include <cstdio>

#include "app/ui/system_services.h"
#include "bench_support.h"
#include "file_tables.h"
#include "game/ui/progress2.h"
#include "platform/forms/application.h"
#include "platform/path_parts.h"

namespace {

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

void emulator_run(const std::string& cd, const std::string& base, int rounds) {
  const auto request = [&](const char* folder) {
    return kivo::CopyRunRequest{kivo::emulator_file_list(), cd + "\\tools", base + "\\" + folder + "\\",
                                kivo::flattened_name};
  };
  bench::QuietView view;
  const auto times =
      bench::alternate({{base + "\\run", [&] { bench::program_run(request("run"), view); }},
                        {base + "\\bare", [&] { bench::copy_directly(request("bare"), false); }},
                        {base + "\\flushed", [&] { bench::copy_directly(request("flushed"), true); }}},
                       rounds);
  std::printf("emulator: files: %zu, bytes: %llu, rounds: %d\n", kivo::emulator_file_list().size(),
              bench::total_bytes(request("")), rounds);
  std::printf("copy run (median):             %8.1f ms\n", bench::median(times[0]) * 1000.0);
  std::printf("bare CopyFileW (median):       %8.1f ms\n", bench::median(times[1]) * 1000.0);
  std::printf("bare CopyFileW + flush:        %8.1f ms\n", bench::median(times[2]) * 1000.0);
  std::printf("ratio copy run / bare:         %8.2f\n", bench::median_ratio(times, 0, 1));
  std::printf("ratio copy run / bare + flush: %8.2f\n\n", bench::median_ratio(times, 0, 2));
}

void game_run(const std::string& cd, const std::string& base, int rounds) {
  // The window needs the program's services; it opens no other window.
  kivo::SystemServices system;
  BenchWindow window(system.services);
  window.show();
  const auto request = [&](const char* folder) {
    return kivo::CopyRunRequest{kivo::game_file_table(), cd + "\\kivo", base + "\\" + folder,
                                kivo::entry_unchanged};
  };
  bench::QuietView quiet_view;
  const auto times =
      bench::alternate({{base + "\\run",
                         [&] {
                           bench::program_run(request("run"), window.view());
                           window.flush();
                         }},
                        {base + "\\quiet", [&] { bench::program_run(request("quiet"), quiet_view); }},
                        {base + "\\through", [&] { bench::copy_through_temporary(request("through")); }},
                        {base + "\\direct", [&] { bench::copy_directly(request("direct"), false); }},
                        {base + "\\flushed", [&] { bench::copy_directly(request("flushed"), true); }}},
                       rounds);

  using bench::median;
  using bench::median_ratio;
  std::printf("game: files: %zu, bytes: %llu, rounds: %d\n", kivo::game_file_table().size(),
              bench::total_bytes(request("")), rounds);
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
  std::string cd;
  int rounds = 0;
  if (!bench::read_arguments(argc, argv, "copy_bench <CD root> [rounds]", cd, rounds)) return 2;
  kivo::forms::Application::initialize(GetModuleHandleW(nullptr));
  const std::string base = bench::scratch_folder("kivo_copy_bench");
  emulator_run(cd, base, rounds);
  game_run(cd, base, rounds);
  bench::remove_tree(base);
  return 0;
}
