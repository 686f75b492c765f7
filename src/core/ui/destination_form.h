#pragma once
// What the two destination dialogs share: a label that always shows the
// destination folder held in a shared value, a chooser that may change it,
// and OK handing over to a progress window that installs only while this
// dialog's request is raised.

#include <string>
#include <utility>

#include "core/ui/copy_progress_form.h"
#include "platform/forms/form.h"

namespace kivo {

class DestinationForm : public forms::Form {
 public:
  // The chooser that may change the folder and the progress window that
  // installs into it.
  void connect(forms::Form& chooser, CopyProgressForm& progress) {
    chooser_ = &chooser;
    progress_ = &progress;
  }

 protected:
  // `folder` is the shared value the dialog shows and the chooser changes.
  DestinationForm(forms::FormSpec design, std::string& folder) : Form(std::move(design)), folder_(folder) {}

  // Once the controls exist: the label that shows the folder, and the three
  // buttons. The browse button opens the chooser, which leaves its answer in
  // the shared value (the repaint after it closes brings the answer on
  // screen); OK shows the progress window with the run requested, then closes
  // this dialog however the progress window ended; cancel closes it.
  void use_controls(forms::Label& folder_label, forms::Button& browse, forms::Button& ok,
                    forms::Button& cancel);

  void FormShow() override { show_folder(); }
  void FormPaint() override { show_folder(); }

 private:
  void show_folder();
  void choose_folder();
  void hand_over();

  std::string& folder_;
  forms::Label* folder_label_ = nullptr;
  forms::Form* chooser_ = nullptr;
  CopyProgressForm* progress_ = nullptr;
};

}  // namespace kivo
