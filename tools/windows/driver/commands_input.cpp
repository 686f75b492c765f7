// Commands that act as the user: clicks, keys, typing, and the focus they move.
#include <windows.h>

#include <algorithm>

#include "commands.h"
#include "input.h"
#include "poll.h"
#include "text.h"
#include "windows_query.h"

namespace kivodrv {

namespace {

constexpr unsigned kSettleMs = 2000;

Outcome click_once(HWND found, const std::wstring& name) {
  if (const std::wstring refused = click(found); !refused.empty())
    return fail(L"cannot click " + name + L": " + refused);
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(found, nullptr), &info);
  const std::wstring state = L" [active " + describe(info.hwndActive) + L", capture " +
                             describe(info.hwndCapture) + L", foreground " + describe(GetForegroundWindow()) +
                             L"]";
  settle(found, kSettleMs);
  return pass(L"clicked " + name + state);
}

// With "--until CHECK...", each click waits for the program's thread to take
// up what came before, and is made again while the check does not hold: a lost
// click is told from an ignored one.
Outcome click_command(const Args& a, unsigned timeout) {
  HWND found = nullptr;
  if (!poll_until(timeout, [&] { return IsWindowVisible(found = resolve(a[0])); }))
    return fail(a[0] + (found ? L" is not shown" : L" does not exist"));
  if (a.size() == 1) return click_once(found, a[0]);
  const Command* check = a.size() > 2 && a[1] == L"--until" ? find_command(a[2]) : nullptr;
  const Args check_args(a.begin() + std::min<size_t>(a.size(), 3), a.end());
  if (!check || check_args.size() < check->min_args || check_args.size() > check->max_args)
    return fail(L"expected --until and a driver check after " + a[0]);
  Outcome effect;
  for (int press = 1; press <= kPresses; ++press) {
    settle(found, timeout);
    if (const Outcome clicked = click_once(found, a[0]); !clicked.ok) return clicked;
    settle(found, timeout);
    if ((effect = check->run(check_args, kEffectMs)).ok)
      return pass(L"clicked " + a[0] + L" " + std::to_wstring(press) + L"x: " + effect.line);
    if (!IsWindowVisible(found)) break;
  }
  return fail(a[0] + L" did not bring " + a[2] + L": " + effect.line);
}

// One key at a time, each taken up before the next, as a person types.
Outcome key_command(const Args& a, unsigned) {
  for (const std::wstring& key : a) {
    if (const std::wstring unknown = press_keys({key}); !unknown.empty())
      return fail(L"unknown key " + quoted(unknown));
    if (HWND target = GetForegroundWindow()) settle(target, kSettleMs);
  }
  std::wstring pressed;
  for (const auto& key : a) pressed += (pressed.empty() ? L"" : L" ") + key;
  return pass(L"pressed " + pressed);
}

// Clicks into the edit, selects its whole text and types over it.
Outcome type_command(const Args& a, unsigned timeout) {
  HWND found = nullptr;
  if (!poll_until(timeout, [&] { return IsWindowVisible(found = resolve(a[0])); }))
    return fail(a[0] + (found ? L" is not shown" : L" does not exist"));
  if (const std::wstring refused = click(found); !refused.empty())
    return fail(L"cannot click into " + a[0] + L": " + refused);
  settle(found, kSettleMs);
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(found, EM_SETSEL, 0, -1, SMTO_NORMAL, timeout, &ignored);
  type_characters(a[1]);
  settle(found, kSettleMs);
  return pass(L"typed " + quoted(a[1]) + L" into " + a[0]);
}

// Sets the text directly, for when typing is beside the point (the edit still
// reports the change to its parent).
Outcome set_text_command(const Args& a, unsigned timeout) {
  HWND found = resolve(a[0]);
  if (!found) return fail(a[0] + L" does not exist");
  DWORD_PTR ignored = 0;
  if (!SendMessageTimeoutW(found, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(a[1].c_str()), SMTO_NORMAL, timeout,
                           &ignored))
    return fail(a[0] + L" did not take the text");
  return pass(L"set the text of " + a[0] + L" to " + quoted(a[1]));
}

Outcome focus_command(const Args& a, unsigned) {
  HWND top = resolve(a[0]);
  if (!top) return fail(a[0] + L" does not exist");
  return pass(describe(focus_in_thread_of(top)));
}

Outcome expect_focus(const Args& a, unsigned timeout) {
  HWND wanted = nullptr, focused = nullptr;
  if (poll_until(timeout, [&] {
        wanted = resolve(a[0]);
        focused = wanted ? focus_in_thread_of(wanted) : nullptr;
        return wanted && focused == wanted;
      }))
    return pass(L"the focus is on " + a[0]);
  if (!wanted) return fail(a[0] + L" does not exist");
  return fail(L"the focus is on " + describe(focused) + L", expected " + a[0]);
}

}  // namespace

const std::vector<Command>& input_commands() {
  static const std::vector<Command> kCommands = {
      {L"click", 1, 64, L"W.C [--until CHECK...]  click the centre of the control (again until CHECK holds)",
       click_command},
      {L"key", 1, 64, L"KEY...                   press keys (Enter Tab Escape Alt+Y ...)", key_command},
      {L"type", 2, 2, L"W.C TEXT                 click into an edit, select all, type TEXT", type_command},
      {L"set-text", 2, 2, L"W.C TEXT             set the text of an edit (WM_SETTEXT)", set_text_command},
      {L"focus", 1, 1, L"W                       print the control holding the focus", focus_command},
      {L"expect-focus", 1, 1, L"W.C              the focus is on W.C", expect_focus},
  };
  return kCommands;
}

}  // namespace kivodrv
