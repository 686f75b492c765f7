#pragma once
// Message boxes whose title and button texts are the same on every Windows
// locale: the stock box, with its buttons renamed as it is activated.

#include <windows.h>

#include <string>
#include <vector>

namespace kivo {

// The class of the program's hidden window that carries its taskbar button.
inline constexpr const wchar_t* kApplicationWindowClass = L"KivoApplication";

// The window that a box or a new window of the program belongs in front of:
// the thread's active window, else its topmost shown and enabled window (the
// taskbar button's window and `except` excepted). nullptr when there is none.
HWND front_window(HWND except = nullptr);

// While it lives, every other shown and enabled window of this thread (the
// taskbar button's window excepted) is disabled, so only `keep` takes input.
class OtherWindowsDisabled {
 public:
  explicit OtherWindowsDisabled(HWND keep);
  OtherWindowsDisabled(const OtherWindowsDisabled&) = delete;
  OtherWindowsDisabled& operator=(const OtherWindowsDisabled&) = delete;
  ~OtherWindowsDisabled();

 private:
  std::vector<HWND> disabled_;
};

struct ButtonTexts {
  const wchar_t* yes = L"はい(&Y)";
  const wchar_t* no = L"いいえ(&N)";
  const wchar_t* ok = L"OK";
};

// MessageBoxW with the buttons renamed, owned by `owner` (nullptr: the front
// window) and modal to the whole program: no other window of it takes input
// while the box is up, and the owner is active again when it closes.
int show_box(HWND owner, const std::wstring& title, const std::wstring& text, UINT style,
             const ButtonTexts& buttons = {});

// A box with one "OK" button; `icon` is MB_ICONERROR, MB_ICONWARNING, ... or 0.
void show_message_box(HWND owner, const std::string& title, const std::string& text, UINT icon);

}  // namespace kivo
