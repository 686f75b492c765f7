#include "choosers/ui/shell_icons.h"

#include <shellapi.h>

#include "platform/win32/system_dlls.h"

namespace kivo {

namespace {
DWORD_PTR folder_info(SHFILEINFOW& info, UINT extra_flags) {
  return system_dlls::SHGetFileInfoW(
      L"folder", FILE_ATTRIBUTE_DIRECTORY, &info, sizeof info,
      SHGFI_USEFILEATTRIBUTES | SHGFI_SYSICONINDEX | SHGFI_SMALLICON | extra_flags);
}
}  // namespace

HIMAGELIST system_small_icons() {
  SHFILEINFOW info{};
  return reinterpret_cast<HIMAGELIST>(folder_info(info, 0));
}

namespace {
int look_up_folder_icon(bool open) {
  SHFILEINFOW info{};
  if (folder_info(info, open ? SHGFI_OPENICON : 0u) == 0) return -1;
  return info.iIcon;
}
}  // namespace

// Asked once, when a folder list is first drawn: the first question sets up
// the shell's image list, which takes long enough to be felt at start-up.
int folder_icon_index(bool open) {
  static const int closed = look_up_folder_icon(false);
  static const int opened = look_up_folder_icon(true);
  return open ? opened : closed;
}

void draw_small_icon(HDC dc, int index, int left, const RECT& row) {
  static const HIMAGELIST icons = system_small_icons();
  if (icons == nullptr || index < 0) return;
  const int size = ::GetSystemMetrics(SM_CYSMICON);
  ImageList_Draw(icons, index, dc, left, row.top + (row.bottom - row.top - size) / 2, ILD_TRANSPARENT);
}

}  // namespace kivo
