#pragma once
// Input as a user gives it: real mouse clicks and key strokes through SendInput,
// delivered to whatever window is under the pointer or holds the focus.

#include <windows.h>

#include <string>
#include <vector>

namespace kivodrv {

// Brings the control's top-level window to the foreground (unless it is
// disabled, as its owner is behind a modal dialog), moves the pointer to the
// control's centre and clicks there. Returns "" or why it could not click.
std::wstring click(HWND control);

// Presses keys one after another: "Enter", "Tab", "Escape", "Space", "Up",
// "Down", "Left", "Right", "Home", "End", "Backspace", "Delete", "F1".."F12",
// letters and digits, and combinations such as "Shift+Tab", "Alt+Y", "Alt+F4".
// Returns "" or the first key it does not know.
std::wstring press_keys(const std::vector<std::wstring>& keys);

// Types text as characters (any Unicode text, Japanese included).
void type_characters(const std::wstring& text);

// Waits until the thread owning `window` has taken up the input sent so far:
// several WM_NULL round trips, since a sent message overtakes queued input.
void settle(HWND window, unsigned timeout_ms);

}  // namespace kivodrv
