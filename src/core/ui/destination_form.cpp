#include "core/ui/destination_form.h"

namespace kivo {

namespace {

// Lowered again however the progress window ends.
class RaisedWhileInScope {
 public:
  explicit RaisedWhileInScope(bool& flag) : flag_(flag) { flag_ = true; }
  RaisedWhileInScope(const RaisedWhileInScope&) = delete;
  RaisedWhileInScope& operator=(const RaisedWhileInScope&) = delete;
  ~RaisedWhileInScope() { flag_ = false; }

 private:
  bool& flag_;
};

}  // namespace

void DestinationForm::ShowFolder() {
  // Only when it changed: a label's new text repaints the dialog again.
  if (folder_label_ != nullptr && folder_label_->text() != folder_) folder_label_->set_text(folder_);
}

void DestinationForm::choose_folder(forms::Form& chooser) {
  chooser.show_modal();
  invalidate();
}

void DestinationForm::hand_over_to(forms::Form& progress) {
  {
    const RaisedWhileInScope request(copy_requested_);
    progress.show_modal();
  }
  close();
}

}  // namespace kivo
