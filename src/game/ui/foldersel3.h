#pragma once
// The game destination dialog: shows the game folder, lets the user move it to
// another drive through foldersel4, and on OK hands over to progress2, which
// runs the installation. It copies and checks nothing itself.

#include "app/ui/app_context.h"
#include "platform/forms/form.h"

namespace kivo {

class Tfoldersel3 : public forms::Form {
 public:
  explicit Tfoldersel3(AppContext& context);

  // Raised only while OK is showing progress2: progress2 installs on its
  // activation only then.
  bool GameCopyRequested() const { return game_copy_requested_; }

  forms::Label& Label1;
  forms::GroupBox& GroupBox1;
  forms::Label& Label2;
  forms::Button& Button1;
  forms::Button& Button2;
  forms::Button& Button3;

 protected:
  void FormShow() override;
  void FormPaint() override;

 private:
  void FormCreate() {}
  void ShowFolder();
  void Button1Click();
  void Button2Click();
  void Button3Click();

  AppContext& context_;
  bool game_copy_requested_ = false;
};

}  // namespace kivo
