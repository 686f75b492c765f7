// The smallest window the start-up benchmark compares the program with: one
// class, one top-level window named like the program's main window, one loop.
// Built with the program's flags (static, -municode -mwindows).
#include <windows.h>

#include "platform/forms/window_name.h"

namespace {

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WNDCLASSW window_class{};
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = instance;
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = L"TrivialWindow";
  RegisterClassW(&window_class);
  HWND window = CreateWindowExW(0, L"TrivialWindow", L"trivial", WS_OVERLAPPEDWINDOW, 193, 109, 438, 325,
                                nullptr, nullptr, instance, nullptr);
  SetPropW(window, kivo::forms::kWindowNameProperty,
           reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(GlobalAddAtomW(L"TrivialForm"))));
  ShowWindow(window, SW_SHOW);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
