#pragma once
// Message boxes whose title and button texts are the same on every Windows
// locale: the stock box, with its buttons renamed as it is activated.

#include <windows.h>

#include <string>

namespace kivo {

struct ButtonTexts {
  const wchar_t* yes = L"はい(&Y)";
  const wchar_t* no = L"いいえ(&N)";
  const wchar_t* ok = L"OK";
};

// MessageBoxW with the buttons renamed. Without an owner the box is task-modal,
// so no window of the thread can be used while it is up.
int show_box(HWND owner, const std::wstring& title, const std::wstring& text, UINT style,
             const ButtonTexts& buttons = {});

// A box with one "OK" button; `icon` is MB_ICONERROR, MB_ICONWARNING, ... or 0.
void show_message_box(HWND owner, const std::string& title, const std::string& text, UINT icon);

}  // namespace kivo
