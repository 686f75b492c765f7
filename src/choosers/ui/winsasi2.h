#pragma once
// The drive question of the boot disk setup (Twinsasi2): the folder browser
// started from the program's own path; the answer is the first character of
// the path field, in PickedDrive.

#include <memory>

#include "choosers/drive_selector_model.h"
#include "choosers/folder_list_model.h"
#include "choosers/text_box.h"
#include "choosers/winsasi2_rules.h"
#include "core/services.h"
#include "platform/forms/form.h"
#include "platform/win32/win32_drives.h"

namespace kivo {

class Twinsasi2 : public forms::Form {
 public:
  explicit Twinsasi2(AppContext& context);

 protected:
  void FormShow() override;

 private:
  AppContext& context_;
  Win32Drives drives_;
  DriveSelectorModel selector_;
  FolderListModel folders_;
  std::unique_ptr<TextBox> path_field_;
  std::unique_ptr<Winsasi2Rules> rules_;
};

}  // namespace kivo
