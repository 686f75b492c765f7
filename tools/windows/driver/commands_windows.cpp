// Commands that find windows and read their state, texts and geometry.
#include <windows.h>

#include <sstream>

#include "commands.h"
#include "poll.h"
#include "text.h"
#include "windows_query.h"

namespace kivodrv {

namespace {

std::wstring geometry(const RECT& r) {
  std::wostringstream text;
  text << r.left << L"," << r.top << L" " << (r.right - r.left) << L"x" << (r.bottom - r.top);
  return text.str();
}

bool is_shown(HWND window) { return window && IsWindowVisible(window); }

Outcome wait_window(const Args& a, unsigned timeout) {
  HWND found = nullptr;
  if (poll_until(timeout, [&] { return is_shown(found = resolve(a[0])); }))
    return pass(a[0] + L" is shown: " + quoted(caption_of(found)));
  return fail(a[0] + (found ? L" exists but stayed hidden" : L" did not appear"));
}

Outcome wait_gone(const Args& a, unsigned timeout) {
  if (poll_until(timeout, [&] { return !is_shown(resolve(a[0])); })) return pass(a[0] + L" is not shown");
  return fail(a[0] + L" is still shown");
}

Outcome expect_hidden(const Args& a, unsigned timeout) {
  HWND found = nullptr;
  if (poll_until(timeout, [&] { return (found = resolve(a[0])) && !IsWindowVisible(found); }))
    return pass(a[0] + L" exists and is hidden");
  return fail(a[0] + (found ? L" is shown" : L" does not exist"));
}

Outcome expect_absent(const Args& a, unsigned timeout) {
  if (poll_until(timeout, [&] { return resolve(a[0]) == nullptr; })) return pass(a[0] + L" does not exist");
  return fail(a[0] + L" still exists");
}

Outcome expect_enabled(const Args& a, unsigned timeout, bool wanted) {
  HWND found = nullptr;
  const wchar_t* state = wanted ? L"enabled" : L"disabled";
  if (poll_until(timeout,
                 [&] { return (found = resolve(a[0])) && (IsWindowEnabled(found) != FALSE) == wanted; }))
    return pass(a[0] + L" is " + state);
  return fail(a[0] + (found ? std::wstring(L" is not ") + state : std::wstring(L" does not exist")));
}

Outcome idle(const Args& a, unsigned timeout) {
  HWND found = resolve(a[0]);
  if (!found) return fail(a[0] + L" does not exist");
  if (answers_within(found, timeout)) return pass(L"the thread of " + a[0] + L" is idle");
  return fail(L"the thread of " + a[0] + L" stayed busy");
}

Outcome text(const Args& a, unsigned) {
  HWND found = resolve(a[0]);
  if (!found) return fail(a[0] + L" does not exist");
  return pass(text_of(found));
}

Outcome expect_text(const Args& a, unsigned timeout) {
  HWND found = nullptr;
  std::wstring seen;
  if (poll_until(timeout, [&] { return (found = resolve(a[0])) && (seen = text_of(found)) == a[1]; }))
    return pass(a[0] + L" reads " + quoted(a[1]));
  if (!found) return fail(a[0] + L" does not exist");
  return fail(a[0] + L" reads " + quoted(seen) + L", expected " + quoted(a[1]));
}

Outcome caption(const Args& a, unsigned) {
  HWND found = resolve(a[0]);
  if (!found) return fail(a[0] + L" does not exist");
  return pass(caption_of(found));
}

Outcome expect_caption(const Args& a, unsigned timeout) {
  HWND found = nullptr;
  if (poll_until(timeout, [&] { return (found = resolve(a[0])) && caption_of(found) == a[1]; }))
    return pass(a[0] + L" has the caption " + quoted(a[1]));
  if (!found) return fail(a[0] + L" does not exist");
  return fail(a[0] + L" has the caption " + quoted(caption_of(found)) + L", expected " + quoted(a[1]));
}

Outcome rect(const Args& a, unsigned) {
  HWND found = resolve(a[0]);
  if (!found) return fail(a[0] + L" does not exist");
  RECT client{};
  GetClientRect(found, &client);
  return pass(geometry(rect_in_parent(found)) + L" client " + std::to_wstring(client.right) + L"x" +
              std::to_wstring(client.bottom));
}

// For a control: position and size in its parent's client area; for a
// top-level window: its outer rectangle on the screen.
Outcome expect_rect(const Args& a, unsigned timeout) {
  const RECT wanted{_wtoi(a[1].c_str()), _wtoi(a[2].c_str()), _wtoi(a[1].c_str()) + _wtoi(a[3].c_str()),
                    _wtoi(a[2].c_str()) + _wtoi(a[4].c_str())};
  HWND found = nullptr;
  RECT seen{};
  if (poll_until(timeout, [&] {
        return (found = resolve(a[0])) && EqualRect(&(seen = rect_in_parent(found)), &wanted);
      }))
    return pass(a[0] + L" is at " + geometry(wanted));
  if (!found) return fail(a[0] + L" does not exist");
  return fail(a[0] + L" is at " + geometry(seen) + L", expected " + geometry(wanted));
}

Outcome expect_position(const Args& a, unsigned timeout) {
  const LONG x = _wtoi(a[1].c_str()), y = _wtoi(a[2].c_str());
  HWND found = nullptr;
  RECT seen{};
  if (poll_until(timeout, [&] {
        return (found = resolve(a[0])) && (seen = rect_in_parent(found)).left == x && seen.top == y;
      }))
    return pass(a[0] + L" is at " + a[1] + L"," + a[2]);
  if (!found) return fail(a[0] + L" does not exist");
  return fail(a[0] + L" is at " + geometry(seen) + L", expected " + a[1] + L"," + a[2]);
}

Outcome expect_client_size(const Args& a, unsigned timeout) {
  const LONG width = _wtoi(a[1].c_str()), height = _wtoi(a[2].c_str());
  HWND found = nullptr;
  RECT seen{};
  if (poll_until(timeout, [&] {
        return (found = resolve(a[0])) && GetClientRect(found, &seen) && seen.right == width &&
               seen.bottom == height;
      }))
    return pass(a[0] + L" has a client area of " + a[1] + L"x" + a[2]);
  if (!found) return fail(a[0] + L" does not exist");
  return fail(a[0] + L" has a client area of " + std::to_wstring(seen.right) + L"x" +
              std::to_wstring(seen.bottom) + L", expected " + a[1] + L"x" + a[2]);
}

// One line per control in z-order (the tab order of controls with a tab stop).
Outcome list(const Args& a, unsigned) {
  HWND found = resolve(a[0]);
  if (!found) return fail(a[0] + L" does not exist");
  std::wostringstream lines;
  lines << describe(found) << L" " << quoted(caption_of(found)) << L" " << geometry(rect_in_parent(found))
        << (IsWindowVisible(found) ? L" visible" : L" hidden");
  int index = 0;
  for (HWND child : descendants(found)) {
    const LONG style = GetWindowLongW(child, GWL_STYLE);
    lines << L"\n  " << index++ << L" " << (name_of(child).empty() ? L"-" : name_of(child)) << L" ["
          << class_of(child) << L"] " << quoted(text_of(child)) << L" " << geometry(rect_in_parent(child))
          << ((style & WS_TABSTOP) ? L" tabstop" : L"") << (IsWindowVisible(child) ? L"" : L" hidden")
          << (IsWindowEnabled(child) ? L"" : L" disabled");
  }
  return pass(lines.str());
}

Outcome close(const Args& a, unsigned) {
  HWND found = resolve(a[0]);
  if (!is_shown(found)) return fail(a[0] + L" is not shown");
  PostMessageW(found, WM_SYSCOMMAND, SC_CLOSE, 0);
  return pass(L"closed " + a[0] + L" by its close box");
}

// What the system sends a window for its minimise and restore buttons, the
// system menu, Win+Down and the taskbar button's menu.
Outcome system_command(const Args& a, unsigned) {
  static const struct {
    const wchar_t* name;
    WPARAM command;
  } kCommands[] = {{L"minimize", SC_MINIMIZE}, {L"restore", SC_RESTORE}, {L"close", SC_CLOSE}};
  HWND found = resolve(a[0]);
  if (!found) return fail(a[0] + L" does not exist");
  for (const auto& entry : kCommands)
    if (a[1] == entry.name) {
      PostMessageW(found, WM_SYSCOMMAND, entry.command, 0);
      return pass(L"sent " + a[1] + L" to " + a[0]);
    }
  return fail(L"unknown system command " + quoted(a[1]));
}

// Activates W from outside, as a click on a taskbar button or Alt+Tab does.
Outcome activate(const Args& a, unsigned timeout) {
  HWND found = resolve(a[0]);
  if (!found) return fail(a[0] + L" does not exist");
  SetForegroundWindow(found);
  if (poll_until(timeout, [&] { return GetForegroundWindow() != nullptr; }))
    return pass(L"activated " + a[0] + L"; the foreground is " + describe(GetForegroundWindow()));
  return fail(L"no window is in the foreground after activating " + a[0]);
}

Outcome expect_active(const Args& a, unsigned timeout) {
  HWND found = nullptr;
  if (poll_until(timeout, [&] { return (found = resolve(a[0])) && GetForegroundWindow() == found; }))
    return pass(a[0] + L" is the active window");
  if (!found) return fail(a[0] + L" does not exist");
  return fail(L"the active window is " + describe(GetForegroundWindow()) + L", expected " + a[0]);
}

Outcome expect_minimized(const Args& a, unsigned timeout, bool wanted) {
  HWND found = nullptr;
  if (poll_until(timeout, [&] { return (found = resolve(a[0])) && (IsIconic(found) != FALSE) == wanted; }))
    return pass(a[0] + (wanted ? L" is minimised" : L" is not minimised"));
  if (!found) return fail(a[0] + L" does not exist");
  return fail(a[0] + (wanted ? L" is not minimised" : L" is minimised"));
}

// The program shows exactly N named windows (its taskbar button's window
// excepted), so a second press of a button opened no second window.
Outcome expect_shown_count(const Args& a, unsigned timeout) {
  HWND found = resolve(a[0]);
  if (!found) return fail(a[0] + L" does not exist");
  DWORD process = 0;
  GetWindowThreadProcessId(found, &process);
  const size_t wanted = static_cast<size_t>(_wtoi(a[1].c_str()));
  std::wstring names;
  auto shown = [&] {
    names.clear();
    size_t count = 0;
    for (HWND window : top_level_windows()) {
      DWORD owner = 0;
      GetWindowThreadProcessId(window, &owner);
      if (owner != process || !IsWindowVisible(window) || name_of(window).empty() ||
          name_of(window) == L"Application")
        continue;
      names += (names.empty() ? L"" : L" ") + name_of(window);
      ++count;
    }
    return count;
  };
  if (poll_until(timeout, [&] { return shown() == wanted; })) return pass(L"the program shows " + names);
  return fail(L"the program shows " + names + L", expected " + a[1] + L" windows");
}

}  // namespace

const std::vector<Command>& window_commands() {
  static const std::vector<Command> kCommands = {
      {L"wait-window", 1, 1, L"W                 wait until W is shown", wait_window},
      {L"wait-gone", 1, 1, L"W                   wait until W is hidden or gone", wait_gone},
      {L"expect-hidden", 1, 1, L"W               W exists but is hidden", expect_hidden},
      {L"expect-absent", 1, 1, L"W               no such window or control", expect_absent},
      {L"expect-enabled", 1, 1, L"W              W is enabled",
       [](const Args& a, unsigned t) { return expect_enabled(a, t, true); }},
      {L"expect-disabled", 1, 1, L"W             W is disabled",
       [](const Args& a, unsigned t) { return expect_enabled(a, t, false); }},
      {L"idle", 1, 1, L"W                        the thread of W answers messages", idle},
      {L"text", 1, 1, L"W                        print the text of W", text},
      {L"expect-text", 2, 2, L"W TEXT            W shows exactly TEXT", expect_text},
      {L"caption", 1, 1, L"W                     print the caption of W", caption},
      {L"expect-caption", 2, 2, L"W TEXT         W has the caption TEXT", expect_caption},
      {L"rect", 1, 1, L"W                        print x,y wxh (parent client / screen) and client size",
       rect},
      {L"expect-rect", 5, 5, L"W X Y WIDTH HEIGHT  position and outer size of W", expect_rect},
      {L"expect-pos", 3, 3, L"W X Y               position of W (parent client / screen)", expect_position},
      {L"expect-client-size", 3, 3, L"W WIDTH HEIGHT  client size of W", expect_client_size},
      {L"list", 1, 1, L"W                        list the controls of W in z-order", list},
      {L"close", 1, 1, L"W                       close W by its close box", close},
      {L"syscommand", 2, 2, L"W minimize|restore|close  WM_SYSCOMMAND to W", system_command},
      {L"activate", 1, 1, L"W                    activate W from outside (taskbar, Alt+Tab)", activate},
      {L"expect-active", 1, 1, L"W               W is the foreground window", expect_active},
      {L"expect-minimized", 1, 1, L"W            W is minimised",
       [](const Args& a, unsigned t) { return expect_minimized(a, t, true); }},
      {L"expect-shown-count", 2, 2, L"W N        W's program shows N named windows", expect_shown_count},
      {L"expect-not-minimized", 1, 1, L"W        W is not minimised",
       [](const Args& a, unsigned t) { return expect_minimized(a, t, false); }},
  };
  return kCommands;
}

}  // namespace kivodrv
