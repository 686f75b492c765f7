#pragma once
// The emulator copy progress window. Its contents are still to come; the window exists with its
// caption, size and place so that the program creates every window at start-up.

#include "app/ui/app_context.h"
#include "platform/forms/form.h"

namespace kivo {

class Tprogress1 : public forms::Form {
 public:
  explicit Tprogress1(AppContext& context);

 private:
  AppContext& context_;
};

}  // namespace kivo
