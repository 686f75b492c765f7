#pragma once
// What the copy benchmarks share: prompts that agree to everything and report
// errors on stderr, a view that draws nothing, and the median of a series.

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "core/file_copy_run.h"
#include "platform/prompts.h"

namespace bench {

class SilentPrompts : public kivo::Prompts {
 public:
  bool confirm(const std::string&) override { return true; }
  void error(const std::string& text) override { std::fprintf(stderr, "error: %s\n", text.c_str()); }
  void warning(const std::string&) override {}
  void information(const std::string&) override {}
  void plain(const std::string&) override {}
};

// The run's file work alone, without the window.
class QuietView : public kivo::CopyRunView {
 public:
  void show_opening_texts() override {}
  void set_bar_range(int) override {}
  void set_bar_position(int) override {}
  void show_path(const std::string&) override {}
  void request_close() override {}
};

inline double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace bench
