#include "emulator/ui/foldersel1.h"

#include "app/ui/windows.h"
#include "choosers/ui/foldersel2.h"
#include "emulator/ui/progress1.h"

namespace kivo {

Tfoldersel1::Tfoldersel1(AppContext& context)
    : Form({.name = "foldersel1",
            .caption = "kivo68i / WinX68kのインストール",
            .left = 193,
            .top = 236,
            .width = 491,
            .height = 147,
            .size_is_client = true,
            .border = forms::Border::dialog}),
      Label1(add<forms::Label>(nullptr, "Label1", forms::Bounds{8, 16, 0, 0},
                               "Windows用X68000エミュレータ「WinX68k高速版」をインストールします。")),
      GroupBox1(add<forms::GroupBox>(nullptr, "GroupBox1", forms::Bounds{8, 40, 465, 49},
                                     "WinX68kインストール先フォルダ", 2)),
      Label2(add<forms::Label>(&GroupBox1, "Label2", forms::Bounds{16, 24, 0, 0}, "test")),
      BtnSansyou(add<forms::Button>(&GroupBox1, "BtnSansyou", forms::Bounds{368, 16, 73, 25}, "参照", 0)),
      BtnOk(add<forms::Button>(nullptr, "BtnOk", forms::Bounds{312, 104, 73, 25}, "OK", 0)),
      BtnCancel(add<forms::Button>(nullptr, "BtnCancel", forms::Bounds{400, 104, 73, 25}, "キャンセル", 1)),
      context_(context) {
  BtnSansyou.OnClick = [this] { BtnSansyouClick(); };
  BtnOk.OnClick = [this] { BtnOkClick(); };
  BtnCancel.OnClick = [this] { BtnCancelClick(); };
  set_initial_focus(BtnOk);
}

void Tfoldersel1::ShowFolder() {
  // Only when it changed: a label's new text repaints the dialog again.
  if (Label2.text() != context_.shared.Win68instFolder) Label2.set_text(context_.shared.Win68instFolder);
}

void Tfoldersel1::FormShow() { ShowFolder(); }

// The folder browser leaves its answer in Win68instFolder; the repaint after it
// closes is what brings the answer on screen.
void Tfoldersel1::FormPaint() { ShowFolder(); }

void Tfoldersel1::BtnSansyouClick() {
  context_.windows.foldersel2->show_modal();
  invalidate();
}

namespace {

// Lowered again however the progress window ends.
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

void Tfoldersel1::BtnOkClick() {
  {
    const RaisedWhileInScope request(emulator_copy_requested_);
    context_.windows.progress1->show_modal();
  }
  close();
}

void Tfoldersel1::BtnCancelClick() { close(); }

}  // namespace kivo
