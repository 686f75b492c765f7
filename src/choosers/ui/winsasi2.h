#pragma once
// The drive question of the boot disk setup (Twinsasi2): the folder browser
// started from the program's own path; the answer is the first character of
// the path field, in PickedDrive.

#include "choosers/ui/chooser_parts.h"
#include "choosers/winsasi2_rules.h"
#include "core/services.h"
#include "platform/forms/form.h"

namespace kivo {

class Twinsasi2 : public forms::Form {
 public:
  // `picked_drive` is PickedDrive.
  Twinsasi2(Services& services, char& picked_drive);

 protected:
  void FormShow() override;

 private:
  FolderBrowserParts<Winsasi2Rules> parts_;
};

}  // namespace kivo
