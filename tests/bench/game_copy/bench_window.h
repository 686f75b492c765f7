#pragma once
// A window with the progress window's label and bar, kept current after each
// file by the progress windows' own painter.

#include "app/file_copy_run.h"
#include "app/ui/progress_painter.h"
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
  // As the progress window does when the run returns.
  void flush();

 protected:
  void FormPaint() override;

 private:
  kivo::forms::Label& label1_;
  kivo::forms::Label& label2_;
  kivo::forms::ProgressBar& bar_;
  kivo::ProgressPainter painter_;
};

}  // namespace bench
