#include "windows_query.h"

#include <algorithm>

#include "platform/forms/window_name.h"
#include "text.h"

namespace kivodrv {

namespace {

using kivo::forms::kWindowNameProperty;

BOOL CALLBACK collect(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

}  // namespace

std::wstring name_of(HWND window) {
  const auto atom = static_cast<ATOM>(reinterpret_cast<UINT_PTR>(GetPropW(window, kWindowNameProperty)));
  if (atom == 0) return {};
  wchar_t name[256] = {};
  const UINT length = GlobalGetAtomNameW(atom, name, 256);
  return std::wstring(name, length);
}

std::wstring class_of(HWND window) {
  wchar_t name[256] = {};
  const int length = GetClassNameW(window, name, 256);
  return std::wstring(name, static_cast<size_t>(length > 0 ? length : 0));
}

std::wstring caption_of(HWND window) {
  wchar_t text[4096] = {};
  const int length = InternalGetWindowText(window, text, 4096);
  return std::wstring(text, static_cast<size_t>(length > 0 ? length : 0));
}

std::wstring text_of(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 1000, &length))
    return caption_of(window);
  // A control may answer anything; never trust it with the size of a buffer.
  std::wstring text(std::min<DWORD_PTR>(length, 65535) + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                           SMTO_ABORTIFHUNG, 1000, &copied))
    return caption_of(window);
  text.resize(copied);
  return text;
}

std::wstring describe(HWND window) {
  if (!window) return L"(none)";
  const std::wstring name = name_of(window);
  if (!name.empty()) return name;
  return class_of(window) + L" " + quoted(text_of(window));
}

std::vector<HWND> top_level_windows() {
  std::vector<HWND> windows;
  EnumWindows(collect, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

std::vector<HWND> descendants(HWND parent) {
  std::vector<HWND> windows;
  EnumChildWindows(parent, collect, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

HWND find_top_level(const std::wstring& wanted) {
  HWND hidden_match = nullptr;
  for (HWND window : top_level_windows()) {
    if (name_of(window) != wanted && caption_of(window) != wanted) continue;
    if (IsWindowVisible(window)) return window;
    if (!hidden_match) hidden_match = window;
  }
  return hidden_match;
}

HWND find_control(HWND parent, const std::wstring& wanted) {
  const std::vector<HWND> children = descendants(parent);
  for (HWND child : children)
    if (name_of(child) == wanted) return child;
  for (HWND child : children)
    if (without_mnemonic(text_of(child)) == without_mnemonic(wanted)) return child;
  return nullptr;
}

HWND resolve(const std::wstring& wanted_name) {
  if (HWND whole = find_top_level(wanted_name)) return whole;
  const size_t dot = wanted_name.find(L'.');
  if (dot == std::wstring::npos) return nullptr;
  HWND top = find_top_level(wanted_name.substr(0, dot));
  return top ? find_control(top, wanted_name.substr(dot + 1)) : nullptr;
}

HWND focus_in_thread_of(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

RECT rect_in_parent(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  if (HWND parent = GetAncestor(window, GA_PARENT); parent && parent != GetDesktopWindow())
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

bool answers_within(HWND window, unsigned milliseconds) {
  DWORD_PTR ignored = 0;
  return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, milliseconds, &ignored) != 0;
}

std::vector<HWND> message_boxes() {
  std::vector<HWND> boxes;
  for (HWND window : top_level_windows())
    if (IsWindowVisible(window) && class_of(window) == L"#32770" && name_of(window).empty())
      boxes.push_back(window);
  return boxes;
}

std::wstring message_box_text(HWND box) {
  std::wstring joined;
  for (HWND child : descendants(box)) {
    if (_wcsicmp(class_of(child).c_str(), L"Static") != 0 || !IsWindowVisible(child)) continue;
    const std::wstring text = text_of(child);
    if (text.empty()) continue;
    if (!joined.empty()) joined += L"\n";
    joined += text;
  }
  return joined;
}

std::vector<HWND> buttons_of(HWND box) {
  std::vector<HWND> buttons;
  for (HWND child : descendants(box))
    if (_wcsicmp(class_of(child).c_str(), L"Button") == 0 && IsWindowVisible(child)) buttons.push_back(child);
  return buttons;
}

}  // namespace kivodrv
