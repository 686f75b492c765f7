#include "choosers/foldersel4_rules.h"

#include "chooser_fixture.h"

namespace kivo {
namespace {

class Foldersel4Test : public ChooserTest {
 protected:
  void show(const std::string& start) {
    folder = start;
    rules.FormShow();
  }
  std::string folder;
  Foldersel4Rules rules{selector, chooser_services(), folder};
};

TEST_F(Foldersel4Test, PickedDriveReplacesOnlyTheFirstCharacterOkKeepsItCancelDoesNot) {
  show("C:\\KIVO");
  EXPECT_EQ(rules.work_folder(), "c:\\KIVO");  // shown from another drive: the letter is lowered
  for (const char d : {'d', 'f', 'e', 'q', 'c', 'd'}) {
    pick(d);
    EXPECT_EQ(rules.work_folder().substr(1), ":\\KIVO");
  }
  EXPECT_EQ(folder, "C:\\KIVO");  // the close box runs no step
  rules.Button1Click();
  EXPECT_EQ(folder, "d:\\KIVO");

  show("C:\\KIVO");  // selector already on d: the drive step runs
  pick('f');
  pick('e');  // the empty CD: back to the last accepted drive
  EXPECT_EQ(selector.letter(), 'f');
  EXPECT_EQ(rules.work_folder(), "f:\\KIVO");
  rules.Button2Click();
  EXPECT_EQ(folder, "C:\\KIVO");
  EXPECT_EQ(closes, 2);

  pick('c');
  show("C:\\KIVO");  // selector already on c: nothing runs, the value stays as given
  EXPECT_EQ(rules.work_folder(), "C:\\KIVO");
}

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

}  // namespace
}  // namespace kivo
