#pragma once
// The chooser test machine: drives C (with C:\Winx68k), D (with a few
// folders), an empty CD drive E, F and the program's CD drive Q; the selector
// and the list start where the process does, on Q:\. Records the error boxes
// shown and how often the dialog closed.

#include <string>
#include <vector>

#include "../subsystem_fixture.h"
#include "choosers/chooser_services.h"
#include "choosers/drive_selector_model.h"
#include "choosers/folder_browser_rules.h"
#include "choosers/folder_list_model.h"

namespace kivo {

class ChooserTest : public testing_support::SubsystemTest {
 protected:
  ChooserTest() {
    fs.add_directory("C:\\Winx68k");
    fs.add_directory("C:\\Program Files");
    fs.add_drive('D');
    fs.add_directory("D:\\games");  // on its own: a parent made on the way is named in upper case
    fs.add_directory("D:\\games\\old");
    fs.add_directory("D:\\emu");
    fs.add_drive('E', /*ready=*/false);
    fs.add_drive('F');
    fs.add_drive('Q');
    for (const char letter : {'c', 'd', 'e', 'f', 'q'})
      drives.add(letter, letter == 'e' || letter == 'q' ? DriveKind::cd_rom : DriveKind::fixed);
    drives.process_folder = "Q:\\";
    selector.replace_entries(drives.list());
  }

  ChooserServices chooser_services() {
    return {{services}, [this](const std::string& m) { errors.push_back(m); }, [this] { ++closes; }};
  }
  // Picks the selector entry of a drive letter, as the user does.
  void pick(char letter) {
    for (std::size_t i = 0; i < selector.entries().size(); ++i)
      if (selector.entries()[i].letter == letter) return selector.pick(static_cast<int>(i));
    FAIL() << "no entry for " << letter;
  }

  DriveSelectorModel selector{'q'};
  FolderListModel list{fs, drives, "Q:\\"};
  std::vector<std::string> errors;
  int closes = 0;
};

// One folder browser over the three controls, starting from and answering in `answer`.
template <class Rules, class Answer>
class FolderBrowserTest : public ChooserTest {
 protected:
  // Double-clicks the list row with this name.
  void open(const std::string& name) {
    for (std::size_t i = 0; i < list.rows().size(); ++i)
      if (list.rows()[i].name == name) return list.open_row(i);
    FAIL() << "no row " << name;
  }

  PlainTextBox edit;
  Answer answer{};
  Rules rules{FolderBrowserControls{selector, list, edit}, chooser_services(), answer};
};

}  // namespace kivo
