#pragma once
// The drive question of the boot disk setup: the folder browser started from
// the program's own path, answering only with the first character of the path
// field, in the drive its opener hands it (PickedDrive).

#include "choosers/folder_browser_rules.h"

namespace kivo {

class Winsasi2Rules : public FolderBrowserRules {
 public:
  Winsasi2Rules(const FolderBrowserControls& controls, const ChooserServices& services, char& drive);

  void FormShow();
  void DriveComboBox1Change();
  void DirectoryListBox1Change();
  // Enter answers but leaves the dialog open.
  void Edit1KeyDown(int key);
  void Button1Click();
  // Answers exactly as OK does.
  void Button2Click();

 private:
  void answer();

  char& drive_;
};

}  // namespace kivo
