#include "choosers/ui/directory_list_box.h"

#include <algorithm>

#include "choosers/ui/shell_icons.h"
#include "platform/forms/application.h"
#include "platform/forms/dpi.h"
#include "platform/win32/text.h"

namespace kivo {

namespace {
constexpr int kRowHeight = 16;
constexpr int kIndent = 10;
}  // namespace

void DirectoryListBox::after_create() {
  ::SetWindowSubclass(handle(), subclass_proc, 1, reinterpret_cast<DWORD_PTR>(this));
  ModelControl::after_create();
}

void DirectoryListBox::lay_out() {
  Control::lay_out();
  ::SendMessageW(handle(), LB_SETITEMHEIGHT, 0, forms::scale(kRowHeight, dpi()));
}

void DirectoryListBox::fill() {
  if (handle() == nullptr) return;
  ::SendMessageW(handle(), WM_SETREDRAW, FALSE, 0);
  ::SendMessageW(handle(), LB_RESETCONTENT, 0, 0);
  for (const auto& row : model_.rows())
    ::SendMessageW(handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(row.name).c_str()));
  ::SendMessageW(handle(), LB_SETCURSEL, model_.current_row(), 0);
  ::SendMessageW(handle(), WM_SETREDRAW, TRUE, 0);
  ::InvalidateRect(handle(), nullptr, TRUE);
}

void DirectoryListBox::open_selected() {
  const LRESULT index = ::SendMessageW(handle(), LB_GETCURSEL, 0, 0);
  if (index == LB_ERR) return;
  try {
    model_.open_row(static_cast<std::size_t>(index));
  } catch (...) {
    // Not left to the window's catch: once the box about a row that could
    // not be opened is closed, the list must still go back to where it is.
    forms::Application::show_current_exception();
  }
  // A row that could not be opened: the list shows where it still is.
  if (::SendMessageW(handle(), LB_GETCURSEL, 0, 0) != static_cast<LRESULT>(model_.current_row())) fill();
}

bool DirectoryListBox::on_command(WORD code) {
  if (code != LBN_DBLCLK) return false;
  open_selected();
  return true;
}

LRESULT CALLBACK DirectoryListBox::subclass_proc(HWND window, UINT message, WPARAM w, LPARAM l, UINT_PTR,
                                                 DWORD_PTR data) noexcept try {
  switch (message) {
    case WM_KEYDOWN:
      if (w == VK_RETURN) {
        reinterpret_cast<DirectoryListBox*>(data)->open_selected();
        return 0;
      }
      break;
    case WM_CHAR:
      if (w == L'\r') return 0;
      break;
    case WM_NCDESTROY:
      ::RemoveWindowSubclass(window, subclass_proc, 1);
      break;
  }
  return ::DefSubclassProc(window, message, w, l);
} catch (...) {
  forms::Application::show_current_exception();
  return 0;
}

bool DirectoryListBox::on_draw_item(DRAWITEMSTRUCT& item) {
  ::FillRect(item.hDC, &item.rcItem, ::GetSysColorBrush(COLOR_WINDOW));
  if (item.itemID == static_cast<UINT>(-1) || item.itemID >= model_.rows().size()) return true;
  const auto& row = model_.rows()[item.itemID];
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  const UINT d = dpi();
  int left = item.rcItem.left + forms::scale(2 + row.level * kIndent, d);
  draw_small_icon(item.hDC, folder_icon_index(row.open), left, item.rcItem);
  left += ::GetSystemMetrics(SM_CXSMICON) + forms::scale(3, d);
  const std::wstring name = widen(row.name);
  SIZE extent{};
  ::GetTextExtentPoint32W(item.hDC, name.c_str(), static_cast<int>(name.size()), &extent);
  RECT text_area = item.rcItem;
  text_area.left = left;
  text_area.right = std::min<LONG>(item.rcItem.right, left + extent.cx + forms::scale(4, d));
  if (selected) ::FillRect(item.hDC, &text_area, ::GetSysColorBrush(COLOR_HIGHLIGHT));
  ::SetBkMode(item.hDC, TRANSPARENT);
  ::SetTextColor(item.hDC, ::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  RECT inner = text_area;
  inner.left += forms::scale(2, d);
  ::DrawTextW(item.hDC, name.c_str(), static_cast<int>(name.size()), &inner,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
  if ((item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0)
    ::DrawFocusRect(item.hDC, &text_area);
  return true;
}

}  // namespace kivo
