#include "emulator/ui/foldersel1.h"

namespace kivo {

Tfoldersel1::Tfoldersel1(std::string& folder)
    : DestinationForm({.name = "foldersel1",
                       .caption = "kivo68i / WinX68kのインストール",
                       .left = 193,
                       .top = 236,
                       .width = 491,
                       .height = 147,
                       .size_is_client = true,
                       .border = forms::Border::dialog},
                      folder),
      Label1(add<forms::Label>(nullptr, "Label1", forms::Bounds{8, 16, 0, 0},
                               "Windows用X68000エミュレータ「WinX68k高速版」をインストールします。")),
      GroupBox1(add<forms::GroupBox>(nullptr, "GroupBox1", forms::Bounds{8, 40, 465, 49},
                                     "WinX68kインストール先フォルダ", 2)),
      Label2(add<forms::Label>(&GroupBox1, "Label2", forms::Bounds{16, 24, 0, 0}, "test")),
      BtnSansyou(add<forms::Button>(&GroupBox1, "BtnSansyou", forms::Bounds{368, 16, 73, 25}, "参照", 0)),
      BtnOk(add<forms::Button>(nullptr, "BtnOk", forms::Bounds{312, 104, 73, 25}, "OK", 0)),
      BtnCancel(add<forms::Button>(nullptr, "BtnCancel", forms::Bounds{400, 104, 73, 25}, "キャンセル", 1)) {
  use_controls(Label2, BtnSansyou, BtnOk, BtnCancel);
  set_initial_focus(BtnOk);
}

}  // namespace kivo
