#include "choosers/ui/winsasi2.h"

#include "choosers/ui/chooser_parts.h"
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
      services_(services),
      selector_(drive_letter(services.drives.process_current_folder())),
      folders_(services.files, services.drives, services.drives.process_current_folder()) {
  add<Label>(nullptr, "Label1", Bounds{8, 8}, "Windows版「Kivo」がインストールされている");
  add<Label>(nullptr, "Label2", Bounds{8, 24}, "フォルダを選択して下さい。");
  add<Label>(nullptr, "Label3", Bounds{8, 40}, "パス：");
  auto& edit = add<Edit>(nullptr, "Edit1", Bounds{8, 56, 225, 20}, 1);
  add<Label>(nullptr, "Label4", Bounds{8, 80}, "ドライブ：");
  add<DriveComboBox>(nullptr, "DriveComboBox1", Bounds{8, 96, 225, 18}, 2, selector_);
  add<Label>(nullptr, "Label5", Bounds{8, 120}, "フォルダ：");
  add<DirectoryListBox>(nullptr, "DirectoryListBox1", Bounds{8, 136, 225, 89}, 3, folders_);
  auto& ok = add<Button>(nullptr, "Button1", Bounds{128, 232, 73, 25}, "OK", 0);
  auto& cancel = add<Button>(nullptr, "Button2", Bounds{216, 232, 73, 25}, "キャンセル", 4);
  set_initial_focus(ok);

  path_field_ = std::make_unique<EditTextBox>(edit);
  rules_ = std::make_unique<Winsasi2Rules>(FolderBrowserControls{selector_, folders_, *path_field_},
                                           chooser_services(services_, *this), picked_drive);
  edit.OnKeyDown = [this](WORD key, unsigned) { rules_->Edit1KeyDown(key); };
  ok.OnClick = [this] { rules_->Button1Click(); };
  cancel.OnClick = [this] { rules_->Button2Click(); };
}

void Twinsasi2::FormShow() {
  selector_.replace_entries(services_.drives.list());
  folders_.refresh();
  rules_->FormShow();
}

}  // namespace kivo
