#include "choosers/folder_list_model.h"

#include "chooser_fixture.h"

namespace kivo {
namespace {

class FolderListTest : public ChooserTest {
 protected:
  FolderListTest() {
    list.on_change = [this] { ++changes; };
  }
  int changes = 0;
};

TEST_F(FolderListTest, FoldersWithoutTrailingBackslashExceptRootsDrivesAtTheirCurrentFolder) {
  list.set_folder("C:\\Winx68k\\");
  EXPECT_EQ(list.folder(), "C:\\Winx68k");
  list.set_folder("c:\\WINX68K\\");  // the folder shown again: no move
  EXPECT_EQ(list.folder(), "C:\\Winx68k");
  list.set_folder("C:\\");
  EXPECT_EQ(list.folder(), "C:\\");
  list.set_folder("D:\\games\\.\\old\\..\\\\old\\\\");
  EXPECT_EQ(list.folder(), "D:\\games\\old");
  EXPECT_EQ(list.drive(), 'd');
  EXPECT_EQ(changes, 3);

  // Another drive goes to that drive's current folder.
  drives.current_folders['c'] = "C:\\Winx68k";
  list.set_drive('C');
  EXPECT_EQ(list.folder(), "c:\\Winx68k");
  list.set_drive('c');  // the same drive: nothing
  EXPECT_EQ(changes, 4);
  drives.current_folders['d'] = "D:\\Gone";  // a current folder deleted since: its root
  list.set_drive('d');
  EXPECT_EQ(list.folder(), "d:\\");
  list.set_folder("C:");  // a bare drive means its current folder
  EXPECT_EQ(list.folder(), "C:\\Winx68k");
  EXPECT_EQ(changes, 6);
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

}  // namespace
}  // namespace kivo
