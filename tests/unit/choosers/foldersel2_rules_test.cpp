#include "choosers/foldersel2_rules.h"

#include "folder_browser_fixture.h"

namespace kivo {
namespace {

using Foldersel2Test = FolderBrowserTest<Foldersel2Rules, &Answers::Win68instFolder>;

TEST_F(Foldersel2Test, DefaultFolderRoundTripLosesOneLevelPerOk) {
  shared.Win68instFolder = "C:\\Winx68k\\";
  rules.OnShow();
  EXPECT_EQ(selector.letter(), 'c');
  EXPECT_EQ(list.folder(), "C:\\Winx68k");
  EXPECT_EQ(edit.text(), "C:\\Winx68k");
  rules.Button1Click();
  EXPECT_EQ(shared.Win68instFolder, "C:\\Winx68k");
  EXPECT_EQ(closes, 1);

  rules.OnShow();  // folder part of C:\Winx68k is C:\, and the list moves up to it
  EXPECT_EQ(edit.text(), "C:\\");
  rules.Button1Click();
  EXPECT_EQ(shared.Win68instFolder, "C:\\");
  EXPECT_TRUE(errors.empty());
}

TEST_F(Foldersel2Test, ListAlreadyOnTheParentKeepsTheStartPathInTheField) {
  shared.Win68instFolder = "C:\\Winx68k";
  pick('c');
  rules.OnShow();
  EXPECT_EQ(list.folder(), "c:\\");
  EXPECT_EQ(edit.text(), "C:\\Winx68k");
}

TEST_F(Foldersel2Test, MissingStartFolderIsReportedAndTheDialogOpensOnTheDrive) {
  shared.Win68instFolder = "C:\\Winx68k\\";
  fs.remove_directory("C:\\Winx68k");
  rules.OnShow();
  EXPECT_EQ(errors, std::vector<std::string>{"フォルダ C:\\Winx68k が見つかりません。"});
  EXPECT_EQ(list.folder(), "c:\\");
  EXPECT_EQ(edit.text(), "c:\\");
  EXPECT_EQ(closes, 0);

  rules.OnShow();  // selector already on c: the drive step does not run, the field keeps the start path
  EXPECT_EQ(errors.size(), 2u);
  EXPECT_EQ(edit.text(), "C:\\Winx68k\\");
}

TEST_F(Foldersel2Test, EmptyCdDriveSendsTheSelectorBackSilently) {
  shared.Win68instFolder = "C:\\Winx68k\\";
  rules.OnShow();
  pick('d');
  open("games");
  edit.set_text("D:\\typed");
  pick('e');
  EXPECT_EQ(selector.letter(), 'd');
  EXPECT_EQ(list.folder(), "d:\\games");
  EXPECT_EQ(edit.text(), "d:\\games");
  EXPECT_TRUE(errors.empty());
}

TEST_F(Foldersel2Test, CancelAfterWanderingAndTheCloseBoxBothKeepTheOpeningValue) {
  shared.Win68instFolder = "C:\\Winx68k\\";
  rules.OnShow();
  pick('d');
  open("emu");
  edit.set_text("X:\\somewhere");
  EXPECT_EQ(shared.Win68instFolder, "C:\\Winx68k\\");  // closing by the box runs no step
  rules.Button2Click();
  EXPECT_EQ(shared.Win68instFolder, "C:\\Winx68k\\");
  EXPECT_EQ(closes, 1);
}

TEST_F(Foldersel2Test, EnterStoresTheTypedTextUnchangedOtherKeysDoNothing) {
  shared.Win68instFolder = "C:\\Winx68k\\";
  rules.OnShow();
  const std::string typed = "  d:\\新しい フォルダ\\\\ ";
  edit.set_text(typed);
  rules.Edit1KeyDown('A');
  rules.Edit1KeyDown(27);
  EXPECT_EQ(closes, 0);
  rules.Edit1KeyDown(kEnterKey);
  EXPECT_EQ(shared.Win68instFolder, typed);
  EXPECT_EQ(closes, 1);
}

TEST_F(Foldersel2Test, ControlsAndLastGoodDriveSurviveBetweenShowings) {
  shared.Win68instFolder = "D:\\games\\";
  rules.OnShow();
  open("old");
  rules.Button2Click();
  EXPECT_EQ(list.folder(), "D:\\games\\old");

  shared.Win68instFolder = "E:\\KIVO\\";  // the empty CD drive
  rules.OnShow();
  EXPECT_EQ(rules.last_good_drive(), 'e');
  pick('d');
  EXPECT_EQ(rules.last_good_drive(), 'd');
  EXPECT_EQ(edit.text(), "D:\\games\\old");  // the list stayed on d, so it did not move
}

TEST_F(Foldersel2Test, RootThatCannotBeOpenedFallsBackToTheOpeningDrive) {
  fs.add_drive('F');
  drives.add('f');
  selector.replace_entries(drives.list());
  fs.hide_from_is_directory("f:\\.");
  shared.Win68instFolder = "D:\\emu\\";
  rules.OnShow();
  pick('f');
  EXPECT_EQ(selector.letter(), 'd');
  EXPECT_EQ(edit.text(), "D:\\emu");  // the drive step ran again for d
}

// Empty, relative and network start paths name no drive the selector has.
TEST_F(Foldersel2Test, StartWithoutDriveLetterEndsOnAUsableDrive) {
  for (const std::string start : {"", "Winx68k\\", "\\\\server\\share\\emu\\", "\\", ":"}) {
    SCOPED_TRACE(start);
    shared.Win68instFolder = start;
    rules.OnShow();
    EXPECT_EQ(selector.letter(), 'q');
    EXPECT_EQ(edit.text(), start);
    EXPECT_TRUE(errors.empty());
    pick('e');  // the fallback from an empty CD drive ends too
    EXPECT_EQ(selector.letter(), 'q');
    rules.Button1Click();
    EXPECT_EQ(shared.Win68instFolder, "Q:\\");
  }
}

TEST_F(Foldersel2Test, FallbackEndsWhenNothingShownAndTheProgramDriveIsGone) {
  env.program = "\\\\server\\cd\\kivo68i.exe";
  selector.replace_entries({});
  shared.Win68instFolder = "";
  rules.OnShow();
  EXPECT_EQ(edit.text(), "");
  selector.set_letter('\0');  // raises the drive step for a letter no entry has, and returns
  EXPECT_EQ(selector.letter(), '\0');
}

// Two drives that each fail a different root test would send the selector
// back and forth for ever if tried letters were not remembered.
TEST_F(Foldersel2Test, TwoFailingDrivesDoNotBounceForEver) {
  fs.add_drive('F');
  drives.add('f');
  selector.replace_entries(drives.list());
  shared.Win68instFolder = "E:\\";  // the empty CD: its letter is the Cancel copy's first character
  rules.OnShow();
  pick('f');
  EXPECT_EQ(rules.last_good_drive(), 'f');
  fs.hide_from_is_directory("f:\\.");
  pick('e');  // e fails: back to f, which now fails its second test: back to e, already tried
  EXPECT_EQ(selector.letter(), 'f');
}

}  // namespace
}  // namespace kivo
