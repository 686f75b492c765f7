#include "choosers/ui/drive_combo_box.h"

#include "choosers/ui/shell_icons.h"
#include "platform/forms/application.h"
#include "platform/forms/dpi.h"
#include "platform/win32/text.h"

namespace kivo {

namespace {
constexpr int kRowHeight = 16;
constexpr int kDropDownRows = 12;
constexpr int kFrame = 6;  // the closed box's border around its field, top and bottom together
}  // namespace

void DriveComboBox::lay_out() {
  Control::lay_out();
  const UINT d = dpi();
  const forms::Bounds& b = design_bounds();
  ::SendMessageW(handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), forms::scale(b.height, d) - kFrame);
  ::SendMessageW(handle(), CB_SETITEMHEIGHT, 0, forms::scale(kRowHeight, d));
  // A combo box's window height includes its drop-down list.
  ::SetWindowPos(handle(), nullptr, 0, 0, forms::scale(b.width, d),
                 forms::scale(b.height + kRowHeight * kDropDownRows, d),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void DriveComboBox::fill() {
  if (handle() == nullptr) return;
  const auto count = static_cast<std::size_t>(::SendMessageW(handle(), CB_GETCOUNT, 0, 0));
  bool same = count == model_.entries().size();
  for (std::size_t i = 0; same && i < count; ++i) {
    const LRESULT length = ::SendMessageW(handle(), CB_GETLBTEXTLEN, i, 0);
    std::wstring text(static_cast<std::size_t>(length < 0 ? 0 : length) + 1, L'\0');
    ::SendMessageW(handle(), CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
    same = narrow(text.c_str()) == model_.entries()[i].label;
  }
  if (!same) {
    ::SendMessageW(handle(), CB_RESETCONTENT, 0, 0);
    for (const DriveEntry& entry : model_.entries())
      ::SendMessageW(handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(entry.label).c_str()));
  }
  // Selecting from here raises no CBN_SELCHANGE.
  ::SendMessageW(handle(), CB_SETCURSEL, static_cast<WPARAM>(model_.selected_index()), 0);
}

bool DriveComboBox::on_command(WORD code) {
  if (code != CBN_SELCHANGE) return false;
  const int index = static_cast<int>(::SendMessageW(handle(), CB_GETCURSEL, 0, 0));
  model_.pick(index);
  return true;
}

bool DriveComboBox::on_draw_item(DRAWITEMSTRUCT& item) {
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  ::FillRect(item.hDC, &item.rcItem, ::GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  if (item.itemID == static_cast<UINT>(-1) || item.itemID >= model_.entries().size()) return true;
  const DriveEntry& entry = model_.entries()[item.itemID];
  const int gap = forms::scale(2, dpi());
  draw_small_icon(item.hDC, entry.icon_index, item.rcItem.left + gap, item.rcItem);
  RECT text_area = item.rcItem;
  text_area.left += gap * 3 + ::GetSystemMetrics(SM_CXSMICON);
  ::SetBkMode(item.hDC, TRANSPARENT);
  ::SetTextColor(item.hDC, ::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  const std::wstring label = widen(entry.label);
  ::DrawTextW(item.hDC, label.c_str(), static_cast<int>(label.size()), &text_area,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
  if ((item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0)
    ::DrawFocusRect(item.hDC, &item.rcItem);
  return true;
}

}  // namespace kivo
