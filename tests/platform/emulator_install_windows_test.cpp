// The emulator installation over the real file system, profile functions and
// shell link object, checked through the system's own readers.

#include <windows.h>
// These need windows.h first.
#include <gtest/gtest.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <string>
#include <vector>

#include "app/path_parts.h"
#include "emulator/emulator_install.h"
#include "emulator/settings_record.h"
#include "fake_prompts.h"
#include "file_tables.h"
#include "install_test_support.h"
#include "platform/file_ops.h"
#include "platform/win32/text.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_profile_store.h"
#include "platform/win32/win32_shell.h"
#include "scratch_folder.h"

namespace kivo {
namespace {

using fake::FakePrompts;
using install_test::ProgramEnvironment;
using install_test::RecordingView;
using scratch::read_file;
using scratch::write_file;

// The real shell link object, saving into a desktop of the test's own: the
// prefix's desktop may be a folder that other programs share.
class OwnDesktopShell : public Win32Shell {
 public:
  std::string desktop;
  Status desktop_folder(std::string& path) override {
    path = desktop;
    return Status::success();
  }
};

std::string profile_text(const char* key) {
  wchar_t buffer[2048] = {};
  GetPrivateProfileStringW(L"INST", widen(key).c_str(), L"(none)", buffer, 2048, L"kivo68i.ini");
  return narrow(buffer);
}

struct LinkFields {
  std::string target;
  std::string working_directory;
  std::string icon_path;
  int icon_index = -1;
};

// Reads a .lnk back through IShellLinkW, independently of Win32Shell.
bool read_link(const std::string& path, LinkFields& fields) {
  ScopedComInit com;
  com_ptr<IShellLinkW> link;
  if (FAILED(
          CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.put_void())))
    return false;
  com_ptr<IPersistFile> file;
  if (FAILED(link.query(file)) || FAILED(file->Load(widen(path).c_str(), STGM_READ))) return false;
  wchar_t buffer[MAX_PATH] = {};
  if (FAILED(link->GetPath(buffer, MAX_PATH, nullptr, SLGP_RAWPATH))) return false;
  fields.target = narrow(buffer);
  if (FAILED(link->GetWorkingDirectory(buffer, MAX_PATH))) return false;
  fields.working_directory = narrow(buffer);
  if (FAILED(link->GetIconLocation(buffer, MAX_PATH, &fields.icon_index))) return false;
  fields.icon_path = narrow(buffer);
  return true;
}

class EmulatorInstallOnWindows : public ::testing::Test {
 protected:
  Win32FileSystem fs;
  Win32ProfileStore profiles;
  OwnDesktopShell shell;
  ProgramEnvironment environment;
  FakePrompts prompts;
  RecordingView view;
  std::string root;
  std::string desktop_link;
  std::string saved_record;
  bool had_record = false;

  void SetUp() override {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    root = narrow(temp) + "kivo_emulator_test_" + std::to_string(GetCurrentProcessId());
    ASSERT_TRUE(create_directories(fs, root + "\\cd").ok());
    environment.program = root + "\\cd\\kivo68i.exe";
    for (const auto entry : emulator_file_list()) {
      const std::string source = root + "\\cd\\tools" + std::string(entry);
      ASSERT_TRUE(create_directories(fs, up_to_last_backslash(source)).ok());
      std::string data = "bytes of " + std::string(entry) + "\n";
      for (int i = 0; i < 5000; ++i) data.push_back(static_cast<char>(i * 7 + entry.size()));
      write_file(source, data);
      SetFileAttributesW(widen(source).c_str(), FILE_ATTRIBUTE_READONLY);  // as files from a CD are
    }
    shell.desktop = root + "\\Desktop";
    ASSERT_TRUE(create_directories(fs, shell.desktop).ok());
    desktop_link = shell.desktop + "\\winx68k.lnk";
    const std::string record = environment.windows_directory() + "\\kivo68i.ini";
    had_record = fs.is_file(record);
    if (had_record) saved_record = read_file(record);
  }
  void TearDown() override {
    const std::string record = environment.windows_directory() + "\\kivo68i.ini";
    if (had_record)
      write_file(record, saved_record);
    else
      DeleteFileW(widen(record).c_str());
    remove_tree(root);
  }
  void remove_tree(const std::string& folder) {
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW(widen(folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        const std::string name = narrow(found.cFileName);
        if (name == "." || name == "..") continue;
        const std::string path = folder + "\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
          remove_tree(path);
        } else {
          SetFileAttributesW(widen(path).c_str(), FILE_ATTRIBUTE_NORMAL);
          DeleteFileW(widen(path).c_str());
        }
      } while (FindNextFileW(search, &found));
      FindClose(search);
    }
    RemoveDirectoryW(widen(folder).c_str());
  }
  void run(const std::string& folder) {
    run_emulator_install(folder, EmulatorInstallServices{fs, prompts, profiles, shell, environment}, view);
  }
};

TEST_F(EmulatorInstallOnWindows, InstallsEveryFileRecordsItAndPutsTheShortcutOnTheDesktop) {
  const std::string folder = root + "\\dest\\Winx68k\\";
  prompts.answer({true, true});
  run(folder);
  ASSERT_TRUE(view.finished);
  EXPECT_EQ(prompts.texts(),
            (std::vector<std::string>{"指定されたフォルダは存在しません。作成してよろしいですか？",
                                      "デスクトップにショートカットを作成しますか？"}));
  std::vector<std::string> names;
  for (const auto entry : emulator_file_list()) {
    const std::string installed = root + "\\dest\\Winx68k" + flattened_name(entry);
    EXPECT_EQ(read_file(installed), read_file(root + "\\cd\\tools" + std::string(entry))) << installed;
    const DWORD attributes = GetFileAttributesW(widen(installed).c_str());
    EXPECT_EQ(attributes & FILE_ATTRIBUTE_READONLY, 0u) << installed;
  }
  std::vector<std::string> listed;
  ASSERT_TRUE(fs.list_subfolders(root + "\\dest\\Winx68k", listed).ok());
  EXPECT_TRUE(listed.empty());  // flattened: no winx68k, emu or windrv folder
  EXPECT_FALSE(fs.is_file(root + "\\dest\\Winx68k\\~k68cpy.tmp"));

  EXPECT_EQ(profile_text("FOLDER"), folder);
  EXPECT_EQ(profile_text("DRIVE"), folder.substr(0, 1));
  EXPECT_EQ(profile_text("TESTNUM"), "1");

  LinkFields link;
  ASSERT_TRUE(read_link(desktop_link, link));
  const std::string program = folder + "\\WinX68kHighSpeed.exe";
  // The shell may tidy the doubled backslash; the file it names must be the installed program.
  EXPECT_TRUE(equals_ignoring_case(link.target, program) ||
              equals_ignoring_case(link.target, root + "\\dest\\Winx68k\\WinX68kHighSpeed.exe"))
      << link.target;
  // Working folder and icon are kept as they were given: up to the last backslash, doubled one included.
  EXPECT_EQ(link.working_directory, folder + "\\");
  EXPECT_EQ(link.icon_path, program);
  EXPECT_EQ(link.icon_index, 0);
}

TEST_F(EmulatorInstallOnWindows, ReadOnlyFileAlreadyThereStaysUntouched) {
  const std::string folder = root + "\\ro";
  ASSERT_TRUE(create_directories(fs, folder).ok());
  const std::string existing = folder + "\\WINDRV.SYS";
  write_file(existing, "older");
  SetFileAttributesW(widen(existing).c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE);
  FILETIME before{};
  {
    const unique_file_handle file(CreateFileW(widen(existing).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                              OPEN_EXISTING, 0, nullptr));
    GetFileTime(file.get(), nullptr, nullptr, &before);
  }
  prompts.answer({false});
  run(folder);
  ASSERT_TRUE(view.finished);
  EXPECT_EQ(read_file(existing), "older");
  EXPECT_EQ(GetFileAttributesW(widen(existing).c_str()),
            DWORD{FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE});
  FILETIME after{};
  {
    const unique_file_handle file(CreateFileW(widen(existing).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                              OPEN_EXISTING, 0, nullptr));
    GetFileTime(file.get(), nullptr, nullptr, &after);
  }
  EXPECT_EQ(CompareFileTime(&before, &after), 0);
  EXPECT_EQ(read_file(folder + "\\CONFIG.SYS"), read_file(root + "\\cd\\tools\\windrv\\CONFIG.SYS"));
  EXPECT_FALSE(fs.is_file(desktop_link));  // shortcut declined
}

TEST_F(EmulatorInstallOnWindows, MissingSourceFileGivesTheSystemsReasonInTheMessage) {
  const std::string missing = root + "\\cd\\tools\\windrv\\FD1.XDF";
  SetFileAttributesW(widen(missing).c_str(), FILE_ATTRIBUTE_NORMAL);
  ASSERT_TRUE(DeleteFileW(widen(missing).c_str()));
  const std::string folder = root + "\\fail\\";
  ASSERT_TRUE(create_directories(fs, folder).ok());
  run(folder);
  EXPECT_FALSE(view.finished);
  EXPECT_TRUE(view.closed);
  EXPECT_EQ(view.position, 5);
  ASSERT_EQ(prompts.asked().size(), 1u);
  const std::string reason = trimmed_error_text(fs, ERROR_FILE_NOT_FOUND);
  EXPECT_FALSE(reason.empty());
  EXPECT_EQ(prompts.texts()[0], "コピーに失敗しました:" + missing + "," + folder + "\\FD1.XDF," + reason);
  if (!had_record) {
    EXPECT_EQ(profile_text("TESTNUM"), "(none)");  // no record after a failed copy
  }
}

}  // namespace
}  // namespace kivo
