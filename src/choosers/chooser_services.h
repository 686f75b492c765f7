#pragma once
// What the chooser rules are given by the window that owns them: the
// program's services and two callbacks into that window.

#include <functional>
#include <string>

#include "core/services.h"

namespace kivo {

struct ChooserServices : Services {
  // Shows a failure in the standard error box and returns; the step goes on.
  std::function<void(const std::string& message)> report_error;
  // Hides the dialog and ends its modal showing.
  std::function<void()> close;
};

}  // namespace kivo
