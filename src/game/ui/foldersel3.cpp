#include "game/ui/foldersel3.h"

#include "app/ui/windows.h"
#include "choosers/ui/foldersel4.h"
#include "game/ui/progress2.h"

namespace kivo {

Tfoldersel3::Tfoldersel3(AppContext& context)
    : Form({.name = "foldersel3",
            .caption = "kivo68i / Kivo68のインストール",
            .left = 188,
            .top = 290,
            .width = 490,
            .height = 151,
            .size_is_client = true,
            .border = forms::Border::dialog}),
      Label1(add<forms::Label>(nullptr, "Label1", forms::Bounds{16, 8, 327, 12},
                               "「Kivorana」X68000版をインストールします。")),
      GroupBox1(add<forms::GroupBox>(nullptr, "GroupBox1", forms::Bounds{16, 32, 457, 49},
                                     "「Kivo」インストール先フォルダ", 0)),
      Label2(add<forms::Label>(&GroupBox1, "Label2", forms::Bounds{16, 24, 0, 0}, "")),
      Button1(add<forms::Button>(&GroupBox1, "Button1", forms::Bounds{368, 16, 73, 25}, "参照", 0)),
      Button2(add<forms::Button>(nullptr, "Button2", forms::Bounds{312, 96, 73, 25}, "OK", 1)),
      Button3(add<forms::Button>(nullptr, "Button3", forms::Bounds{400, 96, 73, 25}, "キャンセル", 2)),
      context_(context) {
  Button1.OnClick = [this] { Button1Click(); };
  Button2.OnClick = [this] { Button2Click(); };
  Button3.OnClick = [this] { Button3Click(); };
  FormCreate();
}

void Tfoldersel3::ShowFolder() {
  // Only when it changed: a label's new text repaints the dialog again.
  if (Label2.text() != context_.shared.KivoinstFolder) Label2.set_text(context_.shared.KivoinstFolder);
}

void Tfoldersel3::FormShow() { ShowFolder(); }

// The drive-root chooser leaves its answer in KivoinstFolder; the repaint after
// it closes is what brings the answer on screen.
void Tfoldersel3::FormPaint() { ShowFolder(); }

void Tfoldersel3::Button1Click() {
  context_.windows.foldersel4->show_modal();
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

void Tfoldersel3::Button2Click() {
  {
    const RaisedWhileInScope request(game_copy_requested_);
    context_.windows.progress2->show_modal();
  }
  close();
}

void Tfoldersel3::Button3Click() { close(); }

}  // namespace kivo
