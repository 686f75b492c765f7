#pragma once
// One folder browser with its three controls over the chooser test machine.
// The selector and the list start where the process starts: on Q:\.

#include "chooser_fixture.h"
#include "choosers/folder_browser_rules.h"

namespace kivo {

// `Answer` is the value the browser starts from and answers in.
template <class Rules, auto Answer>
class FolderBrowserTest : public ChooserTest {
 protected:
  // Picks the selector entry of a drive letter, as the user does.
  void pick(char letter) {
    for (std::size_t i = 0; i < selector.entries().size(); ++i)
      if (selector.entries()[i].letter == letter) return selector.pick(static_cast<int>(i));
    FAIL() << "no entry for " << letter;
  }
  // Double-clicks the list row with this name.
  void open(const std::string& name) {
    for (std::size_t i = 0; i < list.rows().size(); ++i)
      if (list.rows()[i].name == name) return list.open_row(i);
    FAIL() << "no row " << name;
  }

  DriveSelectorModel selector{drives.list(), drive_letter_of(drives.process_folder)};
  FolderListModel list{fs, drives, drives.process_folder};
  PlainTextBox edit;
  Rules rules{FolderBrowserControls{selector, list, edit}, services(), shared.*Answer};

 private:
  static char drive_letter_of(const std::string& path) { return path.empty() ? '\0' : path[0]; }
};

}  // namespace kivo
