// The smallest window the start-up benchmark compares the program with: one
// class, one top-level window named like the program's main window, one loop.
// Built with the program's flags (static, -municode -mwindows).
//
// With KIVO_THEMED_BASELINE it is the memory benchmark's second baseline: the
// program's manifest (the common controls' visual styles, given by the build)
// and one line of Japanese in the program's font. Under Wine the manifest
// loads the common controls' DLL with its icons and themes, which the program
// cannot avoid either.
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
#ifdef KIVO_THEMED_BASELINE
  const wchar_t* const name = L"ThemedForm";
  LOGFONTW font{};
  font.lfHeight = -12;
  font.lfCharSet = SHIFTJIS_CHARSET;
  font.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
  wcscpy_s(font.lfFaceName, L"ＭＳ Ｐゴシック");
  const HFONT text_font = CreateFontIndirectW(&font);
  HWND text = CreateWindowExW(0, L"STATIC", L"インストールが終了しました。", WS_CHILD | WS_VISIBLE, 16, 16,
                              300, 16, window, nullptr, instance, nullptr);
  SendMessageW(text, WM_SETFONT, reinterpret_cast<WPARAM>(text_font), FALSE);
#else
  const wchar_t* const name = L"TrivialForm";
#endif
  SetPropW(window, kivo::forms::kWindowNameProperty,
           reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(GlobalAddAtomW(name))));
  ShowWindow(window, SW_SHOW);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
#ifdef KIVO_THEMED_BASELINE
  DeleteObject(text_font);
#endif
  return 0;
}
