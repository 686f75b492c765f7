#pragma once
// The game copy progress window. It runs the whole installation inside its
// activation when foldersel3 has raised the request; the run redraws it after
// each file and its button is serviced only once the run has returned.

#include "app/file_copy_run.h"
#include "app/ui/app_context.h"
#include "game/ui/progress_redraw.h"
#include "platform/forms/form.h"

namespace kivo {

class Tprogress2 : public forms::Form, private CopyRunView {
 public:
  explicit Tprogress2(AppContext& context);

  bool finished() const { return finished_; }

  forms::Label& Label1;
  forms::Label& Label2;
  forms::ProgressBar& ProgressBar1;
  forms::Button& Button1;

 protected:
  void FormActivate() override;
  void FormPaint() override;

 private:
  void FormCreate();
  void Button1Click();
  void RunInstallation();
  void ServiceDeferredPress();
  void ShowFinished();
  // Shows winsasi2 over this window and returns the drive it answered.
  char AskDrive();
  void ComeBackOnTop();

  // CopyRunView
  void show_opening_texts() override;
  void set_bar_range(int maximum) override;
  void set_bar_position(int position) override;
  void show_path(const std::string& path) override;
  void request_close() override;

  AppContext& context_;
  ProgressPainter painter_;
  bool finished_ = false;
  bool running_ = false;
  bool pressed_while_running_ = false;
  bool close_requested_ = false;
};

}  // namespace kivo
