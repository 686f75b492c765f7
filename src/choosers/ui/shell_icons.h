#pragma once
// The shell's small icons, as Explorer draws drives and folders. The system
// image list belongs to the shell and is never destroyed here.

#include <windows.h>
// These need windows.h first.
#include <commctrl.h>

namespace kivo {

HIMAGELIST system_small_icons();
// The small icon of a closed or an open folder, -1 when the shell has none.
int folder_icon_index(bool open);
// Draws icon `index` centred vertically in `row` at `left`; nothing for -1.
void draw_small_icon(HDC dc, int index, int left, const RECT& row);

}  // namespace kivo
