#include "game/ui/progress_redraw.h"

#include "platform/forms/application.h"
#include "platform/win32/text.h"

namespace kivo {

namespace {

constexpr std::chrono::milliseconds kFrame{50};

}  // namespace

void ProgressPainter::show(forms::Label& label, forms::ProgressBar& bar, const std::string& text) {
  // The label has a fixed width: sizing it to every path would cost a window
  // move per file.
  SetWindowTextW(label.handle(), widen(text).c_str());
  const auto now = std::chrono::steady_clock::now();
  if (now - last_paint_ >= kFrame) {
    // The two controls alone: painting the window's own background with them
    // costs several times as much, and the label's fixed box leaves nothing
    // of it to repaint.
    for (const HWND control : {label.handle(), bar.handle()})
      RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    last_paint_ = now;
  }
  forms::Application::keep_alive();
}

void paint_pending(forms::Label& label, forms::ProgressBar& bar) {
  UpdateWindow(label.handle());
  UpdateWindow(bar.handle());
}

}  // namespace kivo
