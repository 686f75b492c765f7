#pragma once
// The folder browser for the emulator destination (Tfoldersel2): path field,
// drive selector and folder list; the answer goes into Win68instFolder.

#include "choosers/foldersel2_rules.h"
#include "choosers/ui/chooser_parts.h"
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
  FolderBrowserParts<Foldersel2Rules> parts_;
};

}  // namespace kivo
