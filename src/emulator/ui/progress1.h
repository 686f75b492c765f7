#pragma once
// The emulator copy progress window: the eight files into the emulator
// folder, then the finish texts, the record for the game installation and the
// offer of a desktop shortcut.

#include "core/ui/copy_progress_form.h"
#include "emulator/emulator_install.h"

namespace kivo {

class Tprogress1 : public CopyProgressForm {
 public:
  // Installs into `folder`, Win68instFolder.
  Tprogress1(Services& services, const std::string& folder);

  forms::Label& Label3;

 private:
  void run_installation() override;

  void show_opening_texts() override;
  void show_finish_texts();

  const std::string& folder_;
};

}  // namespace kivo
