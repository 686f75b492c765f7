#pragma once
// A window with the progress window's label and bar, redrawn after each file
// exactly as the game's progress window is: label text, bar position, a
// synchronous repaint of the form and its controls, and the keep-alive peek.

#include "app/file_copy_run.h"
#include "game/ui/progress_redraw.h"
#include "platform/forms/form.h"

namespace bench {

class BenchWindow : public kivo::forms::Form, public kivo::CopyRunView {
 public:
  BenchWindow();

  void show_opening_texts() override;
  void set_bar_range(int maximum) override;
  void set_bar_position(int position) override;
  void show_path(const std::string& path) override;
  void request_close() override {}

 protected:
  void FormPaint() override;

 private:
  kivo::forms::Label& label1_;
  kivo::forms::Label& label2_;
  kivo::forms::ProgressBar& bar_;
  kivo::ProgressPainter painter_;
};

}  // namespace bench
