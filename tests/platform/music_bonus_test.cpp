// The music bonus against the real file system, profile functions and shell
// links: a test edition in a temporary folder, a real .lnk with a Japanese
// name made through IShellLinkW, and a CD folder with read-only files.
#include <gtest/gtest.h>
#include <windows.h>
// Needs windows.h first.
#include <shellapi.h>

#include <string>
#include <vector>

#include "file_tables.h"
#include "music/music_operations.h"
#include "platform/file_ops.h"
#include "platform/win32/text.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_profile_store.h"
#include "platform/win32/win32_shell.h"

namespace kivo {
namespace {

struct StubRegistry : Registry {
  std::string programs;
  RegistryText read_current_user_text(const std::string&, const std::string&) override {
    return RegistryText{RegistryText::Kind::text, programs};
  }
};

struct StubEnvironment : Environment {
  std::string program;
  std::string program_path() override { return program; }
  std::string windows_directory() override { return "C:\\windows"; }
};

struct RecordedPrompts : Prompts {
  std::vector<std::string> boxes;  // "kind:text"
  bool confirm(const std::string& text) override {
    boxes.push_back("confirm:" + text);
    return false;
  }
  void error(const std::string& text) override { boxes.push_back("error:" + text); }
  void warning(const std::string& text) override { boxes.push_back("warning:" + text); }
  void information(const std::string& text) override { boxes.push_back("information:" + text); }
  void plain(const std::string& text) override { boxes.push_back("plain:" + text); }
};

struct CountingProgress : MusicProgressView {
  int steps = 0;
  void begin() override {}
  void step(const std::string&) override { ++steps; }
  void end() override {}
};

void write_file(const std::string& path, const std::string& data, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
  unique_file_handle file(::CreateFileW(widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(static_cast<bool>(file)) << path;
  DWORD written = 0;
  ASSERT_TRUE(::WriteFile(file.get(), data.data(), static_cast<DWORD>(data.size()), &written, nullptr));
  file.reset();
  ::SetFileAttributesW(widen(path).c_str(), attributes);
}

std::string read_file(const std::string& path) {
  unique_file_handle file(
      ::CreateFileW(widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
  if (!file) return "<missing>";
  std::string data(1 << 20, '\0');
  DWORD got = 0;
  ::ReadFile(file.get(), data.data(), static_cast<DWORD>(data.size()), &got, nullptr);
  data.resize(got);
  return data;
}

std::string original_of(std::string_view entry) {
  return "original " + std::string(entry) + std::string(5000, 'o');
}
std::string fm_of(std::string_view entry) { return "fm " + std::string(entry) + std::string(7000, 'f'); }

class MusicBonusOnWindows : public ::testing::Test {
 protected:
  Win32FileSystem fs;
  Win32ProfileStore profiles;
  Win32Shell shell;
  StubRegistry registry;
  StubEnvironment environment;
  RecordedPrompts prompts;
  CountingProgress progress;
  MusicServices services{fs, profiles, registry, shell, environment, prompts, progress};
  std::string root, edition, cd;

  void SetUp() override {
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    // A link keeps its target in the ANSI code page as well, so Japanese in the
    // edition's folder name reads back only under a Japanese code page.
    const std::string japanese = ::GetACP() == 932 ? "版" : "";
    root = narrow(temp) + "kivo music " + std::to_string(::GetCurrentProcessId()) + "\\";
    edition = root + "Kivo Win" + japanese + "\\";
    cd = root + "cd\\";
    registry.programs = root + "Programs";
    environment.program = cd + "kivo68i.exe";
    ASSERT_TRUE(create_directories(fs, registry.programs + "\\KIVO1").ok());
    ShellLinkSpec link;
    link.target = edition + "Kivo.exe";
    ASSERT_TRUE(shell.create_link(registry.programs + "\\KIVO1\\Kivorana（起動）.lnk", link).ok());
    for (const char* sub : {"mp3", "movie"}) {
      ASSERT_TRUE(create_directories(fs, edition + sub).ok());
      ASSERT_TRUE(create_directories(fs, cd + "sashikae\\" + sub).ok());
    }
    write_file(edition + "Kivo.exe", "exe");
    for (const std::string_view entry : replacement_list()) {
      write_file(edition + std::string(entry), original_of(entry));
      write_file(cd + "sashikae\\" + std::string(entry), fm_of(entry), FILE_ATTRIBUTE_READONLY);
    }
  }

  void TearDown() override {
    const std::wstring from = widen(root.substr(0, root.size() - 1)) + L'\0';
    SHFILEOPSTRUCTW op{};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_NO_UI;
    // Read-only CD files would refuse deletion.
    for (const std::string_view entry : replacement_list())
      ::SetFileAttributesW(widen(cd + "sashikae\\" + std::string(entry)).c_str(), FILE_ATTRIBUTE_NORMAL);
    ::SHFileOperationW(&op);
  }

  bool holds(const std::string& folder, bool fm) {
    for (const std::string_view entry : replacement_list())
      if (read_file(folder + std::string(entry)) != (fm ? fm_of(entry) : original_of(entry))) return false;
    return true;
  }
  int marker() {
    return std::stoi(profiles.read_string(edition + "mp3\\kivomus.ini", "KIVO", "KIVOMUS", "0"));
  }
};

TEST_F(MusicBonusOnWindows, InstallRestoreAndInstallAgainWithoutTheCd) {
  install_fm_versions(services);
  EXPECT_EQ(prompts.boxes, std::vector<std::string>{});
  EXPECT_TRUE(holds(edition, true));
  EXPECT_TRUE(holds(edition + "backup\\", false));
  EXPECT_EQ(marker(), 1);
  DWORD attributes = ::GetFileAttributesW(widen(edition + std::string(replacement_list()[1])).c_str());
  EXPECT_EQ(attributes & FILE_ATTRIBUTE_READONLY, 0u);

  restore_originals(services);
  EXPECT_TRUE(holds(edition, false));
  EXPECT_TRUE(holds(edition + "backup\\", true));
  EXPECT_EQ(marker(), 2);

  ASSERT_TRUE(::MoveFileW(widen(cd + "sashikae").c_str(), widen(cd + "away").c_str()));
  install_fm_versions(services);
  EXPECT_TRUE(holds(edition, true));
  restore_originals(services);
  EXPECT_TRUE(holds(edition, false));
  EXPECT_EQ(marker(), 2);
  EXPECT_EQ(prompts.boxes, std::vector<std::string>{});
  EXPECT_EQ(progress.steps, 40 + 3 * 60);
  EXPECT_FALSE(fs.is_directory(edition + "backup2"));
  EXPECT_FALSE(fs.is_file(edition + "backup.jnl"));
}

TEST_F(MusicBonusOnWindows, AReadOnlyOriginalAndAForeignFileInBackup) {
  const std::string entry(replacement_list()[2]);
  ::SetFileAttributesW(widen(edition + entry).c_str(), FILE_ATTRIBUTE_READONLY);
  install_fm_versions(services);
  EXPECT_TRUE(holds(edition, true));
  EXPECT_TRUE(holds(edition + "backup\\", false));

  write_file(edition + "backup\\mp3\\mine.txt", "mine");
  restore_originals(services);
  ASSERT_EQ(prompts.boxes.size(), 4u);
  EXPECT_EQ(prompts.boxes[0], "plain:backup2のmp3フォルダ削除に失敗");
  EXPECT_EQ(prompts.boxes[1], "plain:backup2フォルダ削除に失敗");
  EXPECT_EQ(prompts.boxes[2], "plain:backup2→backupフォルダリネームに失敗");
  EXPECT_EQ(prompts.boxes[3].rfind("warning:", 0), 0u);
  EXPECT_TRUE(holds(edition, false));
  EXPECT_TRUE(holds(edition + "backup2\\", true));
  EXPECT_EQ(marker(), 1);

  ASSERT_TRUE(::DeleteFileW(widen(edition + "backup\\mp3\\mine.txt").c_str()));
  install_fm_versions(services);
  EXPECT_EQ(prompts.boxes.back().rfind("information:", 0), 0u);
  EXPECT_TRUE(holds(edition, false));
  EXPECT_TRUE(holds(edition + "backup\\", true));
  EXPECT_EQ(marker(), 2);
}

TEST_F(MusicBonusOnWindows, AShortcutThatIsNoLinkStopsWithTheNotFoundInformation) {
  write_file(registry.programs + "\\KIVO1\\Kivorana（起動）.lnk", "not a shell link");
  install_fm_versions(services);
  EXPECT_EQ(prompts.boxes,
            (std::vector<std::string>{"plain:ショートカットがLoadできません",
                                      "information:Kivoをこのマシン上に検出できませんでした。"}));
  EXPECT_TRUE(holds(edition, false));
  EXPECT_FALSE(fs.is_directory(edition + "backup"));
}

}  // namespace
}  // namespace kivo
