#pragma once
// The emulator's destination folder browser: starts from Win68instFolder and
// answers in it; Cancel puts back the value it was opened with.

#include "choosers/folder_browser_rules.h"

namespace kivo {

class Foldersel2Rules : public FolderBrowserRules {
 public:
  Foldersel2Rules(const FolderBrowserControls& controls, const ChooserServices& services);

  void OnShow();
  void dcbOnChange();
  void dlbOnChange();
  void Edit1KeyDown(int key);
  void Button1Click();
  void Button2Click();

  const std::string& saved_folder() const { return SavedFolder; }

 private:
  std::string SavedFolder;
};

}  // namespace kivo
