#include "game/ui/progress2.h"

#include "app/ui/windows.h"
#include "choosers/ui/winsasi2.h"
#include "game/game_install_run.h"
#include "game/ui/foldersel3.h"
#include "game/ui/progress_redraw.h"
#include "platform/forms/application.h"

namespace kivo {

namespace {

constexpr const char* kCopying = "ファイルをコピー中です。しばらくお待ち下さい。";
constexpr const char* kCancel = "キャンセル";

}  // namespace

Tprogress2::Tprogress2(AppContext& context)
    : Form({.name = "progress2",
            .caption = "kivo68i / Kivo68インストール中",
            .left = 229,
            .top = 277,
            .width = 317,
            .height = 138,
            .size_is_client = true,
            .border = forms::Border::dialog}),
      Label1(add<forms::Label>(nullptr, "Label1", forms::Bounds{24, 16, 0, 0}, kCopying)),
      // As wide as the window leaves it: a path longer than that is cut at the
      // window's edge either way.
      Label2(add<forms::Label>(nullptr, "Label2", forms::Bounds{24, 40, 293, 13}, "　")),
      ProgressBar1(add<forms::ProgressBar>(nullptr, "ProgressBar1", forms::Bounds{24, 64, 273, 17})),
      Button1(add<forms::Button>(nullptr, "Button1", forms::Bounds{128, 96, 73, 25}, kCancel, 0)),
      context_(context) {
  close_message_window();
  ProgressBar1.set_range(0, 100);
  Button1.OnClick = [this] { Button1Click(); };
  FormCreate();
}

void Tprogress2::FormCreate() {
  Button1.set_text(kCancel);
  finished_ = false;
}

void Tprogress2::FormActivate() {
  Button1.set_text(kCancel);
  finished_ = false;
  if (!context_.windows.foldersel3->GameCopyRequested()) return;
  running_ = true;
  pressed_while_running_ = false;
  close_requested_ = false;
  try {
    RunInstallation();
  } catch (const std::exception& error) {
    // The standard error box, shown here rather than by the form layer so that
    // this window can come back on top once it is closed. The window stays
    // open, not finished; a press made meanwhile is dropped.
    running_ = false;
    pressed_while_running_ = false;
    forms::Application::show_exception(error.what());
    ComeBackOnTop();
    return;
  }
  running_ = false;
  ServiceDeferredPress();
}

void Tprogress2::RunInstallation() {
  const Services& services = context_.services;
  const BootDiskSetup setup{services.files,
                            services.profiles,
                            services.environment,
                            services.prompts,
                            [this] { return AskDrive(); },
                            ""};
  if (run_game_install(setup, context_.shared.KivoinstFolder, *this) == GameRunOutcome::finished)
    ShowFinished();
}

char Tprogress2::AskDrive() {
  // Closing the browser by its close box leaves no answer of this showing.
  context_.shared.PickedDrive = 0;
  context_.windows.winsasi2->show_modal();
  return context_.shared.PickedDrive;
}

// After a question box and the error box that follows it have closed, the
// system may have put the disabled foldersel3 above this window, where it
// covers the button the user is to press next.
void Tprogress2::ComeBackOnTop() {
  SetWindowPos(handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetForegroundWindow(handle());
}

void Tprogress2::ShowFinished() {
  Label1.set_text("インストールが終了しました。");
  Label2.set_text(" ");
  Button1.set_text("OK");
  finished_ = true;
}

// A press that reached the button while a box or the drive browser of the run
// had the message loop is taken up now, with the finished flag as it stands
// after the run; a run that asked for the window to close has already said why.
void Tprogress2::ServiceDeferredPress() {
  const bool pressed = pressed_while_running_;
  pressed_while_running_ = false;
  if (pressed && !close_requested_) Button1Click();
}

void Tprogress2::FormPaint() { paint_pending(Label2, ProgressBar1); }

void Tprogress2::Button1Click() {
  if (running_) {
    pressed_while_running_ = true;
    return;
  }
  if (!finished_) context_.services.prompts.warning("インストールを中断します。");
  close();
}

void Tprogress2::show_opening_texts() {
  Label1.set_text(kCopying);
  Label2.set_text(" ");
  invalidate();
}

void Tprogress2::set_bar_range(int maximum) {
  painter_.restart();
  ProgressBar1.set_range(0, maximum);
  ProgressBar1.set_position(0);
  ProgressBar1.set_smooth(true);
}

void Tprogress2::set_bar_position(int position) { ProgressBar1.set_position(position); }

void Tprogress2::show_path(const std::string& path) { painter_.show(Label2, ProgressBar1, path); }

void Tprogress2::request_close() {
  close_requested_ = true;
  post_close();
}

}  // namespace kivo
