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
#include "choosers/foldersel2_rules.h"
#include "choosers/foldersel4_rules.h"
#include "choosers/winsasi2_rules.h"

namespace kivo {
namespace {

constexpr const char* kLetters = "cdefq";  // the selector's entries, in order

class ChooserTest : public testing_support::SubsystemTest {
 protected:
  ChooserTest() {
    for (const char letter : std::string_view(kLetters)) {
      fs.add_drive(letter, /*ready=*/letter != 'e');
      drives.add(letter, letter == 'e' || letter == 'q' ? DriveKind::cd_rom : DriveKind::fixed);
    }
    // D:\games on its own: a parent made on the way is named in upper case.
    for (const char* folder : {"C:\\Winx68k", "C:\\Program Files", "D:\\games", "D:\\games\\old", "D:\\emu"})
      fs.add_directory(folder);
    drives.process_folder = "Q:\\";
    selector.replace_entries(drives.list());
    list.on_change = [this] { ++changes; };  // the folder browsers listen instead
  }

  ChooserServices chooser_services() {
    return {{services}, [this](const std::string& m) { errors.push_back(m); }, [this] { ++closes; }};
  }
  // Picks the selector entry of a drive letter, as the user does; the letter it ends on.
  char pick(char letter) {
    selector.pick(static_cast<int>(std::string_view(kLetters).find(letter)));
    return selector.letter();
  }

  // Double-clicks the list row with this name.
  void open(const std::string& name) {
    for (std::size_t i = 0; i < list.rows().size(); ++i)
      if (list.rows()[i].name == name) return list.open_row(i);
    FAIL() << "no row " << name;
  }

  DriveSelectorModel selector{'q'};
  FolderListModel list{fs, drives, "Q:\\"};
  std::vector<std::string> errors;
  int closes = 0;
  int changes = 0;  // of the list's folder
};

// One folder browser over the three controls, starting from and answering in `answer`.
template <class Rules, class Answer>
class FolderBrowserTest : public ChooserTest {
 protected:
  // The selector's letter, the list's folder and the field's text.
  std::string shown() const {
    return std::string(1, selector.letter()) + " " + list.folder() + " " + edit.text();
  }

  PlainTextBox edit;
  Answer answer{};
  Rules rules{FolderBrowserControls{selector, list, edit}, chooser_services(), answer};
};

TEST(DriveSelectorModel, SetLetterRaisesOnlyForAnotherLetterPickingAlways) {
  DriveSelectorModel selector(
      {DriveEntry{'c', "c:", DriveKind::fixed, -1}, DriveEntry{'d', "d:", DriveKind::fixed, -1},
       DriveEntry{'q', "q:", DriveKind::cd_rom, -1}},
      'Q');
  int changes = 0;
  selector.on_change = [&] { ++changes; };
  // The letter held, the entry shown and how often a change was raised.
  const auto state = [&] {
    const auto letter = [](char c) { return std::string(1, c ? c : '-'); };
    return letter(selector.letter()) + " " + letter(selector.shown_letter()) + " " +
           std::to_string(selector.selected_index()) + " " + std::to_string(changes);
  };
  selector.set_letter('Q');  // the held letter, other case: nothing
  EXPECT_EQ(state(), "q q 2 0");
  selector.set_letter('C');
  EXPECT_EQ(state(), "c c 0 1");
  // A letter without entry is held and keeps the shown entry.
  for (const char letter : {'Z', 'z'}) selector.set_letter(letter);
  EXPECT_EQ(state(), "z c 0 2");
  // 0 clears the entry and raises every time: a fallback to 0 needs a guard.
  for (const char letter : {'\0', '\0'}) selector.set_letter(letter);
  EXPECT_EQ(state(), "- - -1 4");
  // Picking raises even for the same entry and ignores bad indexes.
  for (const int index : {0, 1, 1, 3, -1}) selector.pick(index);
  EXPECT_EQ(state(), "d d 1 7");
}

using FolderListTest = ChooserTest;

TEST_F(FolderListTest, FoldersWithoutTrailingBackslashExceptRootsDrivesAtTheirCurrentFolder) {
  drives.current_folders['c'] = "C:\\Winx68k";
  // The folder the list shows after going to a folder or a drive, and how often it moved.
  const auto go = [&](const std::string& folder) {
    folder.size() == 1 ? list.set_drive(folder[0]) : list.set_folder(folder);
    return list.folder() + " " + std::to_string(changes);
  };
  EXPECT_EQ(go("C:\\Winx68k\\"), "C:\\Winx68k 1");
  EXPECT_EQ(go("c:\\WINX68K\\"), "C:\\Winx68k 1");  // the folder shown again: no move
  EXPECT_EQ(go("C:\\"), "C:\\ 2");
  EXPECT_EQ(go("D:\\games\\.\\old\\..\\\\old\\\\"), "D:\\games\\old 3");
  EXPECT_EQ(list.drive(), 'd');
  EXPECT_EQ(go("C"), "c:\\Winx68k 4");       // another drive goes to that drive's current folder
  EXPECT_EQ(go("c"), "c:\\Winx68k 4");       // the same drive: nothing
  drives.current_folders['d'] = "D:\\Gone";  // a current folder deleted since: its root
  EXPECT_EQ(go("d"), "d:\\ 5");
  EXPECT_EQ(go("C:"), "C:\\Winx68k 6");  // a bare drive means its current folder
}

TEST_F(FolderListTest, RowsRunFromTheRootDownThenTheSubfolders) {
  fs.add_directory("D:\\表\\ソ\\能");
  fs.add_directory("D:\\表\\ソ\\予定");
  list.set_folder("D:\\表\\ソ");
  std::vector<std::string> shown;
  for (const auto& row : list.rows())
    shown.push_back(std::string(static_cast<std::size_t>(row.level), ' ') + row.name + (row.open ? "*" : ""));
  EXPECT_EQ(shown, (std::vector<std::string>{"d:\\*", " 表*", "  ソ*", "   予定", "   能"}));
  EXPECT_EQ(list.current_row(), 2u);
  EXPECT_EQ(list.rows()[4].path, "D:\\表\\ソ\\能");

  list.open_row(4);  // double-click or Enter on 能
  EXPECT_EQ(list.folder(), "D:\\表\\ソ\\能");
  list.open_row(0);
  EXPECT_EQ(list.folder(), "D:\\");
  EXPECT_EQ(list.rows()[1].path, "D:\\emu");
  list.open_row(99);
  EXPECT_EQ(changes, 3);
}

TEST_F(FolderListTest, UnreadableFolderShowsNoSubfoldersAndStartWithoutDriveUsesTheFirstDrive) {
  fs.fail(fake::FsOp::list_subfolders, win_error::access_denied, "Program Files");
  list.set_folder("C:\\Program Files");
  EXPECT_EQ(list.rows().size(), 2u);

  FolderListModel from_share(fs, drives, "\\\\server\\share");
  EXPECT_EQ(from_share.folder(), "c:\\");
}

class Foldersel2Test : public FolderBrowserTest<Foldersel2Rules, std::string> {
 protected:
  std::string show(const std::string& start) {
    answer = start;
    rules.OnShow();
    return shown();
  }
};

TEST_F(Foldersel2Test, OkAndEnterStoreTheFieldLosingOneLevelPerShowingCancelKeepsTheOpeningValue) {
  EXPECT_EQ(show("C:\\Winx68k\\"), "c C:\\Winx68k C:\\Winx68k");
  rules.Button1Click();
  EXPECT_EQ(answer, "C:\\Winx68k");

  rules.OnShow();  // the folder part of C:\Winx68k is C:\, and the list moves up to it
  EXPECT_EQ(edit.text(), "C:\\");
  pick('d');
  open("emu");
  edit.set_text("X:\\somewhere");
  EXPECT_EQ(answer, "C:\\Winx68k");  // closing by the box runs no step
  rules.Button2Click();
  EXPECT_EQ(answer, "C:\\Winx68k");

  const std::string typed = "  d:\\新しい フォルダ\\\\ ";  // taken unchanged
  edit.set_text(typed);
  rules.Edit1KeyDown('A');
  rules.Edit1KeyDown(27);
  EXPECT_EQ(closes, 2);
  rules.Edit1KeyDown(kEnterKey);
  EXPECT_EQ(answer, typed);
  EXPECT_EQ(closes, 3);
  EXPECT_TRUE(errors.empty());
}

TEST_F(Foldersel2Test, MissingStartFolderIsReportedAndTheDialogOpensOnTheDrive) {
  fs.remove_directory("C:\\Winx68k");
  EXPECT_EQ(show("C:\\Winx68k\\"), "c c:\\ c:\\");
  EXPECT_EQ(errors, std::vector<std::string>{"フォルダ C:\\Winx68k が見つかりません。"});
  EXPECT_EQ(closes, 0);

  rules.OnShow();  // selector already on c: no drive step, the field keeps the start path
  EXPECT_EQ(errors.size(), 2u);
  EXPECT_EQ(edit.text(), "C:\\Winx68k\\");
}

// A drive whose root fails a test sends the selector back and the field to
// where the list is, silently; two failing drives do not bounce for ever.
TEST_F(Foldersel2Test, DriveThatCannotBeUsedFallsBack) {
  show("C:\\Winx68k\\");
  pick('d');
  open("games");
  edit.set_text("D:\\typed");
  pick('e');  // no disc: back to the last good drive
  EXPECT_EQ(shown(), "d d:\\games d:\\games");
  EXPECT_TRUE(errors.empty());

  show("E:\\");  // the empty CD: its letter is the Cancel copy's first character
  pick('f');
  EXPECT_EQ(rules.last_good_drive(), 'f');
  fs.hide_from_is_directory("f:\\.");
  // e fails: back to f, which now fails its second test: back to e, already tried
  EXPECT_EQ(pick('e'), 'f');

  show("D:\\emu\\");
  EXPECT_EQ(pick('f'), 'd');          // a root that cannot be opened: back to the opening drive
  EXPECT_EQ(edit.text(), "D:\\emu");  // the drive step ran again for d
}

// Empty, relative and network start paths name no drive the selector has.
TEST_F(Foldersel2Test, StartWithoutDriveLetterEndsOnAUsableDrive) {
  for (const std::string start : {"", "Winx68k\\", "\\\\server\\share\\emu\\", "\\", ":"}) {
    SCOPED_TRACE(start);
    EXPECT_EQ(show(start), "q Q:\\ " + start);
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(pick('e'), 'q');  // the fallback from an empty CD drive ends too
    rules.Button1Click();
    EXPECT_EQ(answer, "Q:\\");
  }
  environment.program = "\\\\server\\cd\\kivo68i.exe";
  selector.replace_entries({});
  show("");
  selector.set_letter('\0');  // a drive step for a letter no entry has returns
  EXPECT_EQ(selector.letter(), '\0');
}

class Foldersel4Test : public ChooserTest {
 protected:
  void show(const std::string& start) {
    folder = start;
    rules.FormShow();
  }
  std::string folder;
  Foldersel4Rules rules{selector, chooser_services(), folder};
};

TEST_F(Foldersel4Test, FolderWithoutDriveLetterEndsOnADriveAndTheGamesFolder) {
  for (const std::string start : {"", "KIVO", "\\\\server\\share\\KIVO"}) {
    SCOPED_TRACE(start);
    show(start);
    pick('e');  // the fallback letter is not a drive: it ends on the shown one
    pick('d');
    rules.Button1Click();
    EXPECT_EQ(folder, "d:\\KIVO");
  }
}

TEST_F(Foldersel4Test, ShownDriveThatFailsTooEndsTheFallback) {
  show("E:\\KIVO");  // the empty CD, held from the start
  EXPECT_EQ(selector.letter(), 'e');
  EXPECT_EQ(rules.work_folder(), "E:\\KIVO");
  selector.replace_entries({});
  selector.set_letter('\0');
  EXPECT_EQ(rules.work_folder(), "E:\\KIVO");
}

using Winsasi2Test = FolderBrowserTest<Winsasi2Rules, char>;

TEST_F(Winsasi2Test, OkCancelAndEnterAnswerTheFieldsFirstCharacter) {
  rules.FormShow();  // selector and list already on Q:\, so neither moves
  EXPECT_EQ(edit.text(), "Q:\\kivo68i.exe");
  rules.Button1Click();
  EXPECT_EQ(answer, 'Q');

  pick('d');
  rules.FormShow();  // now the drive step runs and the field shows the list's folder
  EXPECT_EQ(edit.text(), "q:\\");
  edit.set_text("");
  rules.Button1Click();
  EXPECT_EQ(answer, '\0');

  rules.FormShow();
  edit.set_text("d:\\foo");
  rules.Button2Click();
  EXPECT_EQ(answer, 'd');
  EXPECT_EQ(closes, 3);

  edit.set_text("E:\\Kivo");  // Enter answers but keeps the dialog open
  rules.Edit1KeyDown('E');
  EXPECT_EQ(answer, 'd');
  rules.Edit1KeyDown(kEnterKey);
  EXPECT_EQ(answer, 'E');
  edit.set_text("表\\x");  // accepted unchanged; only its first byte is the answer
  rules.Edit1KeyDown(kEnterKey);
  EXPECT_EQ(answer, "表"[0]);
  EXPECT_EQ(closes, 3);
}

}  // namespace
}  // namespace kivo
