#include "core/file_copy_run.h"

#include <array>

#include "../subsystem_fixture.h"
#include "core/folder_text_check.h"

namespace kivo {
namespace {

using fake::AskedBox;
using fake::BoxKind;
using fake::FsOp;

constexpr std::array<std::string_view, 4> kTree = {"\\TOP.X", "\\A\\ONE.DAT", "\\A\\TWO.DAT",
                                                   "\\B\\C\\THREE.DAT"};
constexpr const char* kQuestion = "指定されたフォルダは存在しません。作成してよろしいですか？";
const std::vector<std::string> kClosedAtOnce = {"opening", "close"};

// A copy of the four files of Q:\kivo onto a fresh disk each time.
class FileCopyRunTest : public testing_support::SubsystemTest {
 protected:
  fake::FakeFileSystem cd;
  testing_support::RecordingCopyView view;

  FileCopyRunTest() {
    cd.add_drive('Q', true);
    for (const auto entry : kTree)
      cd.add_file("Q:\\kivo" + std::string(entry), "data of " + std::string(entry),
                  file_attribute::read_only);
  }
  CopyRunOutcome run(const std::string& destination, const std::string& base = "Q:\\kivo") {
    prompts = fake::FakePrompts{};
    prompts.unscripted_answer = answer;
    view = {};
    return run_file_copy({kTree, base, destination, entry_unchanged}, fs, prompts, view);
  }
  bool answer = true;
};

// Every refusal comes before the first copy and closes the window.
TEST_F(FileCopyRunTest, RefusalsStopBeforeAnyCopy) {
  constexpr const char* kTooLong = "パスが長すぎるためインストールできません（255文字まで）:";
  constexpr const char* kNotCreated = "なんらかの理由でディレクトリの作成に失敗しました";
  const std::string typed = "C:\\" + std::string(296, 'x') + "\\";  // 300 characters
  const std::string fits = "C:\\" + std::string(242, 'y');          // but its files would not
  const std::string source = "Q:\\" + std::string(250, 's');
  struct Case {
    std::string destination;
    std::vector<AskedBox> boxes;
    bool answer = true;
    std::string base = "Q:\\kivo";
    bool create_fails = false;
  };
  const std::vector<AskedBox> not_created = {{BoxKind::confirm, kQuestion}, {BoxKind::error, kNotCreated}};
  std::vector<Case> cases = {
      {"C:\\KIVO", {{BoxKind::confirm, kQuestion}}, false},
      {"C:\\KIVO\\SUB", not_created, true, "Q:\\kivo", true},
      {"R:\\KIVO", not_created},  // no such drive
      {typed, {{BoxKind::error, kTooLong + typed}}},
      {fits, {{BoxKind::error, kTooLong + fits + "\\B\\C\\THREE.DAT"}}},
      {"C:\\KIVO", {{BoxKind::error, std::string(kTooLong) + source + "\\TOP.X"}}, true, source},
  };
  for (const char* folder : {"   ", "KIVO", "C:KIVO", "C:\\CON", "C:\\a\\nul\\b", "C:\\a?b", "C:\\a<b>",
                             "C:\\KIVO. ", "\\\\?\\C:\\KIVO", "C:\\a/b"})
    cases.push_back(
        {folder, {{BoxKind::error, std::string("インストール先のフォルダ名は使用できません:") + folder}}});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.destination.substr(0, 20) + " from " + c.base.substr(0, 10));
    fs = cd;
    if (c.create_fails) fs.fail(FsOp::create_directory, win_error::access_denied, "KIVO");
    answer = c.answer;
    EXPECT_EQ(run(c.destination, c.base), CopyRunOutcome::stopped);
    EXPECT_EQ(prompts.asked(), c.boxes);
    EXPECT_EQ(view.events, kClosedAtOnce);
    EXPECT_EQ(fs.changing_calls(), c.boxes.size() == 2 ? 1 : 0);  // only a creation that failed
  }
}

// Each of the four small files takes one 4 KiB cluster: 16384 bytes in all.
TEST_F(FileCopyRunTest, RunThatWouldNotFitIsRefusedBeforeAnythingIsMade) {
  const std::string refusal =
      "インストール先（C:\\KIVO）のドライブの空き容量が足りません。\n必要な容量：0.1 MB\n空き容量：0.0 MB\n"
      "不要なファイルを削除して空き容量を増やすか、別のドライブを選んでください。";
  const struct {
    std::string destination;
    std::vector<std::string> present;  // already installed, so not copied again
    std::uint64_t free;
    bool refused;
    std::size_t top_size = 0;  // the first file's size when not its usual few bytes
    bool query_fails = false;
  } cases[] = {
      {"C:\\KIVO", {}, 16384, false},                          // fits exactly
      {"C:\\KIVO", {}, 16384, false, 4096},                    // a file of one whole cluster takes one
      {"C:\\KIVO", {}, 16383, true},                           // one byte short
      {"C:\\KIVO", {"\\TOP.X", "\\A\\ONE.DAT"}, 8192, false},  // files present count nothing
      {"C:\\KIVO", {"\\TOP.X"}, 8192, true},                   // too little for the rest
      {"C:\\KIVO", {}, 0, false, 0, true},                     // free space unknown
      {"C:\\games\\new\\KIVO", {}, 100, true},                 // asked of the nearest existing folder
      {"C:\\games\\new\\\\KIVO", {}, 100, true},               // and above a doubled backslash too
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(&c - cases);
    fs = cd;
    if (c.top_size > 0) fs.add_file("Q:\\kivo\\TOP.X", std::string(c.top_size, 'x'));
    fs.add_directory("C:\\games");
    for (const std::string& entry : c.present) fs.add_file(c.destination + entry, "old");
    fs.set_free_space('C', c.free);
    if (c.query_fails) fs.fail(FsOp::free_space, win_error::not_ready);
    EXPECT_EQ(run(c.destination) == CopyRunOutcome::stopped, c.refused);
    if (!c.refused) continue;
    ASSERT_EQ(prompts.asked().size(), 1u);
    EXPECT_EQ(prompts.asked()[0].kind, BoxKind::error);
    EXPECT_EQ(view.events, kClosedAtOnce);
    EXPECT_EQ(fs.changing_calls(), 0);
    if (c.free == 16383) {
      EXPECT_EQ(prompts.asked()[0].text, refusal);
    }
  }
}

TEST(MegabytesText, ReadsInTenthsWithThousandsSeparators) {
  constexpr std::uint64_t kMiB = 1024 * 1024;
  const struct {
    std::uint64_t bytes;
    bool round_up;
    const char* text;
  } cases[] = {
      {0, true, "0.0 MB"},
      {1, true, "0.1 MB"},
      {1, false, "0.0 MB"},
      {kMiB - 1, true, "1.0 MB"},
      {kMiB * 999 + kMiB / 2, false, "999.5 MB"},
      {kMiB * 1234 + 1, true, "1,234.1 MB"},
      {kMiB * 1234 + 1, false, "1,234.0 MB"},
      {kMiB * 1234567, false, "1,234,567.0 MB"},
  };
  for (const auto& c : cases) EXPECT_EQ(megabytes_text(c.bytes, c.round_up), c.text) << c.bytes;
}

TEST(FolderTextCheck, FullPathsPassWhatWouldLandSomewhereElseOrNameADeviceIsRefused) {
  const std::pair<FolderTextProblem, std::vector<const char*>> groups[] = {
      {FolderTextProblem::none,
       {"C:\\Winx68k\\", "c:\\Winx68k", "D:\\emu\\winx68k", "C:\\", "C:\\a\\\\b", "C:\\エミュ\\winx68k",
        "\\\\server\\share", "\\\\server\\share\\winx68k\\", "C:\\con-x", "C:\\COM0", "C:\\.hidden",
        "C:\\a.b\\c"}},
      {FolderTextProblem::empty, {""}},
      {FolderTextProblem::not_absolute,
       {"   ", "Winx68k", "C:Winx68k", "\\Winx68k", "1:\\a", "\\\\server", "\\\\\\share", "\\\\server\\"}},
      {FolderTextProblem::forbidden_name,
       {"C:\\a?b", "C:\\a*", "C:\\a<b>", "C:\\a|b", "C:\\a\"b", "C:\\a:b", "C:\\a/b", "C:\\a\tb",
        "C:\\Winx68k ", "C:\\Winx68k.", "C:\\a\\..\\b", "C:\\.", "\\\\?\\C:\\x", "\\\\.\\C:\\x",
        "\\\\server\\share\\nul", "C:\\CON", "C:\\a\\nul.txt\\b"}},
  };
  for (const auto& [problem, folders] : groups)
    for (const char* folder : folders) EXPECT_EQ(check_folder_text(folder), problem) << folder;
  for (const char* name : {"CON", "nul", "Aux", "prn", "COM1", "lpt9", "NUL.txt", "con .x", "CONOUT$"})
    EXPECT_TRUE(is_device_name(name)) << name;
  for (const char* name : {"CONS", "COM10", "LPT", "NULL", "xCON", ""})
    EXPECT_FALSE(is_device_name(name)) << name;
}

}  // namespace
}  // namespace kivo
