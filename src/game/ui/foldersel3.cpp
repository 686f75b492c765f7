#include "game/ui/foldersel3.h"

namespace kivo {

Tfoldersel3::Tfoldersel3(std::string& folder)
    : DestinationForm({.name = "foldersel3",
                       .caption = "kivo68i / Kivo68のインストール",
                       .left = 188,
                       .top = 290,
                       .width = 490,
                       .height = 151,
                       .size_is_client = true,
                       .border = forms::Border::dialog},
                      folder),
      Label1(add<forms::Label>(nullptr, "Label1", forms::Bounds{16, 8, 327, 12},
                               "「Kivorana」X68000版をインストールします。")),
      GroupBox1(add<forms::GroupBox>(nullptr, "GroupBox1", forms::Bounds{16, 32, 457, 49},
                                     "「Kivo」インストール先フォルダ", 0)),
      Label2(add<forms::Label>(&GroupBox1, "Label2", forms::Bounds{16, 24, 0, 0}, "")),
      Button1(add<forms::Button>(&GroupBox1, "Button1", forms::Bounds{368, 16, 73, 25}, "参照", 0)),
      Button2(add<forms::Button>(nullptr, "Button2", forms::Bounds{312, 96, 73, 25}, "OK", 1)),
      Button3(add<forms::Button>(nullptr, "Button3", forms::Bounds{400, 96, 73, 25}, "キャンセル", 2)) {
  use_controls(Label2, Button1, Button2, Button3);
}

}  // namespace kivo
