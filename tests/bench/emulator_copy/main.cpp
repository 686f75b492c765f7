// Benchmark, not a test: the emulator's copy run (folder check, per-file
// existence test, copy to a temporary name, flush, size check, rename) against
// a bare loop of CopyFileW over the same eight files of a CD, with and without
// a flush of each copy, in the same process, alternating rounds so that all
// see the same cache.
//
//   emulator_copy_bench <CD root, the folder holding tools\> [rounds]

#include <cstdio>

#include "bench_support.h"
#include "file_tables.h"
#include "platform/path_parts.h"

int wmain(int argc, wchar_t** argv) {
  std::string cd;
  int rounds = 0;
  if (!bench::read_arguments(argc, argv, "emulator_copy_bench <CD root> [rounds]", cd, rounds)) return 2;
  const std::string base = bench::scratch_folder("kivo_bench");
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
  bench::remove_tree(base);

  std::printf("files: %zu, bytes: %llu, rounds: %d\n", kivo::emulator_file_list().size(),
              bench::total_bytes(request("")), rounds);
  std::printf("copy run (median):        %.3f ms\n", bench::median(times[0]) * 1000.0);
  std::printf("bare CopyFileW (median):  %.3f ms\n", bench::median(times[1]) * 1000.0);
  std::printf("bare CopyFileW + flush:    %.3f ms\n", bench::median(times[2]) * 1000.0);
  std::printf("ratio copy run / bare:    %.2f\n", bench::median_ratio(times, 0, 1));
  std::printf("ratio copy run / bare + flush: %.2f\n", bench::median_ratio(times, 0, 2));
  return 0;
}
