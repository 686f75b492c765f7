#include "choosers/ui/foldersel4.h"

#include "choosers/ui/chooser_parts.h"
#include "choosers/ui/drive_combo_box.h"

namespace kivo {

using forms::Bounds;
using forms::Button;
using forms::Label;

Tfoldersel4::Tfoldersel4(Services& services, std::string& folder)
    : Form({.name = "foldersel4",
            .caption = "kivo68i / Kivo68フォルダ選択画面",
            .left = 230,
            .top = 247,
            .width = 306,
            .height = 215,
            .size_is_client = true,
            .border = forms::Border::dialog}),
      services_(services),
      selector_(drive_letter(services.drives.process_current_folder())) {
  add<Label>(nullptr, "Label1", Bounds{8, 8}, "Kivo68版をインストールする");
  add<Label>(nullptr, "Label5", Bounds{8, 24}, "ドライブを選択して下さい。");
  add<Label>(nullptr, "Label2", Bounds{8, 48}, "ご注意：諸々の事情により、インストールできるフォルダは");
  add<Label>(nullptr, "Label4", Bounds{8, 64}, "各ドライブのルート直下の\\KIVO\\のみとなります。");
  add<Label>(nullptr, "Label3", Bounds{8, 96}, "ドライブ：");
  auto& drives = add<DriveComboBox>(nullptr, "DriveComboBox1", Bounds{8, 112, 225, 18}, 0, selector_);
  auto& ok = add<Button>(nullptr, "Button1", Bounds{128, 144, 73, 25}, "OK", 1);
  auto& cancel = add<Button>(nullptr, "Button2", Bounds{216, 144, 65, 25}, "キャンセル", 2);
  set_initial_focus(drives);

  rules_ = std::make_unique<Foldersel4Rules>(selector_, chooser_services(services_, *this), folder);
  ok.OnClick = [this] { rules_->Button1Click(); };
  cancel.OnClick = [this] { rules_->Button2Click(); };
}

void Tfoldersel4::FormShow() {
  selector_.replace_entries(services_.drives.list());
  rules_->FormShow();
}

}  // namespace kivo
