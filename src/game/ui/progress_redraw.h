#pragma once
// The per-file redraw of a progress window. The label takes every path and the
// bar every position at once; the two are painted synchronously, but at most
// twenty times a second: a paint costs more than copying a small file, and a
// path shown for less than that cannot be read anyway. Whatever was not yet
// painted is painted by the next paint, by the next box the run shows (its
// message loop paints the window first) or when the run returns.

#include <chrono>
#include <string>

#include "platform/forms/control.h"

namespace kivo {

class ProgressPainter {
 public:
  void show(forms::Label& label, forms::ProgressBar& bar, const std::string& text);
  // The next show paints at once.
  void restart() { last_paint_ = {}; }

 private:
  std::chrono::steady_clock::time_point last_paint_{};
};

// For the paint handler: paints the label and the bar where they are not yet
// up to date, without invalidating them again.
void paint_pending(forms::Label& label, forms::ProgressBar& bar);

}  // namespace kivo
