#pragma once
// The game copy progress window: the 410 files into the game folder, then the
// emulator's boot disk.

#include "core/ui/copy_progress_form.h"

namespace kivo {

class Tprogress2 : public CopyProgressForm {
 public:
  explicit Tprogress2(AppContext& context);

 private:
  bool run_requested() override;
  void run_installation() override;
  // Shows winsasi2 over this window and returns the drive it answered.
  char AskDrive();
};

}  // namespace kivo
