#pragma once
// The main window: the game's picture, a four-line notice and five buttons.

#include "app/shared_values.h"
#include "core/services.h"
#include "platform/forms/form.h"

namespace kivo {

class TForm1 : public forms::Form {
 public:
  TForm1(Services& services, SharedValues& shared);

  // The windows the buttons open: the two destination dialogs and the bonus window.
  void connect(forms::Form& foldersel1, forms::Form& foldersel3, forms::Form& winsasi1) {
    foldersel1_ = &foldersel1;
    foldersel3_ = &foldersel3;
    winsasi1_ = &winsasi1;
  }

  void BtnManualClick();
  void BtnWin68instClick();
  void BtnKivoinstClick();
  void BtnWinsasikaeClick();
  void BtnSyuuryouClick();

 private:
  Services& services_;
  SharedValues& shared_;
  forms::Form* foldersel1_ = nullptr;
  forms::Form* foldersel3_ = nullptr;
  forms::Form* winsasi1_ = nullptr;
};

}  // namespace kivo
