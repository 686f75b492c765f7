#include "core/ui/copy_progress_form.h"

#include "core/core_messages.h"

namespace kivo {

namespace {

constexpr const char* kCopying = "ファイルをコピー中です。しばらくお待ち下さい。";
constexpr const char* kCancel = "キャンセル";

// Lowered again however the window ends.
class RaisedWhileInScope {
 public:
  explicit RaisedWhileInScope(bool& flag) : flag_(flag) { flag_ = true; }
  RaisedWhileInScope(const RaisedWhileInScope&) = delete;
  RaisedWhileInScope& operator=(const RaisedWhileInScope&) = delete;
  ~RaisedWhileInScope() { flag_ = false; }

 private:
  bool& flag_;
};

}  // namespace

CopyProgressForm::CopyProgressForm(Services& services, CopyProgressLayout layout)
    : Form(std::move(layout.window)),
      Label1(add<forms::Label>(nullptr, "Label1", forms::Bounds{24, 16, 0, 0}, kCopying)),
      Label2(add<forms::Label>(nullptr, "Label2", layout.path_label, layout.path_label_text)),
      ProgressBar1(add<forms::ProgressBar>(nullptr, "ProgressBar1", forms::Bounds{24, 64, 273, 17})),
      Button1(add<forms::Button>(nullptr, "Button1", layout.button, kCancel, 0)),
      services_(services),
      painter_(*this, Label2, ProgressBar1),
      prompts_(services.prompts, [this] { painter_.flush(); }) {
  close_message_window();
  ProgressBar1.set_range(0, 100);
  Button1.OnClick = [this] { Button1Click(); };
}

void CopyProgressForm::show_with_run() {
  const RaisedWhileInScope request(run_requested_);
  show_modal();
}

void CopyProgressForm::FormActivate() {
  Button1.set_text(kCancel);
  finished_ = false;
  if (!run_requested_) return;
  running_ = true;
  pressed_while_running_ = false;
  close_requested_ = false;
  try {
    run_installation();
  } catch (...) {
    // The error box comes next; the window stays open, not finished, and a
    // press made meanwhile is dropped.
    running_ = false;
    pressed_while_running_ = false;
    painter_.flush();
    throw;
  }
  running_ = false;
  painter_.flush();
  service_deferred_press();
}

// A press that reached the button while a box of the run had the message loop
// is taken up now, with the finished flag as it stands after the run; a run
// that asked for the window to close has already said why.
void CopyProgressForm::service_deferred_press() {
  const bool pressed = pressed_while_running_;
  pressed_while_running_ = false;
  if (pressed && !close_requested_) Button1Click();
}

void CopyProgressForm::FormPaint() {
  UpdateWindow(Label2.handle());
  UpdateWindow(ProgressBar1.handle());
}

void CopyProgressForm::Button1Click() {
  if (running_) {
    pressed_while_running_ = true;
    return;
  }
  if (!finished_) services_.prompts.warning(kInstallationInterrupted);
  close();
}

void CopyProgressForm::show_finished() {
  // What the run left to paint would otherwise overwrite the end's texts.
  painter_.flush();
  Label1.set_text("インストールが終了しました。");
  Button1.set_text("OK");
  finished_ = true;
}

void CopyProgressForm::show_opening_texts() {
  Label1.set_text(kCopying);
  Label2.set_text(" ");
  invalidate();
}

void CopyProgressForm::set_bar_range(int maximum) {
  painter_.restart();
  ProgressBar1.set_range(0, maximum);
  ProgressBar1.set_position(0);
  ProgressBar1.set_smooth(true);
}

void CopyProgressForm::set_bar_position(int position) { painter_.set_position(position); }

void CopyProgressForm::show_path(const std::string& path) { painter_.show_path(path); }

void CopyProgressForm::request_close() {
  close_requested_ = true;
  post_close();
}

}  // namespace kivo
