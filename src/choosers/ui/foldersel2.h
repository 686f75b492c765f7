#pragma once
// The folder browser for the emulator destination (Tfoldersel2): path field,
// drive selector and folder list; the answer goes into Win68instFolder.

#include <memory>

#include "choosers/drive_selector_model.h"
#include "choosers/folder_list_model.h"
#include "choosers/foldersel2_rules.h"
#include "choosers/text_box.h"
#include "core/services.h"
#include "platform/forms/form.h"

namespace kivo {

class Tfoldersel2 : public forms::Form {
 public:
  // `folder` is Win68instFolder.
  Tfoldersel2(Services& services, std::string& folder);

 protected:
  void FormShow() override;

 private:
  Services& services_;
  DriveSelectorModel selector_;
  FolderListModel folders_;
  std::unique_ptr<TextBox> path_field_;
  std::unique_ptr<Foldersel2Rules> rules_;
};

}  // namespace kivo
