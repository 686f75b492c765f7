// The bare window of the memory benchmark with what every window of the
// program brings along: the program's manifest (the common controls' visual
// styles) and one line of Japanese text in the program's font. Under Wine the
// manifest loads the common controls' DLL for the first control, and that DLL
// loads its own icons and themes as it starts; the program cannot avoid
// either, so its share is also given against this window.
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
  window_class.lpszClassName = L"ThemedWindow";
  RegisterClassW(&window_class);
  HWND window = CreateWindowExW(0, L"ThemedWindow", L"themed", WS_OVERLAPPEDWINDOW, 193, 109, 438, 325,
                                nullptr, nullptr, instance, nullptr);
  SetPropW(window, kivo::forms::kWindowNameProperty,
           reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(GlobalAddAtomW(L"ThemedForm"))));
  LOGFONTW font{};
  font.lfHeight = -12;
  font.lfCharSet = SHIFTJIS_CHARSET;
  font.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
  wcscpy_s(font.lfFaceName, L"ＭＳ Ｐゴシック");
  const HFONT text_font = CreateFontIndirectW(&font);
  HWND text = CreateWindowExW(0, L"STATIC", L"インストールが終了しました。", WS_CHILD | WS_VISIBLE, 16, 16,
                              300, 16, window, nullptr, instance, nullptr);
  SendMessageW(text, WM_SETFONT, reinterpret_cast<WPARAM>(text_font), FALSE);
  ShowWindow(window, SW_SHOW);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  DeleteObject(text_font);
  return 0;
}
