#pragma once
// Finding the program's windows and reading what they show. Every window and
// control of the program carries its code name in the window property
// "kivo.name" (a global atom); other windows are matched by caption or text.

#include <windows.h>

#include <string>
#include <vector>

namespace kivodrv {

std::wstring name_of(HWND window);  // "" when the window has no code name
std::wstring class_of(HWND window);
std::wstring caption_of(HWND window);  // the window text without sending a message
std::wstring text_of(HWND window);     // WM_GETTEXT, or the caption when the owner is busy
std::wstring describe(HWND window);    // the name, or class and text for unnamed windows

// All top-level windows, visible or not, in z-order (topmost first).
std::vector<HWND> top_level_windows();
// All descendants of a window in z-order, depth first.
std::vector<HWND> descendants(HWND parent);

// A top-level window whose code name or caption equals `wanted`; a visible one
// is preferred to a hidden one. nullptr when there is none.
HWND find_top_level(const std::wstring& wanted);
// A descendant whose code name equals `wanted`, else one whose text without
// mnemonic markers equals it.
HWND find_control(HWND parent, const std::wstring& wanted);

// "Form1" names a top-level window, "Form1.BtnManual" a control in it. The
// whole text is tried as a top-level name or caption first.
HWND resolve(const std::wstring& wanted_name);

// The control holding the keyboard focus in the thread that owns `window`.
HWND focus_in_thread_of(HWND window);

// A rectangle in the coordinates of the parent's client area (screen for top-level windows).
RECT rect_in_parent(HWND window);

// True while the thread owning `window` answers a WM_NULL within `milliseconds`.
bool answers_within(HWND window, unsigned milliseconds);

// Message boxes (class #32770) that are shown, in z-order.
std::vector<HWND> message_boxes();
std::wstring message_box_text(HWND box);  // the texts of its static controls, joined by newlines
std::vector<HWND> buttons_of(HWND box);

}  // namespace kivodrv
