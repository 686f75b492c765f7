#pragma once
// What the copy benchmarks share: the copy run without a window, the bare
// loops it is measured against, and the alternating rounds that time them.

#include <functional>
#include <string>
#include <vector>

#include "core/file_copy_run.h"

namespace bench {

// The run's file work alone, without the window.
class QuietView : public kivo::CopyRunView {
 public:
  void show_opening_texts() override {}
  void set_bar_range(int) override {}
  void set_bar_position(int) override {}
  void show_path(const std::string&) override {}
  void request_close() override {}
};

// The program's copy run into `request.destination_base`, with prompts that
// agree to everything and report errors on stderr.
void program_run(const kivo::CopyRunRequest& request, kivo::CopyRunView& view);

// The run's file operations without its checks or its window: existence test,
// parent folders, copy to a temporary name, clear read-only, flush, size
// check, move into place.
void copy_through_temporary(const kivo::CopyRunRequest& request);

// What a copy that does not care about interruptions costs: CopyFileW only;
// with `flush`, also the flush of each copy, the one step of the safe copy
// that waits on the disk.
void copy_directly(const kivo::CopyRunRequest& request, bool flush);

// The bytes of the request's source files.
unsigned long long total_bytes(const kivo::CopyRunRequest& request);

// A new folder below the system's temporary folder.
std::string scratch_folder(const std::string& name);
void remove_tree(const std::string& folder);

struct Contender {
  std::string folder;  // emptied before each copy
  std::function<void()> copy;
};

// Seconds of each contender's copy in each round. One warm-up of each, then
// rounds in turn, each started by a different contender, so that all see the
// same cache and ratios taken within a round do not count the machine's drift
// from round to round as a difference.
std::vector<std::vector<double>> alternate(const std::vector<Contender>& contenders, int rounds);

double median(std::vector<double> values);
// The median over the rounds of times[a] / times[b].
double median_ratio(const std::vector<std::vector<double>>& times, std::size_t a, std::size_t b);

// Reads "<CD root> [rounds]"; rounds default to 15. False after printing the usage.
bool read_arguments(int argc, wchar_t** argv, const char* usage, std::string& cd, int& rounds);

}  // namespace bench
