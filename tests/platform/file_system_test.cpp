#include <gtest/gtest.h>

#include "platform/win32/win32_file_system.h"
#include "scratch_folder.h"

namespace kivo {
namespace {

using scratch::make_folder;
using scratch::read_file;
using scratch::ScratchFolder;
using scratch::write_file;

class Win32FileSystemTest : public ::testing::Test {
 protected:
  Win32FileSystem fs;
  ScratchFolder dir;
};

TEST_F(Win32FileSystemTest, TellsFilesFromFoldersAndDriveRoots) {
  write_file(dir / "a.txt", "a");
  EXPECT_TRUE(fs.is_file(dir / "a.txt"));
  EXPECT_FALSE(fs.is_directory(dir / "a.txt"));
  EXPECT_TRUE(fs.is_directory(dir.path()));
  EXPECT_FALSE(fs.is_file(dir.path()));
  EXPECT_TRUE(fs.is_directory("C:\\"));
  EXPECT_FALSE(fs.is_file(dir / "missing.txt"));
  EXPECT_FALSE(fs.is_directory(dir / "missing"));
  EXPECT_FALSE(fs.is_file(""));
}

TEST_F(Win32FileSystemTest, CopiesWithAndWithoutFailIfExists) {
  write_file(dir / "a.txt", "first");
  write_file(dir / "b.txt", "second");
  EXPECT_EQ(fs.copy_file(dir / "a.txt", dir / "b.txt", true).code, win_error::file_exists);
  EXPECT_EQ(read_file(dir / "b.txt"), "second");
  ASSERT_TRUE(fs.copy_file(dir / "a.txt", dir / "b.txt", false).ok());
  EXPECT_EQ(read_file(dir / "b.txt"), "first");
  EXPECT_EQ(fs.copy_file(dir / "none.txt", dir / "c.txt", false).code, win_error::file_not_found);
  EXPECT_EQ(fs.copy_file(dir / "a.txt", dir / "no\\c.txt", false).code, win_error::path_not_found);
}

TEST_F(Win32FileSystemTest, MovesFilesAndFoldersAndReplacesOnlyWhenAsked) {
  write_file(dir / "new.txt", "new");
  write_file(dir / "old.txt", "old");
  EXPECT_EQ(fs.move(dir / "new.txt", dir / "old.txt", MoveMode::fail_if_exists).code,
            win_error::already_exists);
  EXPECT_EQ(read_file(dir / "old.txt"), "old");
  ASSERT_TRUE(fs.move(dir / "new.txt", dir / "old.txt", MoveMode::replace_existing).ok());
  EXPECT_EQ(read_file(dir / "old.txt"), "new");
  EXPECT_FALSE(fs.is_file(dir / "new.txt"));

  make_folder(dir / "backup");
  write_file(dir / "backup\\x.mp3", "x");
  ASSERT_TRUE(fs.move(dir / "backup", dir / "backup2", MoveMode::fail_if_exists).ok());
  EXPECT_EQ(read_file(dir / "backup2\\x.mp3"), "x");
  EXPECT_FALSE(fs.is_directory(dir / "backup"));
}

TEST_F(Win32FileSystemTest, ReadOnlyFilesRefuseChangesUntilCleared) {
  write_file(dir / "ro.txt", "keep");
  write_file(dir / "other.txt", "other");
  ASSERT_TRUE(fs.set_attributes(dir / "ro.txt", file_attribute::read_only).ok());
  std::uint32_t attributes = 0;
  ASSERT_TRUE(fs.get_attributes(dir / "ro.txt", attributes).ok());
  EXPECT_NE(attributes & file_attribute::read_only, 0u);

  EXPECT_EQ(fs.delete_file(dir / "ro.txt").code, win_error::access_denied);
  EXPECT_EQ(fs.copy_file(dir / "other.txt", dir / "ro.txt", false).code, win_error::access_denied);
  EXPECT_EQ(fs.move(dir / "other.txt", dir / "ro.txt", MoveMode::replace_existing).code,
            win_error::access_denied);
  // A flush is not asked about: it changes nothing, and whether it may open
  // the file is Windows' (or Wine's) own answer.
  fs.flush_file(dir / "ro.txt");
  std::unique_ptr<UpdatableFile> file;
  EXPECT_EQ(fs.open_for_update(dir / "ro.txt", file).code, win_error::access_denied);
  EXPECT_EQ(read_file(dir / "ro.txt"), "keep");
  EXPECT_TRUE(fs.is_file(dir / "other.txt"));

  ASSERT_TRUE(fs.set_attributes(dir / "ro.txt", file_attribute::normal).ok());
  EXPECT_TRUE(fs.delete_file(dir / "ro.txt").ok());
  EXPECT_FALSE(fs.is_file(dir / "ro.txt"));
  EXPECT_EQ(fs.get_attributes(dir / "ro.txt", attributes).code, win_error::file_not_found);
}

TEST_F(Win32FileSystemTest, CreatesAndRemovesFolders) {
  EXPECT_EQ(fs.create_directory(dir / "a\\b").code, win_error::path_not_found);
  ASSERT_TRUE(fs.create_directory(dir / "a").ok());
  EXPECT_EQ(fs.create_directory(dir / "a").code, win_error::already_exists);
  write_file(dir / "a\\f.txt", "f");
  EXPECT_EQ(fs.remove_directory(dir / "a").code, win_error::dir_not_empty);
  ASSERT_TRUE(fs.delete_file(dir / "a\\f.txt").ok());
  EXPECT_TRUE(fs.remove_directory(dir / "a").ok());
  EXPECT_FALSE(fs.is_directory(dir / "a"));
}

TEST_F(Win32FileSystemTest, HandlesJapaneseNamesAndDoubledBackslashes) {
  const std::string folder = dir / "ゲーム（テスト）";
  ASSERT_TRUE(fs.create_directory(folder).ok());
  write_file(folder + "\\起動.txt", "日本語");
  ASSERT_TRUE(fs.copy_file(folder + "\\起動.txt", dir.path() + "\\\\表示.txt", true).ok());
  EXPECT_TRUE(fs.is_file(dir / "表示.txt"));
  EXPECT_EQ(read_file(dir / "表示.txt"), "日本語");
  std::vector<std::string> names;
  ASSERT_TRUE(fs.list_subfolders(dir.path(), names).ok());
  EXPECT_EQ(names, std::vector<std::string>{"ゲーム（テスト）"});
}

TEST_F(Win32FileSystemTest, RefusesPathsOfMaxPathOrMore) {
  write_file(dir / "a.txt", "a");
  const std::string long_path = dir.path() + "\\" + std::string(300 - dir.path().size() - 1, 'x');
  ASSERT_EQ(long_path.size(), 300u);
  EXPECT_EQ(fs.copy_file(dir / "a.txt", long_path, false).code, win_error::filename_too_long);
  EXPECT_EQ(fs.create_directory(long_path).code, win_error::filename_too_long);
  EXPECT_FALSE(fs.is_file(long_path));
  // A new folder needs room for an 8.3 name below it.
  const std::string folder_of_250 = dir.path() + "\\" + std::string(250 - dir.path().size() - 1, 'y');
  EXPECT_EQ(fs.create_directory(folder_of_250).code, win_error::filename_too_long);
}

TEST_F(Win32FileSystemTest, ListsSubfoldersSortedIgnoringCase) {
  for (const char* name : {"b", "A", "c_d", "C"}) make_folder(dir / name);
  write_file(dir / "file.txt", "not a folder");
  std::vector<std::string> names;
  ASSERT_TRUE(fs.list_subfolders(dir.path() + "\\", names).ok());
  EXPECT_EQ(names, (std::vector<std::string>{"A", "b", "C", "c_d"}));
  make_folder(dir / "empty");
  ASSERT_TRUE(fs.list_subfolders(dir / "empty", names).ok());
  EXPECT_TRUE(names.empty());
  EXPECT_EQ(fs.list_subfolders(dir / "missing", names).code, win_error::path_not_found);
}

TEST_F(Win32FileSystemTest, ComparesContentsAndSizes) {
  std::string big(200 * 1024, 'k');
  write_file(dir / "a.bin", big);
  write_file(dir / "b.bin", big);
  bool same = false;
  ASSERT_TRUE(fs.same_contents(dir / "a.bin", dir / "b.bin", same).ok());
  EXPECT_TRUE(same);
  big.back() = 'z';
  write_file(dir / "c.bin", big);
  ASSERT_TRUE(fs.same_contents(dir / "a.bin", dir / "c.bin", same).ok());
  EXPECT_FALSE(same);
  write_file(dir / "d.bin", "short");
  ASSERT_TRUE(fs.same_contents(dir / "a.bin", dir / "d.bin", same).ok());
  EXPECT_FALSE(same);
  write_file(dir / "e.bin", "");
  write_file(dir / "f.bin", "");
  ASSERT_TRUE(fs.same_contents(dir / "e.bin", dir / "f.bin", same).ok());
  EXPECT_TRUE(same);
  EXPECT_EQ(fs.same_contents(dir / "a.bin", dir / "none.bin", same).code, win_error::file_not_found);

  std::uint64_t bytes = 0;
  ASSERT_TRUE(fs.file_size(dir / "a.bin", bytes).ok());
  EXPECT_EQ(bytes, 200u * 1024u);
}

TEST_F(Win32FileSystemTest, UpdatesBytesInPlaceWithoutExtendingOrSharing) {
  write_file(dir / "disk.d88", "0123456789");
  std::unique_ptr<UpdatableFile> file;
  ASSERT_TRUE(fs.open_for_update(dir / "disk.d88", file).ok());
  std::unique_ptr<UpdatableFile> second;
  EXPECT_EQ(fs.open_for_update(dir / "disk.d88", second).code, win_error::sharing_violation);
  bool same = false;
  EXPECT_EQ(fs.same_contents(dir / "disk.d88", dir / "disk.d88", same).code, win_error::sharing_violation);

  std::uint64_t size = 0;
  ASSERT_TRUE(file->size(size).ok());
  EXPECT_EQ(size, 10u);
  EXPECT_TRUE(file->write_byte_at(0, 'A').ok());
  EXPECT_TRUE(file->write_byte_at(9, 'Z').ok());
  EXPECT_EQ(file->write_byte_at(10, 'X').code, win_error::handle_eof);
  EXPECT_EQ(file->write_byte_at(1ull << 40, 'X').code, win_error::handle_eof);
  EXPECT_TRUE(file->flush().ok());
  file.reset();
  EXPECT_EQ(read_file(dir / "disk.d88"), "A12345678Z");
  EXPECT_EQ(fs.open_for_update(dir / "none.d88", file).code, win_error::file_not_found);
}

// The run asks a folder that exists, with or without its final backslash, or
// a drive root; a missing folder must fail rather than answer for some other place.
TEST_F(Win32FileSystemTest, FreeSpaceOfAnExistingFolderOrItsDrive) {
  std::uint64_t of_folder = 0;
  std::uint64_t with_separator = 0;
  std::uint64_t of_root = 0;
  ASSERT_TRUE(fs.free_space(dir.path(), of_folder).ok());
  ASSERT_TRUE(fs.free_space(dir.path() + "\\", with_separator).ok());
  ASSERT_TRUE(fs.free_space("C:\\", of_root).ok());
  EXPECT_GT(of_folder, 0u);
  EXPECT_GT(with_separator, 0u);
  EXPECT_GT(of_root, 0u);
  std::uint64_t untouched = 7;
  EXPECT_TRUE(fs.free_space(dir / "missing", untouched).failed());
  EXPECT_EQ(untouched, 7u);
}

TEST_F(Win32FileSystemTest, ErrorTextComesFromTheSystem) {
  EXPECT_FALSE(fs.error_text(win_error::file_not_found).empty());
  EXPECT_FALSE(fs.error_text(win_error::access_denied).empty());
  EXPECT_NE(fs.error_text(win_error::file_not_found), fs.error_text(win_error::access_denied));
}

}  // namespace
}  // namespace kivo
