#include "platform/forms/application.h"

#include <windows.h>
// The common controls need windows.h first.
#include <commctrl.h>

#include "platform/forms/form.h"
#include "platform/forms/window_name.h"
#include "platform/win32/message_box.h"
#include "platform/win32/text.h"

namespace kivo::forms {

namespace {

constexpr UINT kActivateFrontMessage = WM_APP + 2;

HINSTANCE g_instance = nullptr;
std::string g_title;
HWND g_owner = nullptr;
HWND g_main = nullptr;
bool g_minimized = false;

void activate_front_window() {
  const HWND front = front_window();
  if (front == nullptr) return;
  SetActiveWindow(front);
  if (GetForegroundWindow() != front) SetForegroundWindow(front);
}

// The taskbar button's window stands for the whole program: minimising it
// hides every window of the program, restoring it brings them back, and
// whenever it is activated (a click on the button, Alt+Tab) the window the
// user was working in takes over, so the keys always reach a control.
LRESULT CALLBACK owner_proc(HWND window, UINT message, WPARAM w, LPARAM l) noexcept try {
  switch (message) {
    case WM_CLOSE:
      // As the main window's close box; behind a modal window it only comes forward.
      if (g_main && IsWindowEnabled(g_main))
        PostMessageW(g_main, WM_CLOSE, 0, 0);
      else
        activate_front_window();
      return 0;
    case WM_SIZE:
      if (w == SIZE_MINIMIZED && !g_minimized) {
        g_minimized = true;
        ShowOwnedPopups(window, FALSE);
      } else if (w != SIZE_MINIMIZED && g_minimized) {
        g_minimized = false;
        ShowOwnedPopups(window, TRUE);
        PostMessageW(window, kActivateFrontMessage, 0, 0);
      }
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(w) != WA_INACTIVE && !IsIconic(window)) PostMessageW(window, kActivateFrontMessage, 0, 0);
      return 0;
    case kActivateFrontMessage:
      if (!IsIconic(window) && GetActiveWindow() == window) activate_front_window();
      return 0;
  }
  return DefWindowProcW(window, message, w, l);
} catch (...) {
  Application::show_current_exception();
  return 0;
}

}  // namespace

void Application::initialize(HINSTANCE instance) {
  g_instance = instance;
  INITCOMMONCONTROLSEX controls{
      sizeof(controls), static_cast<DWORD>(ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS | ICC_USEREX_CLASSES)};
  InitCommonControlsEx(&controls);
  WNDCLASSEXW owner_class{};
  owner_class.cbSize = sizeof(owner_class);
  owner_class.lpfnWndProc = owner_proc;
  owner_class.hInstance = instance;
  owner_class.lpszClassName = kApplicationWindowClass;
  RegisterClassExW(&owner_class);
  // A window with no size that only carries the taskbar button and its title;
  // the forms it owns get no taskbar buttons of their own.
  g_owner =
      CreateWindowExW(0, kApplicationWindowClass, L"", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0,
                      0, 0, 0, nullptr, nullptr, instance, nullptr);
  set_window_name(g_owner, "Application");
}

HINSTANCE Application::instance() { return g_instance; }
HWND Application::owner_window() { return g_owner; }
void Application::set_main_window(HWND main) { g_main = main; }
void Application::minimize() { ShowWindow(g_owner, SW_MINIMIZE); }

void Application::set_title(const std::string& title) {
  g_title = title;
  if (g_owner) SetWindowTextW(g_owner, widen(title).c_str());
}

// The message loop's own catch: Enter on a button runs its click handler
// here, outside any window procedure. An error is shown and the key counts
// as handled, so the loop, and with it a modal window's, goes on.
bool Application::preprocess_key(MSG& message) noexcept try {
  if (message.message != WM_KEYDOWN && message.message != WM_CHAR && message.message != WM_SYSKEYDOWN)
    return false;
  const HWND top = GetAncestor(message.hwnd, GA_ROOT);
  auto* form = top ? reinterpret_cast<Form*>(GetWindowLongPtrW(top, GWLP_USERDATA)) : nullptr;
  if (!form || form->handle() != top) return false;
  if (message.message == WM_SYSKEYDOWN) {
    // Alt+F4 is the close box whichever control has the focus; a drop-down
    // list would otherwise keep it for itself.
    if (message.wParam != VK_F4) return false;
    PostMessageW(top, WM_SYSCOMMAND, SC_CLOSE, 0);
    return true;
  }
  if (message.message == WM_KEYDOWN && message.wParam == VK_TAB) {
    const bool backwards = GetKeyState(VK_SHIFT) < 0;
    const HWND next = GetNextDlgTabItem(top, GetFocus(), backwards);
    if (next) SetFocus(next);
    return true;
  }
  if (message.message == WM_CHAR && message.wParam == L'\t') return true;
  if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN) {
    // Enter presses the focused button; a field handles its own keys.
    Control* focused = form->control_from_handle(GetFocus());
    if (focused && dynamic_cast<Button*>(focused)) return focused->on_enter();
  }
  return false;
} catch (...) {
  show_current_exception();
  return true;
}

void Application::run_nested_loop(const std::function<bool()>& done) {
  MSG message;
  while (!done()) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(static_cast<int>(message.wParam));  // let the outer loop see it too
      return;
    }
    if (got < 0) return;
    if (preprocess_key(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

int Application::run() {
  // Like the forms, the taskbar button's window sits at the screen's centre; it has no size.
  SetWindowPos(g_owner, nullptr, GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0,
               SWP_NOZORDER | SWP_NOACTIVATE);
  ShowWindow(g_owner, SW_SHOWNOACTIVATE);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (preprocess_key(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}

void Application::show_exception(const std::string& message) {
  show_message_box(front_window(), g_title, message, MB_ICONERROR);
}

void Application::show_current_exception() noexcept {
  try {
    try {
      throw;
    } catch (const std::exception& error) {
      show_exception(error.what());
    } catch (...) {
      show_exception("");
    }
  } catch (...) {
    // Not even the box could be made (memory ran out): the error goes
    // unshown rather than ending the program.
  }
}

void Application::keep_alive() {
  MSG message;
  PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_NOYIELD);
}

}  // namespace kivo::forms
