#include "core/ui/destination_form.h"

namespace kivo {

void DestinationForm::show_folder() {
  // Only when it changed: a label's new text repaints the dialog again.
  if (folder_label_ != nullptr && folder_label_->text() != folder_) folder_label_->set_text(folder_);
}

void DestinationForm::use_controls(forms::Label& folder_label, forms::Button& browse, forms::Button& ok,
                                   forms::Button& cancel) {
  folder_label_ = &folder_label;
  browse.OnClick = [this] { choose_folder(); };
  ok.OnClick = [this] { hand_over(); };
  cancel.OnClick = [this] { close(); };
}

void DestinationForm::choose_folder() {
  chooser_->show_modal();
  invalidate();
}

void DestinationForm::hand_over() {
  progress_->show_with_run();
  close();
}

}  // namespace kivo
