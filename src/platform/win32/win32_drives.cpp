#include "platform/win32/win32_drives.h"

#include <windows.h>
// These need windows.h first.
#include <shellapi.h>

#include "platform/win32/scoped_no_drive_prompt.h"
#include "platform/win32/system_dlls.h"
#include "platform/win32/text.h"

namespace kivo {

namespace {

DriveKind kind_of(UINT type) {
  switch (type) {
    case DRIVE_REMOVABLE:
      return DriveKind::removable;
    case DRIVE_FIXED:
      return DriveKind::fixed;
    case DRIVE_REMOTE:
      return DriveKind::network;
    case DRIVE_CDROM:
      return DriveKind::cd_rom;
    case DRIVE_RAMDISK:
      return DriveKind::ram_disk;
    default:
      return DriveKind::unknown;
  }
}

// Calls a "fill this buffer, or tell me the size needed" function until the text fits.
template <typename Call>
std::wstring grown_text(Call call) {
  std::wstring buffer(MAX_PATH, L'\0');
  for (int attempt = 0; attempt < 4; ++attempt) {
    const DWORD length = call(buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) return buffer.substr(0, length);
    buffer.resize(length + 1);
  }
  return {};
}

}  // namespace

std::string drive_label(char letter, const std::string& display_name) {
  const std::string head = std::string(1, letter) + ":";
  std::string name = display_name;
  // The shell ends a drive's name with its letter in brackets: drop it, we lead with it.
  if (const auto open = name.rfind(" ("); open != std::string::npos && name.back() == ')') name.erase(open);
  if (name.empty() || name.front() == '(') return head;
  return head + " [" + name + "]";
}

std::vector<DriveEntry> Win32Drives::list() {
  ScopedNoDrivePrompt no_prompt;
  std::vector<DriveEntry> entries;
  const DWORD mask = ::GetLogicalDrives();
  for (int bit = 0; bit < 26; ++bit) {
    if ((mask & (1u << bit)) == 0) continue;
    const char letter = static_cast<char>('a' + bit);
    const wchar_t root[] = {static_cast<wchar_t>(L'A' + bit), L':', L'\\', L'\0'};
    DriveEntry entry;
    entry.letter = letter;
    entry.kind = kind_of(::GetDriveTypeW(root));
    SHFILEINFOW info{};
    std::string display_name;
    const UINT flags = SHGFI_DISPLAYNAME | SHGFI_SYSICONINDEX | SHGFI_SMALLICON;
    if (system_dlls::SHGetFileInfoW(root, 0, &info, sizeof info, flags) != 0) {
      display_name = narrow(info.szDisplayName);
      entry.icon_index = info.iIcon;
    }
    // Without a name from the shell a fixed disk is still known by its volume label;
    // other kinds are not asked, as they may have no medium or answer slowly.
    if (drive_label(letter, display_name).size() <= 2 && entry.kind == DriveKind::fixed) {
      wchar_t volume[MAX_PATH + 1] = {};
      if (::GetVolumeInformationW(root, volume, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0))
        display_name = narrow(volume);
    }
    entry.label = drive_label(letter, display_name);
    entries.push_back(entry);
  }
  return entries;
}

std::string Win32Drives::current_folder(char letter) {
  const wchar_t drive[] = {static_cast<wchar_t>(letter), L':', L'\0'};
  // "d:" alone names the drive's current folder; resolving it only reads it.
  std::wstring full = grown_text(
      [&](wchar_t* buffer, DWORD size) { return ::GetFullPathNameW(drive, size, buffer, nullptr); });
  if (full.empty()) return std::string(1, letter) + ":\\";
  // Only a root keeps its backslash: "d:\games", but "d:\".
  if (full.size() > 3 && full.back() == L'\\') full.pop_back();
  return narrow(full);
}

std::string Win32Drives::process_current_folder() {
  return narrow(grown_text([](wchar_t* buffer, DWORD size) { return ::GetCurrentDirectoryW(size, buffer); }));
}

}  // namespace kivo
