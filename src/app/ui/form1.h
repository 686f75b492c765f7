#pragma once
// The main window: the game's picture, a four-line notice and five buttons.

#include "core/services.h"
#include "platform/forms/form.h"

namespace kivo {

class TForm1 : public forms::Form {
 public:
  explicit TForm1(AppContext& context);

  void BtnManualClick();
  void BtnWin68instClick();
  void BtnKivoinstClick();
  void BtnWinsasikaeClick();
  void BtnSyuuryouClick();

 private:
  AppContext& context_;
};

}  // namespace kivo
