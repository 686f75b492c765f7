#pragma once
// The drive-root chooser for the game destination (Tfoldersel4): only a drive
// selector; the chosen drive replaces the first character of KivoinstFolder.

#include <memory>

#include "choosers/drive_selector_model.h"
#include "choosers/foldersel4_rules.h"
#include "core/services.h"
#include "platform/forms/form.h"

namespace kivo {

class Tfoldersel4 : public forms::Form {
 public:
  // `folder` is KivoinstFolder.
  Tfoldersel4(Services& services, std::string& folder);

 protected:
  void FormShow() override;

 private:
  Services& services_;
  DriveSelectorModel selector_;
  std::unique_ptr<Foldersel4Rules> rules_;
};

}  // namespace kivo
