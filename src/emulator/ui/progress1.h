#pragma once
// The emulator copy progress window. It runs the whole installation inside
// its activation when foldersel1 has raised the request; the run redraws it
// after each file and its button is serviced only once the run has returned.

#include "app/ui/app_context.h"
#include "emulator/emulator_install.h"
#include "platform/forms/form.h"

namespace kivo {

class Tprogress1 : public forms::Form, private EmulatorProgressView {
 public:
  explicit Tprogress1(AppContext& context);

  bool finished() const { return finished_; }

  forms::Label& Label1;
  forms::Label& Label2;
  forms::Label& Label3;
  forms::ProgressBar& ProgressBar1;
  forms::Button& Button1;

 protected:
  void FormActivate() override;
  void FormPaint() override;

 private:
  void FormCreate();
  void Button1Click();
  void ServiceDeferredPress();

  // EmulatorProgressView
  void show_opening_texts() override;
  void set_bar_range(int maximum) override;
  void set_bar_position(int position) override;
  void show_path(const std::string& path) override;
  void request_close() override;
  void show_finish_texts() override;

  AppContext& context_;
  bool finished_ = false;
  bool running_ = false;
  bool pressed_while_running_ = false;
  bool close_requested_ = false;
};

}  // namespace kivo
