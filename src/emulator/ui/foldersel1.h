#pragma once
// The emulator destination dialog: says what is about to be installed, shows
// the destination folder, lets the user change it through foldersel2, and on
// OK hands over to progress1, which runs the installation.

#include "core/ui/destination_form.h"

namespace kivo {

class Tfoldersel1 : public DestinationForm {
 public:
  // `folder` is Win68instFolder.
  explicit Tfoldersel1(std::string& folder);

  forms::Label& Label1;
  forms::GroupBox& GroupBox1;
  forms::Label& Label2;
  forms::Button& BtnSansyou;
  forms::Button& BtnOk;
  forms::Button& BtnCancel;
};

}  // namespace kivo
