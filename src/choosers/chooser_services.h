#pragma once
// What the chooser rules are given by the window that owns them.

#include <functional>
#include <string>

#include "platform/environment.h"
#include "platform/file_system.h"

namespace kivo {

struct ChooserServices {
  FileSystem& fs;
  Environment& env;
  // Shows a failure in the standard error box and returns; the step goes on.
  std::function<void(const std::string& message)> report_error;
  // Hides the dialog and ends its modal showing.
  std::function<void()> close;
};

}  // namespace kivo
