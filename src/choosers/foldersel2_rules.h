#pragma once
// The emulator's destination folder browser: starts from the folder its opener
// hands it (Win68instFolder) and answers in it; Cancel puts back the value it
// was opened with.

#include "choosers/folder_browser_rules.h"

namespace kivo {

class Foldersel2Rules : public FolderBrowserRules {
 public:
  Foldersel2Rules(const FolderBrowserControls& controls, const ChooserServices& services,
                  std::string& folder);

  void OnShow();
  void dcbOnChange();
  void dlbOnChange();
  void Edit1KeyDown(int key);
  void Button1Click();
  void Button2Click();

  const std::string& saved_folder() const { return SavedFolder; }

 private:
  std::string& folder_;
  std::string SavedFolder;
};

}  // namespace kivo
