#pragma once
// The game copy progress window. Its contents are still to come; the window exists with its
// caption, size and place so that the program creates every window at start-up.

#include "app/ui/app_context.h"
#include "platform/forms/form.h"

namespace kivo {

class Tprogress2 : public forms::Form {
 public:
  explicit Tprogress2(AppContext& context);

 private:
  AppContext& context_;
};

}  // namespace kivo
