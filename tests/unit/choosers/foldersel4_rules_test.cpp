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
