#pragma once
// Keeps a progress window's path label and bar current while a run holds the
// message loop. The run hands over every path and position; they reach the
// controls and the screen at most twenty times a second, since setting and
// painting a control costs more than copying a small file and a path shown
// for less than that cannot be read anyway. `flush` puts the latest of them
// on screen at once: before any box the run shows, so the box is seen over
// the file it is about, and when the run returns.

#include <chrono>
#include <optional>
#include <string>

#include "platform/forms/control.h"
#include "platform/forms/form.h"

namespace kivo {

class ProgressPainter {
 public:
  ProgressPainter(forms::Form& form, forms::Label& label, forms::ProgressBar& bar)
      : form_(form), label_(label), bar_(bar) {}

  // Forgets what an earlier run left unpainted; the next path is painted at once.
  void restart() {
    path_.reset();
    position_.reset();
    last_paint_ = {};
  }
  void set_position(int position) { position_ = position; }
  // Per file: paints when the last paint is a frame old and lets the system
  // see that the program is alive; no input is handled.
  void show_path(const std::string& path);
  void flush();

 private:
  forms::Form& form_;
  forms::Label& label_;
  forms::ProgressBar& bar_;
  std::optional<std::string> path_;
  std::optional<int> position_;
  std::chrono::steady_clock::time_point last_paint_{};
};

}  // namespace kivo
