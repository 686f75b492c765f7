#pragma once
// The emulator copy progress window: the eight files into the emulator
// folder, then the finish texts, the record for the game installation and the
// offer of a desktop shortcut.

#include "core/ui/copy_progress_form.h"
#include "emulator/emulator_install.h"

namespace kivo {

class Tprogress1 : public CopyProgressForm, private EmulatorProgressView {
 public:
  explicit Tprogress1(AppContext& context);

  forms::Label& Label3;

 private:
  bool run_requested() override;
  void run_installation() override;

  // EmulatorProgressView
  void show_opening_texts() override;
  void show_finish_texts() override;
};

}  // namespace kivo
