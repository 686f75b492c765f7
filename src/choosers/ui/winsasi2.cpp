#include "choosers/ui/winsasi2.h"

#include "choosers/ui/directory_list_box.h"
#include "choosers/ui/drive_combo_box.h"

namespace kivo {

using forms::Bounds;
using forms::Button;
using forms::Edit;
using forms::Label;

Twinsasi2::Twinsasi2(Services& services, char& picked_drive)
    : Form({.name = "winsasi2",
            .caption = "kivo68i / Kivo68版おまけ　選択画面",
            .left = 205,
            .top = 275,
            .width = 303,
            .height = 289,
            .size_is_client = false,
            .border = forms::Border::sizeable}),
      parts_(services) {
  add<Label>(nullptr, "Label1", Bounds{8, 8}, "Windows版「Kivo」がインストールされている");
  add<Label>(nullptr, "Label2", Bounds{8, 24}, "フォルダを選択して下さい。");
  add<Label>(nullptr, "Label3", Bounds{8, 40}, "パス：");
  auto& edit = add<Edit>(nullptr, "Edit1", Bounds{8, 56, 225, 20}, 1);
  add<Label>(nullptr, "Label4", Bounds{8, 80}, "ドライブ：");
  add<DriveComboBox>(nullptr, "DriveComboBox1", Bounds{8, 96, 225, 18}, 2, parts_.selector);
  add<Label>(nullptr, "Label5", Bounds{8, 120}, "フォルダ：");
  add<DirectoryListBox>(nullptr, "DirectoryListBox1", Bounds{8, 136, 225, 89}, 3, parts_.folders);
  auto& ok = add<Button>(nullptr, "Button1", Bounds{128, 232, 73, 25}, "OK", 0);
  auto& cancel = add<Button>(nullptr, "Button2", Bounds{216, 232, 73, 25}, "キャンセル", 4);
  set_initial_focus(ok);

  parts_.connect(*this, edit, ok, cancel, picked_drive);
}

void Twinsasi2::FormShow() {
  parts_.refresh();
  parts_.rules().FormShow();
}

}  // namespace kivo
