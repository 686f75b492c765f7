#pragma once
// The subsystems' tests start on a machine with drive C: and C:\WINDOWS; the
// program runs as Q:\kivo68i.exe. Their progress window records what a run
// shows, in order.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/file_copy_run.h"
#include "fake_services.h"

namespace kivo::testing_support {

class SubsystemTest : public ::testing::Test, protected fake::FakeServices {
 protected:
  SubsystemTest() { fs.add_directory("C:\\WINDOWS"); }
};

class RecordingCopyView : public CopyRunView {
 public:
  std::vector<std::string> events;

  void show_opening_texts() override { events.push_back("opening"); }
  void set_bar_range(int maximum) override { events.push_back("range " + std::to_string(maximum)); }
  void set_bar_position(int) override {}
  void show_path(const std::string& shown) override { events.push_back(shown); }
  void request_close() override { events.push_back("close"); }
};

}  // namespace kivo::testing_support
