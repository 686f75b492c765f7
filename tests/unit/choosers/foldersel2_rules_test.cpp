#include "choosers/foldersel2_rules.h"

#include "chooser_fixture.h"

namespace kivo {
namespace {

class Foldersel2Test : public FolderBrowserTest<Foldersel2Rules, std::string> {
 protected:
  void show(const std::string& start) {
    answer = start;
    rules.OnShow();
  }
};

TEST_F(Foldersel2Test, OkAndEnterStoreTheFieldLosingOneLevelPerShowingCancelKeepsTheOpeningValue) {
  show("C:\\Winx68k\\");
  EXPECT_EQ(selector.letter(), 'c');
  EXPECT_EQ(list.folder(), "C:\\Winx68k");
  EXPECT_EQ(edit.text(), "C:\\Winx68k");
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
  show("C:\\Winx68k\\");
  EXPECT_EQ(errors, std::vector<std::string>{"フォルダ C:\\Winx68k が見つかりません。"});
  EXPECT_EQ(list.folder(), "c:\\");
  EXPECT_EQ(edit.text(), "c:\\");
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
  EXPECT_EQ(selector.letter(), 'd');
  EXPECT_EQ(list.folder(), "d:\\games");
  EXPECT_EQ(edit.text(), "d:\\games");
  EXPECT_TRUE(errors.empty());

  show("E:\\");  // the empty CD: its letter is the Cancel copy's first character
  pick('f');
  EXPECT_EQ(rules.last_good_drive(), 'f');
  fs.hide_from_is_directory("f:\\.");
  pick('e');  // e fails: back to f, which now fails its second test: back to e, already tried
  EXPECT_EQ(selector.letter(), 'f');

  show("D:\\emu\\");
  pick('f');  // a root that cannot be opened: back to the opening drive
  EXPECT_EQ(selector.letter(), 'd');
  EXPECT_EQ(edit.text(), "D:\\emu");  // the drive step ran again for d
}

// Empty, relative and network start paths name no drive the selector has.
TEST_F(Foldersel2Test, StartWithoutDriveLetterEndsOnAUsableDrive) {
  for (const std::string start : {"", "Winx68k\\", "\\\\server\\share\\emu\\", "\\", ":"}) {
    SCOPED_TRACE(start);
    show(start);
    EXPECT_EQ(selector.letter(), 'q');
    EXPECT_EQ(edit.text(), start);
    EXPECT_TRUE(errors.empty());
    pick('e');  // the fallback from an empty CD drive ends too
    EXPECT_EQ(selector.letter(), 'q');
    rules.Button1Click();
    EXPECT_EQ(answer, "Q:\\");
  }
  environment.program = "\\\\server\\cd\\kivo68i.exe";
  selector.replace_entries({});
  show("");
  selector.set_letter('\0');  // a drive step for a letter no entry has returns
  EXPECT_EQ(selector.letter(), '\0');
}

}  // namespace
}  // namespace kivo
