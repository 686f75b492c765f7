// make_edition_link <target>   writes <Programs>\KIVO1\Kivorana（起動）.lnk pointing at <target>
// make_edition_link --remove   deletes that shortcut (and the KIVO1 folder when it is empty)
// Prints the shortcut's path; exits with 1 on any failure.
#include <windows.h>

#include <cstdio>
#include <string>

#include "music/edition_locator.h"
#include "platform/file_ops.h"
#include "platform/win32/text.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_shell.h"

namespace {

int fail(const std::string& what, kivo::Status status, kivo::FileSystem& fs) {
  std::fprintf(stderr, "make_edition_link: %s: %s\n", what.c_str(),
               kivo::trimmed_error_text(fs, status.code).c_str());
  return 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  kivo::Win32FileSystem fs;
  kivo::Win32Registry registry;
  kivo::Win32Shell shell;
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_edition_link <target> | --remove\n");
    return 2;
  }
  const kivo::RegistryText programs = registry.read_current_user_text(kivo::kShellFoldersKey, "Programs");
  if (programs.kind != kivo::RegistryText::Kind::text || programs.text.empty()) {
    std::fprintf(stderr, "make_edition_link: no Programs folder for this user\n");
    return 1;
  }
  const std::string link = programs.text + kivo::kEditionShortcut;
  const std::string folder = link.substr(0, link.rfind('\\'));
  const std::string argument = kivo::narrow(argv[1]);
  if (argument == "--remove") {
    if (fs.is_file(link)) {
      if (const kivo::Status s = fs.delete_file(link); s.failed()) return fail(link, s, fs);
    }
    if (fs.is_directory(folder)) fs.remove_directory(folder);
  } else {
    if (const kivo::Status s = kivo::create_directories(fs, folder); s.failed()) return fail(folder, s, fs);
    kivo::ShellLinkSpec wanted;
    wanted.target = argument;
    wanted.working_directory = argument.substr(0, argument.rfind('\\'));
    if (const kivo::Status s = shell.create_link(link, wanted); s.failed()) return fail(link, s, fs);
  }
  DWORD written = 0;
  const HANDLE out = ::GetStdHandle(STD_OUTPUT_HANDLE);
  // The path is Japanese; write UTF-8 bytes so the shell script can read it on any code page.
  const std::string utf8 = link + "\n";
  ::WriteFile(out, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
  return 0;
}
