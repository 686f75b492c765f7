#pragma once
// The music bonus window, shown modeless from the main window: install the FM
// versions, return to the originals, or close (which only hides it).

#include "core/services.h"
#include "platform/forms/form.h"

namespace kivo {

class Twinsasi1 : public forms::Form {
 public:
  explicit Twinsasi1(AppContext& context);

  void Button1Click();
  void Button2Click();
  void Button3Click();

 private:
  AppContext& context_;
};

}  // namespace kivo
