#include "bench_window.h"

#include "platform/forms/application.h"

namespace bench {

BenchWindow::BenchWindow()
    : Form({.name = "bench",
            .caption = "game copy bench",
            .left = 229,
            .top = 277,
            .width = 317,
            .height = 138,
            .size_is_client = true,
            .border = kivo::forms::Border::dialog}),
      label1_(add<kivo::forms::Label>(nullptr, "Label1", kivo::forms::Bounds{24, 16, 0, 0}, "copying")),
      label2_(add<kivo::forms::Label>(nullptr, "Label2", kivo::forms::Bounds{24, 40, 293, 13}, " ")),
      bar_(add<kivo::forms::ProgressBar>(nullptr, "ProgressBar1", kivo::forms::Bounds{24, 64, 273, 17})),
      painter_(*this, label2_, bar_) {}

void BenchWindow::show_opening_texts() {
  label2_.set_text(" ");
  invalidate();
}

void BenchWindow::set_bar_range(int maximum) {
  painter_.restart();
  bar_.set_range(0, maximum);
  bar_.set_position(0);
  bar_.set_smooth(true);
}

void BenchWindow::set_bar_position(int position) { painter_.set_position(position); }

void BenchWindow::show_path(const std::string& path) { painter_.show_path(path); }

void BenchWindow::flush() { painter_.flush(); }

void BenchWindow::FormPaint() {
  UpdateWindow(label2_.handle());
  UpdateWindow(bar_.handle());
}

}  // namespace bench
