#include "input.h"

#include <cwctype>
#include <optional>

#include "poll.h"
#include "windows_query.h"

namespace kivodrv {

namespace {

INPUT mouse_input(DWORD flags, LONG x = 0, LONG y = 0) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = x;
  input.mi.dy = y;
  input.mi.dwFlags = flags;
  return input;
}

INPUT key_input(WORD virtual_key, WORD character, DWORD flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtual_key;
  input.ki.wScan = character;
  input.ki.dwFlags = flags;
  return input;
}

void send(std::vector<INPUT> inputs) {
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

bool bring_to_front(HWND top) {
  if (GetForegroundWindow() == top) return true;
  SetForegroundWindow(top);
  return poll_until(2000, [&] { return GetForegroundWindow() == top; });
}

bool belongs_to(HWND found, HWND control) { return found == control || IsChild(control, found); }

std::optional<WORD> virtual_key_named(const std::wstring& name) {
  static const struct {
    const wchar_t* name;
    WORD key;
  } kNamed[] = {
      {L"Enter", VK_RETURN},  {L"Return", VK_RETURN},  {L"Tab", VK_TAB},      {L"Escape", VK_ESCAPE},
      {L"Esc", VK_ESCAPE},    {L"Space", VK_SPACE},    {L"Up", VK_UP},        {L"Down", VK_DOWN},
      {L"Left", VK_LEFT},     {L"Right", VK_RIGHT},    {L"Home", VK_HOME},    {L"End", VK_END},
      {L"Delete", VK_DELETE}, {L"Backspace", VK_BACK}, {L"PageUp", VK_PRIOR}, {L"PageDown", VK_NEXT},
      {L"Shift", VK_SHIFT},   {L"Ctrl", VK_CONTROL},   {L"Alt", VK_MENU},
  };
  for (const auto& entry : kNamed)
    if (_wcsicmp(entry.name, name.c_str()) == 0) return entry.key;
  if (name.size() == 1 && std::iswalnum(name[0]) && name[0] < 0x80)
    return static_cast<WORD>(std::towupper(name[0]));
  if (name.size() >= 2 && (name[0] == L'F' || name[0] == L'f')) {
    const int number = _wtoi(name.c_str() + 1);
    if (number >= 1 && number <= 12) return static_cast<WORD>(VK_F1 + number - 1);
  }
  return std::nullopt;
}

}  // namespace

std::wstring click(HWND control) {
  if (!IsWindowVisible(control)) return L"it is not visible";
  HWND top = GetAncestor(control, GA_ROOT);
  if (IsWindowEnabled(top) && !bring_to_front(top)) return L"its window did not come to the foreground";
  RECT rect{};
  GetWindowRect(control, &rect);
  const POINT centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  // The window manager may restack a moment after the foreground changed.
  HWND under = nullptr;
  if (!poll_until(2000, [&] {
        under = WindowFromPoint(centre);
        return belongs_to(under, control) || GetAncestor(under, GA_ROOT) == top;
      }))
    return L"it is covered by " + describe(GetAncestor(under, GA_ROOT));
  const LONG width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  const LONG x = (centre.x * 65535 + width / 2) / (width - 1),
             y = (centre.y * 65535 + height / 2) / (height - 1);
  send({mouse_input(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, x, y)});
  poll_until(1000, [&] {
    POINT at{};
    GetCursorPos(&at);
    return at.x == centre.x && at.y == centre.y;
  });
  // The press and the release carry the position too: Wine may move its cursor
  // back to where the X server last saw the pointer between our events, and a
  // button pressed inside but released outside never reports a click.
  constexpr DWORD kAt = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  send({mouse_input(kAt | MOUSEEVENTF_LEFTDOWN, x, y), mouse_input(kAt | MOUSEEVENTF_LEFTUP, x, y)});
  return {};
}

std::wstring press_keys(const std::vector<std::wstring>& keys) {
  for (const std::wstring& combination : keys) {
    std::vector<WORD> held;
    size_t start = 0;
    while (true) {
      const size_t plus = combination.find(L'+', start + 1);
      const std::wstring part = combination.substr(start, plus == std::wstring::npos ? plus : plus - start);
      const std::optional<WORD> key = virtual_key_named(part);
      if (!key) return part;
      held.push_back(*key);
      if (plus == std::wstring::npos) break;
      start = plus + 1;
    }
    std::vector<INPUT> inputs;
    for (WORD key : held) inputs.push_back(key_input(key, 0, 0));
    for (auto key = held.rbegin(); key != held.rend(); ++key)
      inputs.push_back(key_input(*key, 0, KEYEVENTF_KEYUP));
    send(inputs);
  }
  return {};
}

void type_characters(const std::wstring& text) {
  for (wchar_t c : text)
    send({key_input(0, c, KEYEVENTF_UNICODE), key_input(0, c, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP)});
}

void settle(HWND window, unsigned timeout_ms) {
  for (int round = 0; round < 6; ++round) {
    if (!answers_within(window, timeout_ms)) return;
    Sleep(5);
  }
}

}  // namespace kivodrv
