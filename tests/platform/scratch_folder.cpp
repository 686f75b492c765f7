#include "scratch_folder.h"

#include <windows.h>

#include <stdexcept>

#include "platform/win32/text.h"
#include "platform/win32/unique_handle.h"

namespace kivo::scratch {
namespace {

void remove_tree(const std::wstring& folder) {
  WIN32_FIND_DATAW found{};
  unique_find_handle search(::FindFirstFileW((folder + L"\\*").c_str(), &found));
  if (search) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring child = folder + L"\\" + name;
      ::SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        remove_tree(child);
      else
        ::DeleteFileW(child.c_str());
    } while (::FindNextFileW(search.get(), &found));
  }
  search.reset();
  ::RemoveDirectoryW(folder.c_str());
}

}  // namespace

ScratchFolder::ScratchFolder() {
  wchar_t temp[MAX_PATH] = {};
  ::GetTempPathW(MAX_PATH, temp);
  static unsigned counter = 0;
  const std::wstring folder = std::wstring(temp) + L"kivo-platform-" +
                              std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(++counter);
  if (!::CreateDirectoryW(folder.c_str(), nullptr))
    throw std::runtime_error("cannot create the scratch folder");
  path_ = narrow(folder);
}

ScratchFolder::~ScratchFolder() { remove_tree(widen(path_)); }

void write_file(const std::string& path, const std::string& contents) {
  unique_file_handle file(::CreateFileW(widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  if (!file ||
      !::WriteFile(file.get(), contents.data(), static_cast<DWORD>(contents.size()), &written, nullptr) ||
      written != contents.size())
    throw std::runtime_error("cannot write " + path);
}

std::string read_file(const std::string& path) {
  unique_file_handle file(::CreateFileW(widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) throw std::runtime_error("cannot open " + path);
  std::string contents;
  char buffer[4096];
  DWORD got = 0;
  while (::ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr) && got > 0)
    contents.append(buffer, got);
  return contents;
}

void make_folder(const std::string& path) {
  if (!::CreateDirectoryW(widen(path).c_str(), nullptr)) throw std::runtime_error("cannot create " + path);
}

}  // namespace kivo::scratch
