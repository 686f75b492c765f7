#include "core/ui/progress_painter.h"

#include "platform/forms/application.h"

namespace kivo {

namespace {

constexpr std::chrono::milliseconds kFrame{50};

}  // namespace

void ProgressPainter::show_path(const std::string& path) {
  path_ = path;
  if (std::chrono::steady_clock::now() - last_paint_ >= kFrame) flush();
}

void ProgressPainter::flush() {
  if (path_) label_.set_text(*path_);
  if (position_) bar_.set_position(*position_);
  path_.reset();
  position_.reset();
  // The two controls, and of the window only what a label that changed its
  // size uncovered: repainting the whole window each time costs several times
  // as much.
  label_.invalidate();
  bar_.invalidate();
  RedrawWindow(form_.handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  forms::Application::keep_alive();
  last_paint_ = std::chrono::steady_clock::now();
}

}  // namespace kivo
