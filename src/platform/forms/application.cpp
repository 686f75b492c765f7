#include "platform/forms/application.h"

#include <windows.h>
// The common controls need windows.h first.
#include <commctrl.h>

#include "platform/forms/form.h"
#include "platform/win32/message_box.h"
#include "platform/win32/system_dlls.h"
#include "platform/win32/text.h"

namespace kivo::forms {

namespace {

HINSTANCE g_instance = nullptr;
std::string g_title;
HWND g_owner = nullptr;

LRESULT CALLBACK owner_proc(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_CLOSE) {
    // Closing the taskbar button closes the main window.
    const HWND main = GetWindow(window, GW_ENABLEDPOPUP);
    if (main) PostMessageW(main, WM_CLOSE, 0, 0);
    return 0;
  }
  return DefWindowProcW(window, message, w, l);
}

}  // namespace

void Application::initialize(HINSTANCE instance) {
  g_instance = instance;
  // The shell starts before any window, as when it was imported; started
  // first in the middle of a dialog's work it upsets message boxes under Wine.
  system_dlls::load();
  INITCOMMONCONTROLSEX controls{
      sizeof(controls), static_cast<DWORD>(ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS | ICC_USEREX_CLASSES)};
  InitCommonControlsEx(&controls);
  WNDCLASSEXW owner_class{};
  owner_class.cbSize = sizeof(owner_class);
  owner_class.lpfnWndProc = owner_proc;
  owner_class.hInstance = instance;
  owner_class.lpszClassName = L"KivoApplication";
  RegisterClassExW(&owner_class);
  // A window with no size that only carries the taskbar button and its title;
  // the forms it owns get no taskbar buttons of their own.
  g_owner = CreateWindowExW(0, L"KivoApplication", L"", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                            0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
}

HINSTANCE Application::instance() { return g_instance; }
HWND Application::owner_window() { return g_owner; }

void Application::set_title(const std::string& title) {
  g_title = title;
  if (g_owner) SetWindowTextW(g_owner, widen(title).c_str());
}

const std::string& Application::title() { return g_title; }

bool Application::preprocess_key(MSG& message) {
  if (message.message != WM_KEYDOWN && message.message != WM_CHAR) return false;
  const HWND top = GetAncestor(message.hwnd, GA_ROOT);
  auto* form = top ? reinterpret_cast<Form*>(GetWindowLongPtrW(top, GWLP_USERDATA)) : nullptr;
  if (!form || form->handle() != top) return false;
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
  show_message_box(GetActiveWindow(), g_title, message, MB_ICONERROR);
}

void Application::guarded(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    show_exception(error.what());
  } catch (...) {
    show_exception("");
  }
}

void Application::keep_alive() {
  MSG message;
  PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_NOYIELD);
}

}  // namespace kivo::forms
