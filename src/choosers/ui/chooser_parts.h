#pragma once
// Pieces the three chooser windows share: the path field seen as a TextBox,
// the services the rules get, and the selector's and the list's start.

#include <string>

#include "choosers/chooser_services.h"
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
  return ChooserServices{services.files, services.environment,
                         [](const std::string& message) { forms::Application::show_exception(message); },
                         [&form] { form.close(); }};
}

}  // namespace kivo
