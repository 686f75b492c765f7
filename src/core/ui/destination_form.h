#pragma once
// What the two destination dialogs share: a label that always shows the
// destination folder held in a shared value, a chooser that may change it,
// and OK handing over to a progress window that installs only while this
// dialog's request is raised.

#include <string>
#include <utility>

#include "core/services.h"
#include "platform/forms/form.h"

namespace kivo {

class DestinationForm : public forms::Form {
 public:
  // Raised only while OK is showing the progress window: it installs on its
  // activation only then.
  bool copy_requested() const { return copy_requested_; }

 protected:
  // `folder` is the shared value the dialog shows and the chooser changes.
  DestinationForm(forms::FormSpec design, AppContext& context, std::string& folder)
      : Form(std::move(design)), context_(context), folder_(folder) {}

  // The label that shows the folder, once the controls exist.
  void show_folder_in(forms::Label& label) { folder_label_ = &label; }
  // The chooser leaves its answer in the shared value; the repaint after it
  // closes is what brings the answer on screen.
  void choose_folder(forms::Form& chooser);
  // Shows the progress window with the request raised, then closes this
  // dialog however the progress window ended.
  void hand_over_to(forms::Form& progress);

  void FormShow() override { ShowFolder(); }
  void FormPaint() override { ShowFolder(); }

  AppContext& context_;

 private:
  void ShowFolder();

  std::string& folder_;
  forms::Label* folder_label_ = nullptr;
  bool copy_requested_ = false;
};

}  // namespace kivo
