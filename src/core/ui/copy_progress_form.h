#pragma once
// What the two copy progress windows share: a headline, the path of the file
// in hand, the bar and one button. The whole installation runs inside the
// activation when the destination dialog has asked for it (show_with_run); the window is kept
// current file by file, and a press of the button made while the run holds
// the message loop (during one of its boxes) is taken up once it has returned.

#include <string>

#include "core/file_copy_run.h"
#include "core/services.h"
#include "core/ui/progress_painter.h"
#include "core/ui/prompts_with_step_before.h"
#include "platform/forms/form.h"

namespace kivo {

struct CopyProgressLayout {
  forms::FormSpec window;
  forms::Bounds path_label;  // Label2
  const char* path_label_text;
  forms::Bounds button;  // Button1
};

class CopyProgressForm : public forms::Form, protected CopyRunView {
 public:
  bool finished() const { return finished_; }
  // Shows the window modally with the run requested: the installation runs
  // on its activation. Returns when the window has closed, however it ended.
  void show_with_run();

  forms::Label& Label1;
  forms::Label& Label2;
  forms::ProgressBar& ProgressBar1;
  forms::Button& Button1;

 protected:
  CopyProgressForm(Services& services, CopyProgressLayout layout);

  // The installation, on run_services().
  virtual void run_installation() = 0;

  // The program's services, but boxes that first bring this window up to date.
  Services run_services() {
    const Services& s = services_;
    return {s.files, s.profiles, s.registry, s.shell, prompts_, s.environment, s.drives};
  }
  // Puts the latest path and position on screen now, before a window of the
  // run opens over this one.
  void bring_up_to_date() { painter_.flush(); }
  // "インストールが終了しました。", the button turned to "OK", the window finished.
  void show_finished();

  // CopyRunView
  void show_opening_texts() override;
  void set_bar_range(int maximum) override;
  void set_bar_position(int position) override;
  void show_path(const std::string& path) override;
  void request_close() override;

  Services& services_;

 private:
  void FormActivate() final;
  void FormPaint() final;
  void Button1Click();
  void service_deferred_press();

  ProgressPainter painter_;
  PromptsWithStepBefore prompts_;
  bool run_requested_ = false;
  bool finished_ = false;
  bool running_ = false;
  bool pressed_while_running_ = false;
  bool close_requested_ = false;
};

}  // namespace kivo
