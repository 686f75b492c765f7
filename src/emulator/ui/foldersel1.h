#pragma once
// The emulator destination dialog: says what is about to be installed, shows
// the destination folder, lets the user change it through foldersel2, and on
// OK hands over to progress1, which runs the installation.

#include "app/ui/app_context.h"
#include "platform/forms/form.h"

namespace kivo {

class Tfoldersel1 : public forms::Form {
 public:
  explicit Tfoldersel1(AppContext& context);

  // Raised only while OK is showing progress1: progress1 installs on its
  // activation only then.
  bool EmulatorCopyRequested() const { return emulator_copy_requested_; }

  forms::Label& Label1;
  forms::GroupBox& GroupBox1;
  forms::Label& Label2;
  forms::Button& BtnSansyou;
  forms::Button& BtnOk;
  forms::Button& BtnCancel;

 protected:
  void FormShow() override;
  void FormPaint() override;

 private:
  void ShowFolder();
  void BtnSansyouClick();
  void BtnOkClick();
  void BtnCancelClick();

  AppContext& context_;
  bool emulator_copy_requested_ = false;
};

}  // namespace kivo
