#include "choosers/foldersel4_rules.h"

#include "chooser_fixture.h"

namespace kivo {
namespace {

class Foldersel4Test : public ChooserTest {
 protected:
  Foldersel4Test() {
    fs.add_drive('F');
    drives.add('f');
    selector.replace_entries(drives.list());
  }
  void pick(char letter) {
    for (std::size_t i = 0; i < selector.entries().size(); ++i)
      if (selector.entries()[i].letter == letter) return selector.pick(static_cast<int>(i));
    FAIL() << "no entry for " << letter;
  }

  DriveSelectorModel selector{drives.list(), 'q'};
  Foldersel4Rules rules{selector, services(), shared.KivoinstFolder};
};

TEST_F(Foldersel4Test, ShowFromAnotherDriveLowersTheLetterOkKeepsItCancelDoesNot) {
  shared.KivoinstFolder = "C:\\KIVO";
  rules.FormShow();
  EXPECT_EQ(rules.work_folder(), "c:\\KIVO");
  rules.Button1Click();
  EXPECT_EQ(shared.KivoinstFolder, "c:\\KIVO");

  shared.KivoinstFolder = "C:\\KIVO";
  rules.FormShow();  // selector already on c: nothing runs, the value stays as given
  EXPECT_EQ(rules.work_folder(), "C:\\KIVO");
  rules.Button2Click();
  EXPECT_EQ(shared.KivoinstFolder, "C:\\KIVO");
  EXPECT_EQ(closes, 2);
}

TEST_F(Foldersel4Test, PickedDriveReplacesOnlyTheFirstCharacter) {
  shared.KivoinstFolder = "C:\\KIVO";
  rules.FormShow();
  for (char d : {'d', 'f', 'e', 'q', 'c', 'd'}) {
    pick(d);
    EXPECT_EQ(rules.work_folder().substr(1), ":\\KIVO");
  }
  rules.Button1Click();
  EXPECT_EQ(shared.KivoinstFolder, "d:\\KIVO");
}

TEST_F(Foldersel4Test, CancelAfterSeveralDrivesAndTheCloseBoxKeepTheOpeningValue) {
  shared.KivoinstFolder = "C:\\KIVO";
  rules.FormShow();
  pick('d');
  pick('f');
  EXPECT_EQ(shared.KivoinstFolder, "C:\\KIVO");  // the close box runs no step
  rules.Button2Click();
  EXPECT_EQ(shared.KivoinstFolder, "C:\\KIVO");
}

TEST_F(Foldersel4Test, EmptyRemovableDriveGoesBackToTheLastAcceptedDrive) {
  shared.KivoinstFolder = "C:\\KIVO";
  rules.FormShow();
  pick('d');
  pick('e');
  EXPECT_EQ(selector.letter(), 'd');
  rules.Button1Click();
  EXPECT_EQ(shared.KivoinstFolder, "d:\\KIVO");
}

TEST_F(Foldersel4Test, FolderWithoutDriveLetterEndsOnADriveAndTheGamesFolder) {
  for (const std::string start : {"", "KIVO", "\\\\server\\share\\KIVO"}) {
    SCOPED_TRACE(start);
    shared.KivoinstFolder = start;
    rules.FormShow();
    pick('e');  // the fallback letter is not a drive: it ends on the shown one
    pick('d');
    rules.Button1Click();
    EXPECT_EQ(shared.KivoinstFolder, "d:\\KIVO");
  }
}

TEST_F(Foldersel4Test, ShownDriveThatFailsTooEndsTheFallback) {
  shared.KivoinstFolder = "E:\\KIVO";  // the empty CD, held from the start
  rules.FormShow();
  EXPECT_EQ(selector.letter(), 'e');
  EXPECT_EQ(rules.work_folder(), "E:\\KIVO");
  selector.replace_entries({});
  selector.set_letter('\0');
  EXPECT_EQ(rules.work_folder(), "E:\\KIVO");
}

}  // namespace
}  // namespace kivo
