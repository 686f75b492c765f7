#include "platform/forms/window_name.h"

#include "platform/win32/text.h"

namespace kivo::forms {

void set_window_name(HWND window, const std::string& name) {
  if (!window || name.empty()) return;
  const ATOM atom = GlobalAddAtomW(widen(name).c_str());
  if (atom) SetPropW(window, kWindowNameProperty, reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(atom)));
}

void clear_window_name(HWND window) {
  if (!window) return;
  const auto atom = static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(RemovePropW(window, kWindowNameProperty)));
  if (atom) GlobalDeleteAtom(atom);
}

}  // namespace kivo::forms
