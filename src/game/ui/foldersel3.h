#pragma once
// The game destination dialog: shows the game folder, lets the user move it to
// another drive through foldersel4, and on OK hands over to progress2, which
// runs the installation. It copies and checks nothing itself.

#include "core/ui/destination_form.h"

namespace kivo {

class Tfoldersel3 : public DestinationForm {
 public:
  // `folder` is KivoinstFolder.
  explicit Tfoldersel3(std::string& folder);

  forms::Label& Label1;
  forms::GroupBox& GroupBox1;
  forms::Label& Label2;
  forms::Button& Button1;
  forms::Button& Button2;
  forms::Button& Button3;
};

}  // namespace kivo
