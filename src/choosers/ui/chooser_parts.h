#pragma once
// Pieces the three chooser windows share: the path field seen as a TextBox,
// the services the rules get, and what the two folder browsers hold besides
// their controls.

#include <memory>
#include <string>

#include "choosers/chooser_services.h"
#include "choosers/drive_selector_model.h"
#include "choosers/folder_browser_rules.h"
#include "choosers/folder_list_model.h"
#include "choosers/text_box.h"
#include "core/services.h"
#include "platform/forms/application.h"
#include "platform/forms/control.h"
#include "platform/forms/form.h"
#include "platform/path_parts.h"

namespace kivo {

class EditTextBox : public TextBox {
 public:
  explicit EditTextBox(forms::Edit& edit) : edit_(edit) {}
  std::string text() const override { return edit_.text(); }
  void set_text(const std::string& text) override { edit_.set_text(text); }

 private:
  forms::Edit& edit_;
};

inline ChooserServices chooser_services(Services& services, forms::Form& form) {
  return ChooserServices{{services},
                         [](const std::string& message) { forms::Application::show_exception(message); },
                         [&form] { form.close(); }};
}

// The selector and the list of a folder browser (foldersel2, winsasi2) over
// the machine's drives, starting where the process is, and its rules once
// the controls exist.
template <class Rules>
class FolderBrowserParts {
 public:
  explicit FolderBrowserParts(Services& services)
      : selector(drive_letter(services.drives.process_current_folder())),
        folders(services.files, services.drives, services.drives.process_current_folder()),
        services_(services) {}

  // The rules over the path field, the selector and the list, answering in
  // `answer`, and the field's and the two buttons' events handed to them.
  template <class Answer>
  void connect(forms::Form& form, forms::Edit& edit, forms::Button& ok, forms::Button& cancel,
               Answer& answer) {
    path_field_ = std::make_unique<EditTextBox>(edit);
    rules_ = std::make_unique<Rules>(FolderBrowserControls{selector, folders, *path_field_},
                                     chooser_services(services_, form), answer);
    edit.OnKeyDown = [this](WORD key) { rules_->Edit1KeyDown(key); };
    ok.OnClick = [this] { rules_->Button1Click(); };
    cancel.OnClick = [this] { rules_->Button2Click(); };
  }

  // Before a showing: a drive plugged in or a folder made since the last
  // showing shows up now.
  void refresh() {
    selector.replace_entries(services_.drives.list());
    folders.refresh();
  }

  Rules& rules() { return *rules_; }

  DriveSelectorModel selector;
  FolderListModel folders;

 private:
  Services& services_;
  std::unique_ptr<TextBox> path_field_;
  std::unique_ptr<Rules> rules_;
};

}  // namespace kivo
