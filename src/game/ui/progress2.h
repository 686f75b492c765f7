#pragma once
// The game copy progress window: the 410 files into the game folder, then the
// emulator's boot disk.

#include "core/ui/copy_progress_form.h"

namespace kivo {

class Tprogress2 : public CopyProgressForm {
 public:
  // Installs into `folder`, KivoinstFolder; `picked_drive` (PickedDrive) is
  // where the drive browser answers.
  Tprogress2(Services& services, const std::string& folder, char& picked_drive);

  // The drive browser (winsasi2) the boot disk setup asks when the emulator
  // left no record.
  void connect(forms::Form& drive_browser) { drive_browser_ = &drive_browser; }

 private:
  void run_installation() override;
  // Shows the drive browser over this window and returns the drive it answered.
  char ask_drive();

  const std::string& folder_;
  char& picked_drive_;
  forms::Form* drive_browser_ = nullptr;
};

}  // namespace kivo
