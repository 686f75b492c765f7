#include "music/ui/winsasi3.h"

namespace kivo {

using forms::Bounds;
using forms::Label;

namespace {

constexpr const char* kCopyingText = "ファイルをコピー中です。しばらくお待ち下さい。";
constexpr COLORREF kRed = RGB(255, 0, 0);

}  // namespace

Twinsasi3::Twinsasi3()
    : Form({.name = "winsasi3",
            .caption = "kivo68i / Kivo68版おまけ　ファイルコピー",
            .left = 262,
            .top = 436,
            .width = 323,
            .height = 121,
            .size_is_client = true,
            .border = forms::Border::dialog}) {
  label1_ = &add<Label>(nullptr, "Label1", Bounds{16, 16}, kCopyingText);
  add<Label>(nullptr, "Label3", Bounds{16, 40}, "（ご注意）コピーが終わるまでは、他のアプリケーションを")
      .set_text_color(kRed);
  add<Label>(nullptr, "Label4", Bounds{16, 56}, "併用しないで下さい。").set_text_color(kRed);
  label2_ = &add<Label>(nullptr, "Label2", Bounds{16, 96}, " ");
}

void Twinsasi3::begin() {
  opener_ = front_window();
  show();
  others_disabled_.emplace(handle());
  label1_->set_text(kCopyingText);
  label1_->repaint();
  // Nothing is painted while the copy holds the thread; draw the whole
  // window now rather than leave it blank until the first file is done.
  repaint_now();
}

void Twinsasi3::step(const std::string& path) {
  label2_->set_text(path);
  repaint_now();
}

void Twinsasi3::end() {
  others_disabled_.reset();
  show();
  // Back to the bonus window, not to whichever window the system picks.
  if (opener_ && IsWindow(opener_) && IsWindowVisible(opener_)) SetActiveWindow(opener_);
  close();
}

void Twinsasi3::FormPaint() {
  label1_->repaint();
  label2_->repaint();
}

}  // namespace kivo
