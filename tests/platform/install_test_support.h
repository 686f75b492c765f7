#pragma once
// What the platform tests of the installation runs share: an environment
// whose program path the test sets (the Windows directory is the real one)
// and a progress view that records what the run told it.

#include <windows.h>

#include <string>

#include "emulator/emulator_install.h"
#include "platform/environment.h"
#include "platform/win32/text.h"

namespace kivo::install_test {

class ProgramEnvironment : public Environment {
 public:
  std::string program;
  std::string program_path() override { return program; }
  std::string windows_directory() override {
    wchar_t buffer[MAX_PATH] = {};
    GetWindowsDirectoryW(buffer, MAX_PATH);
    return narrow(buffer);
  }
};

class RecordingView : public EmulatorProgressView {
 public:
  int position = 0;
  bool finished = false;
  bool closed = false;
  void show_opening_texts() override {}
  void set_bar_range(int) override {}
  void set_bar_position(int p) override { position = p; }
  void show_path(const std::string&) override {}
  void request_close() override { closed = true; }
  void show_finish_texts() override { finished = true; }
};

}  // namespace kivo::install_test
