#pragma once
// The drive-root chooser for the game destination (Tfoldersel4): only a drive
// selector; the chosen drive replaces the first character of KivoinstFolder.

#include <memory>

#include "choosers/drive_selector_model.h"
#include "choosers/foldersel4_rules.h"
#include "core/services.h"
#include "platform/forms/form.h"
#include "platform/win32/win32_drives.h"

namespace kivo {

class Tfoldersel4 : public forms::Form {
 public:
  explicit Tfoldersel4(AppContext& context);

 protected:
  void FormShow() override;

 private:
  AppContext& context_;
  Win32Drives drives_;
  DriveSelectorModel selector_;
  std::unique_ptr<Foldersel4Rules> rules_;
};

}  // namespace kivo
