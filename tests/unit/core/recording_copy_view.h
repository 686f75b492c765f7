#pragma once
// A progress window for host tests: records what the run shows, in order.

#include <string>
#include <vector>

#include "core/file_copy_run.h"

namespace kivo::testing_support {

class RecordingCopyView : public CopyRunView {
 public:
  std::vector<std::string> events;
  int bar_position = -1;
  bool close_requested = false;

  void show_opening_texts() override { events.push_back("opening"); }
  void set_bar_range(int maximum) override {
    bar_position = 0;
    events.push_back("range " + std::to_string(maximum));
  }
  void set_bar_position(int position) override { bar_position = position; }
  void show_path(const std::string& shown) override {
    events.push_back(std::to_string(bar_position) + " " + shown);
  }
  void request_close() override {
    close_requested = true;
    events.push_back("close");
  }
};

}  // namespace kivo::testing_support
