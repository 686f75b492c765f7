#include "choosers/ui/foldersel2.h"

#include "choosers/ui/directory_list_box.h"
#include "choosers/ui/drive_combo_box.h"

namespace kivo {

using forms::Bounds;
using forms::Button;
using forms::Edit;
using forms::Label;

Tfoldersel2::Tfoldersel2(Services& services, std::string& folder)
    : Form({.name = "foldersel2",
            .caption = "kivo68i / WinX68kフォルダ選択画面",
            .left = 259,
            .top = 268,
            .width = 297,
            .height = 265,
            .size_is_client = true,
            .border = forms::Border::dialog}),
      parts_(services) {
  add<Label>(nullptr, "Label1", Bounds{8, 8}, "WinX68kをインストールするフォルダを選択して下さい。");
  add<Label>(nullptr, "Label2", Bounds{8, 24}, "パス：");
  auto& edit = add<Edit>(nullptr, "Edit1", Bounds{8, 40, 225, 20}, 2);
  add<Label>(nullptr, "Label3", Bounds{8, 64}, "ドライブ：");
  auto& drives = add<DriveComboBox>(nullptr, "DriveComboBox1", Bounds{8, 80, 225, 18}, 0, parts_.selector);
  add<Label>(nullptr, "Label4", Bounds{8, 104}, "フォルダ：");
  add<DirectoryListBox>(nullptr, "DirectoryListBox1", Bounds{8, 120, 225, 97}, 1, parts_.folders);
  auto& ok = add<Button>(nullptr, "Button1", Bounds{128, 232, 73, 25}, "OK", 3);
  auto& cancel = add<Button>(nullptr, "Button2", Bounds{216, 232, 73, 25}, "キャンセル", 4);
  set_initial_focus(drives);

  parts_.connect(*this, edit, ok, cancel, folder);
}

void Tfoldersel2::FormShow() {
  // A drive plugged in or a folder made since the last showing shows up now.
  parts_.refresh();
  parts_.rules().OnShow();
}

}  // namespace kivo
