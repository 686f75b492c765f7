#pragma once
// What the two folder browsers (the emulator's destination and the drive
// question of the boot disk setup) have in common: the three linked controls,
// the root tests and the drive fallback.

#include <string>

#include "choosers/chooser_services.h"
#include "choosers/drive_fallback.h"
#include "choosers/drive_selector_model.h"
#include "choosers/folder_list_model.h"
#include "choosers/text_box.h"

namespace kivo {

struct FolderBrowserControls {
  DriveSelectorModel& DriveComboBox1;
  FolderListModel& DirectoryListBox1;
  TextBox& Edit1;
};

inline constexpr int kEnterKey = 13;

class FolderBrowserRules {
 public:
  FolderBrowserRules(const FolderBrowserControls& controls, const ChooserServices& services);
  virtual ~FolderBrowserRules();
  FolderBrowserRules(const FolderBrowserRules&) = delete;
  FolderBrowserRules& operator=(const FolderBrowserRules&) = delete;

  char last_good_drive() const { return last_good_drive_; }

 protected:
  // The drive the show step selects for a start path: the path's own drive,
  // or, when it has none the selector knows (empty, relative, network share),
  // the drive the selector shows, else the program's own drive.
  char start_drive(const std::string& start_path) const;
  // Steps 4 to 6 of a show step: the path field, the selector, the list.
  void show_start(const std::string& start_path, char drive);
  // Root test "d:\" as the drive step makes it; false for anything but a letter.
  bool root_exists(char letter, bool with_dot) const;
  // Drive step after the root tests: list to the drive, path field to the list.
  void accept_drive(char letter);
  void copy_list_folder_to_field();
  char program_drive() const;

  DriveSelectorModel& selector_;
  FolderListModel& list_;
  TextBox& edit_;
  ChooserServices services_;
  DriveFallback fallback_;
  char last_good_drive_ = 'c';
};

// First character of a text, 0 when it is empty.
char first_character(const std::string& text);

}  // namespace kivo
