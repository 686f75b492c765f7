#include "choosers/winsasi2_rules.h"

#include "chooser_fixture.h"

namespace kivo {
namespace {

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
