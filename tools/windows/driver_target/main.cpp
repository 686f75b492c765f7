// A small window for the driver's own smoke test: it names its windows and
// controls the way the program does (window property "kivo.name" holding a
// global atom) and offers a button, a question, an edit and a hidden window.
#include <windows.h>

#include <string>

#include "platform/forms/window_name.h"

namespace {

constexpr int kHello = 101, kAsk = 102, kQuit = 103, kEdit = 104, kLabel = 105;
HFONT g_font = nullptr;

void name_window(HWND window, const wchar_t* name) {
  SetPropW(window, kivo::forms::kWindowNameProperty,
           reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(GlobalAddAtomW(name))));
}

HWND add_control(HWND parent, const wchar_t* name, const wchar_t* window_class, const wchar_t* text,
                 DWORD style, int id, int x, int y, int width, int height) {
  HWND control = CreateWindowExW(0, window_class, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                                 parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(g_font), FALSE);
  name_window(control, name);
  return control;
}

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE:
      add_control(window, L"BtnHello", L"BUTTON", L"挨拶 Hello", WS_TABSTOP, kHello, 16, 16, 201, 25);
      add_control(window, L"BtnAsk", L"BUTTON", L"質問 Ask", WS_TABSTOP, kAsk, 16, 56, 201, 25);
      add_control(window, L"Edit1", L"EDIT", L"C:\\Winx68k\\", WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, kEdit,
                  16, 96, 201, 21);
      add_control(window, L"Label1", L"STATIC", L"ラベル", 0, kLabel, 16, 128, 300, 16);
      add_control(window, L"BtnQuit", L"BUTTON", L"終了", WS_TABSTOP, kQuit, 16, 160, 201, 25);
      return 0;
    case WM_COMMAND:
      if (LOWORD(wparam) == kHello)
        MessageBoxW(window, L"こんにちは、世界。\nHello.", L"情報", MB_OK | MB_ICONINFORMATION);
      else if (LOWORD(wparam) == kAsk)
        SetDlgItemTextW(window, kLabel,
                        MessageBoxW(window, L"続けますか？", L"確認", MB_YESNO | MB_ICONQUESTION) == IDYES
                            ? L"はい"
                            : L"いいえ");
      else if (LOWORD(wparam) == kQuit)
        DestroyWindow(window);
      else if (LOWORD(wparam) == kEdit && HIWORD(wparam) == EN_CHANGE) {
        wchar_t text[300] = {};
        GetDlgItemTextW(window, kEdit, text, 300);
        SetDlgItemTextW(window, kLabel, text);
      }
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wparam) != WA_INACTIVE) SetFocus(GetDlgItem(window, kHello));
      return 0;
    case WM_DESTROY:
      PostQuitMessage(7);
      return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  g_font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0, L"ＭＳ Ｐゴシック");
  WNDCLASSW window_class{};
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = L"KivoDriverTarget";
  RegisterClassW(&window_class);
  HWND main_window = CreateWindowExW(0, L"KivoDriverTarget", L"Driver target テスト", WS_OVERLAPPEDWINDOW,
                                     193, 109, 438, 325, nullptr, nullptr, instance, nullptr);
  name_window(main_window, L"TargetForm");
  HWND hidden = CreateWindowExW(0, L"KivoDriverTarget", L"Hidden", WS_OVERLAPPEDWINDOW, 0, 0, 200, 200,
                                nullptr, nullptr, instance, nullptr);
  name_window(hidden, L"HiddenForm");
  ShowWindow(main_window, SW_SHOW);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (IsDialogMessageW(main_window, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
