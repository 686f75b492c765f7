#include "emulator/ui/progress1.h"

#include "app/ui/windows.h"
#include "emulator/ui/foldersel1.h"
#include "platform/forms/application.h"

namespace kivo {

namespace {

constexpr const char* kCopying = "ファイルをコピー中です。しばらくお待ち下さい。";
constexpr const char* kCancel = "キャンセル";

}  // namespace

Tprogress1::Tprogress1(AppContext& context)
    : Form({.name = "progress1",
            .caption = "kivo68i / WinX68kインストール中",
            .left = 251,
            .top = 368,
            .width = 316,
            .height = 131,
            .size_is_client = true,
            .border = forms::Border::dialog}),
      Label1(add<forms::Label>(nullptr, "Label1", forms::Bounds{24, 16, 0, 0}, kCopying)),
      Label2(add<forms::Label>(nullptr, "Label2", forms::Bounds{26, 32, 0, 0}, ".")),
      Label3(add<forms::Label>(nullptr, "Label3", forms::Bounds{26, 48, 0, 0}, ".")),
      ProgressBar1(add<forms::ProgressBar>(nullptr, "ProgressBar1", forms::Bounds{24, 64, 273, 17})),
      Button1(add<forms::Button>(nullptr, "Button1", forms::Bounds{120, 96, 81, 25}, kCancel, 0)),
      context_(context) {
  close_message_window();
  ProgressBar1.set_range(0, 100);
  Button1.OnClick = [this] { Button1Click(); };
  FormCreate();
}

void Tprogress1::FormCreate() {
  Button1.set_text(kCancel);
  finished_ = false;
}

void Tprogress1::FormActivate() {
  Button1.set_text(kCancel);
  finished_ = false;
  if (!context_.windows.foldersel1->EmulatorCopyRequested()) return;
  const Services& services = context_.services;
  running_ = true;
  pressed_while_running_ = false;
  close_requested_ = false;
  try {
    run_emulator_install(context_.shared.Win68instFolder,
                         EmulatorInstallServices{services.files, services.prompts, services.profiles,
                                                 services.shell, services.environment},
                         *this);
  } catch (...) {
    // The error box comes next; the window stays open for a fresh press.
    running_ = false;
    pressed_while_running_ = false;
    throw;
  }
  running_ = false;
  ServiceDeferredPress();
}

// A press that reached the button while a message box of the run had the
// message loop is taken up now, with the finished flag as it stands after the
// run; a run that asked for the window to close has already said why.
void Tprogress1::ServiceDeferredPress() {
  const bool pressed = pressed_while_running_;
  pressed_while_running_ = false;
  if (pressed && !close_requested_) Button1Click();
}

void Tprogress1::FormPaint() {
  Label2.repaint();
  ProgressBar1.repaint();
}

void Tprogress1::Button1Click() {
  if (running_) {
    pressed_while_running_ = true;
    return;
  }
  if (!finished_) context_.services.prompts.warning("インストールを中断します。");
  close();
}

void Tprogress1::show_opening_texts() {
  Label1.set_text(kCopying);
  Label3.set_text(".");
  Label2.set_text(" ");
  invalidate();
}

void Tprogress1::set_bar_range(int maximum) {
  ProgressBar1.set_range(0, maximum);
  ProgressBar1.set_position(0);
  ProgressBar1.set_smooth(true);
}

void Tprogress1::set_bar_position(int position) { ProgressBar1.set_position(position); }

void Tprogress1::show_path(const std::string& path) {
  Label2.set_text(path);
  repaint_now();
  forms::Application::keep_alive();
}

void Tprogress1::request_close() {
  close_requested_ = true;
  post_close();
}

void Tprogress1::show_finish_texts() {
  Label1.set_text("インストールが終了しました。");
  Label2.set_text("ROMファイル類は手動で追加して下さい。");
  Label3.set_text("詳細はこのインストーラのマニュアルをご覧下さい。");
  Button1.set_text("OK");
  finished_ = true;
}

}  // namespace kivo
