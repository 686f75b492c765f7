#pragma once
// The game's destination chooser: only the drive of the folder its opener
// hands it (KivoinstFolder) changes, the rest of the path (":\KIVO") passes through.

#include <string>

#include "choosers/chooser_services.h"
#include "choosers/drive_fallback.h"
#include "choosers/drive_selector_model.h"

namespace kivo {

class Foldersel4Rules {
 public:
  Foldersel4Rules(DriveSelectorModel& DriveComboBox1, const ChooserServices& services, std::string& folder);
  ~Foldersel4Rules();
  Foldersel4Rules(const Foldersel4Rules&) = delete;
  Foldersel4Rules& operator=(const Foldersel4Rules&) = delete;

  void FormShow();
  void DriveComboBox1Change();
  void Button1Click();
  void Button2Click();

  const std::string& work_folder() const { return WorkFolder; }
  const std::string& cancel_folder() const { return CancelFolder; }

 private:
  DriveSelectorModel& selector_;
  ChooserServices services_;
  std::string& folder_;
  DriveFallback fallback_;
  std::string CancelFolder;
  std::string WorkFolder;
};

// `folder` moved to drive `letter`: only its first character changes. A
// folder without a drive letter becomes the only destination the game allows,
// letter + ":\KIVO".
std::string on_drive(const std::string& folder, char letter);

}  // namespace kivo
