// The Windows answers the rules and the in-memory fake take for granted.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>

#include "platform/file_ops.h"
#include "scratch_folder.h"

namespace kivo {
namespace {

using namespace scratch;
struct Win32FileSystemTest : testing::Test, Scratch {};
namespace e = win_error;

// A path of exactly `length` characters inside the folder.
std::string path_of_length(const ScratchFolder& dir, std::size_t length, char fill) {
  return dir.path() + "\\" + std::string(length - dir.path().size() - 1, fill);
}

// Every refusal leaves the files as they were. Each row starts from a.txt,
// read-only ro.txt, held.txt opened without sharing by another handle, and
// full\f.txt.
TEST(Win32FileSystemRefusals, ComeWithTheCodeTheRulesExpectAndChangeNothing) {
  Win32FileSystem fs;
  using Act = std::function<Status(const ScratchFolder&)>;
  const std::string a = "a.txt";
  std::unique_ptr<UpdatableFile> file;
  bool same = false;
  const std::pair<Act, std::uint32_t> cases[] = {
      {[&](auto& d) { return fs.copy_file(d / a, d / "full\\f.txt", true); }, e::file_exists},
      {[&](auto& d) { return fs.move(d / a, d / "ro.txt", MoveMode::fail_if_exists); }, e::already_exists},
      {[&](auto& d) { return fs.delete_file(d / "ro.txt"); }, e::access_denied},
      {[&](auto& d) { return fs.copy_file(d / a, d / "ro.txt", false); }, e::access_denied},
      {[&](auto& d) { return fs.move(d / a, d / "ro.txt", MoveMode::replace_existing); }, e::access_denied},
      {[&](auto& d) { return fs.open_for_update(d / "ro.txt", file); }, e::access_denied},
      {[&](auto& d) { return fs.copy_file(d / a, d / "held.txt", false); }, e::sharing_violation},
      // Replacing a file in use is refused as the system refuses it, not as a sharing violation.
      {[&](auto& d) { return fs.move(d / a, d / "held.txt", MoveMode::replace_existing); }, e::access_denied},
      {[&](auto& d) { return fs.open_for_update(d / "held.txt", file); }, e::sharing_violation},
      {[&](auto& d) { return fs.same_contents(d / a, d / "held.txt", same); }, e::sharing_violation},
      {[&](auto& d) { return fs.create_directory(d / "full"); }, e::already_exists},
      {[&](auto& d) { return fs.remove_directory(d / "full"); }, e::dir_not_empty},
      // MAX_PATH or more is refused, and a new folder needs room for an 8.3 name below it.
      {[&](auto& d) { return fs.copy_file(d / a, path_of_length(d, 300, 'x'), false); },
       e::filename_too_long},
      {[&](auto& d) { return fs.create_directory(path_of_length(d, 300, 'x')); }, e::filename_too_long},
      {[&](auto& d) { return fs.create_directory(path_of_length(d, 250, 'y')); }, e::filename_too_long},
  };
  for (std::size_t row = 0; row < std::size(cases); ++row) {
    ScratchFolder dir;
    write_file(dir / a, "a");
    write_file(dir / "ro.txt", "ro");
    ASSERT_TRUE(fs.set_attributes(dir / "ro.txt", file_attribute::read_only).ok());
    write_file(dir / "held.txt", "held");
    unique_file_handle held = hold_open(dir / "held.txt");
    ASSERT_TRUE(held);
    make_folder(dir / "full");
    write_file(dir / "full\\f.txt", "f");

    EXPECT_EQ(cases[row].first(dir).code, cases[row].second) << "row " << row;
    file.reset();
    held.reset();
    EXPECT_EQ(read_file(dir / a) + read_file(dir / "ro.txt") + read_file(dir / "held.txt") +
                  read_file(dir / "full\\f.txt"),
              "aroheldf")
        << "row " << row;
    EXPECT_TRUE(fs.is_directory(dir / "full")) << "row " << row;
    EXPECT_FALSE(fs.is_file(path_of_length(dir, 300, 'x'))) << "row " << row;
  }
}

TEST_F(Win32FileSystemTest, ListsSubfoldersSortedIgnoringCase) {
  for (const char* name : {"b", "A", "c_d", "C"}) make_folder(dir / name);
  write_file(dir / "file.txt", "not a folder");
  std::vector<std::string> names;
  ASSERT_TRUE(fs.list_subfolders(dir.path() + "\\", names).ok());
  EXPECT_EQ(names, (std::vector<std::string>{"A", "b", "C", "c_d"}));
  ASSERT_TRUE(fs.list_subfolders(dir / "b", names).ok());
  EXPECT_TRUE(names.empty());
}

TEST_F(Win32FileSystemTest, ComparesContentsAndSizes) {
  const std::string big(200 * 1024, 'k');
  const struct {
    std::string a, b;
    bool same;
  } cases[] = {{big, big, true}, {big, big.substr(1) + "z", false}, {big, "short", false}, {"", "", true}};
  for (const auto& c : cases) {
    write_file(dir / "a.bin", c.a);
    write_file(dir / "b.bin", c.b);
    bool same = !c.same;
    ASSERT_TRUE(fs.same_contents(dir / "a.bin", dir / "b.bin", same).ok());
    EXPECT_EQ(same, c.same) << c.a.size() << " " << c.b.size();
  }
  write_file(dir / "b.bin", big);
  std::uint64_t bytes = 0;
  ASSERT_TRUE(fs.file_size(dir / "b.bin", bytes).ok());
  EXPECT_EQ(bytes, 200u * 1024u);
}

// Where the bytes land is checked on the boot disk image by the end-to-end scenarios.
TEST_F(Win32FileSystemTest, UpdatesInPlaceWithoutExtendingOrSharing) {
  write_file(dir / "disk.d88", "0123456789");
  std::unique_ptr<UpdatableFile> file;
  ASSERT_TRUE(fs.open_for_update(dir / "disk.d88", file).ok());
  std::unique_ptr<UpdatableFile> second;
  EXPECT_EQ(fs.open_for_update(dir / "disk.d88", second).code, e::sharing_violation);
  std::uint64_t size = 0;
  ASSERT_TRUE(file->size(size).ok());
  EXPECT_EQ(size, 10u);
  EXPECT_EQ(file->write_byte_at(10, 'X').code, e::handle_eof);
  EXPECT_EQ(file->write_byte_at(1ull << 40, 'X').code, e::handle_eof);
  EXPECT_TRUE(file->flush().ok());
  file.reset();
  EXPECT_EQ(read_file(dir / "disk.d88"), "0123456789");
}

// The run asks a folder that exists, with or without its final backslash, or
// a drive root; a missing folder must fail rather than answer for some other place.
TEST_F(Win32FileSystemTest, FreeSpaceOfAnExistingFolderOrItsDriveAndTheSystemsErrorTexts) {
  for (const std::string& folder : {dir.path(), dir.path() + "\\", std::string("C:\\")}) {
    std::uint64_t bytes = 0;
    ASSERT_TRUE(fs.free_space(folder, bytes).ok()) << folder;
    EXPECT_GT(bytes, 0u) << folder;
  }
  std::uint64_t untouched = 7;
  EXPECT_TRUE(fs.free_space(dir / "missing", untouched).failed());
  EXPECT_EQ(untouched, 7u);
  EXPECT_FALSE(fs.error_text(e::file_not_found).empty());
  EXPECT_NE(fs.error_text(e::file_not_found), fs.error_text(e::access_denied));
}

// The safe copy of the portable rules: what lies at the destination afterwards
// is the old file or the whole new one, writable, and no temporary file is left behind.
TEST_F(Win32FileSystemTest, CopyIntoPlaceLeavesTheOldOrTheWholeNewFileAndNoTemporary) {
  // The source is read-only, as on a CD.
  write_file(dir / "source.bin", "new");
  ASSERT_TRUE(fs.set_attributes(dir / "source.bin", file_attribute::read_only).ok());
  const struct {
    bool old_file, read_only, leftover;  // leftover: a read-only temporary of an interrupted copy
    Overwrite overwrite;
    std::uint32_t code;
    const char* after;
  } cases[] = {
      {false, false, false, Overwrite::never, 0, "new"},
      {true, false, false, Overwrite::never, e::file_exists, "old"},
      {true, false, false, Overwrite::replace, 0, "new"},
      {true, true, false, Overwrite::replace, e::access_denied, "old"},
      {false, false, true, Overwrite::keep_existing, 0, "new"},
  };
  for (const auto& c : cases) {
    const std::string to = dir / ("dest" + std::to_string(&c - cases) + ".bin");
    if (c.old_file) write_file(to, "old");
    if (c.read_only) {
      ASSERT_TRUE(fs.set_attributes(to, file_attribute::read_only).ok());
    }
    if (c.leftover) {
      write_file(temporary_name_for(to), "half");
      ASSERT_TRUE(fs.set_attributes(temporary_name_for(to), file_attribute::read_only).ok());
    }

    EXPECT_EQ(copy_into_place(fs, dir / "source.bin", to, c.overwrite).code, c.code) << to;
    EXPECT_EQ(read_file(to), c.after) << to;
    EXPECT_FALSE(fs.is_file(temporary_name_for(to))) << to;
    std::uint32_t attributes = 0;
    ASSERT_TRUE(fs.get_attributes(to, attributes).ok());
    EXPECT_EQ(attributes & file_attribute::read_only, c.read_only ? 1u : 0u) << to;
  }
}

}  // namespace
}  // namespace kivo
