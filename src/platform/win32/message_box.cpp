#include "platform/win32/message_box.h"

#include <cwchar>
#include <exception>
#include <utility>
#include <vector>

#include "platform/win32/text.h"
#include "platform/win32/unique_handle.h"

namespace kivo {
namespace {

// The texts for the box being shown on this thread; a box shown from inside
// another box's lifetime saves and restores the outer one's.
thread_local const ButtonTexts* t_buttons = nullptr;

void rename_button(HWND box, int id, const wchar_t* text) {
  if (::GetDlgItem(box, id) != nullptr) ::SetDlgItemTextW(box, id, text);
}

void rename_buttons(HWND box, const ButtonTexts& buttons) {
  rename_button(box, IDYES, buttons.yes);
  rename_button(box, IDNO, buttons.no);
  // The lone button of an OK box is IDOK here, but some versions of the box
  // number it IDCANCEL so that Esc can close it.
  const bool lone_cancel = ::GetDlgItem(box, IDOK) == nullptr && ::GetDlgItem(box, IDYES) == nullptr;
  rename_button(box, lone_cancel ? IDCANCEL : IDOK, buttons.ok);
}

// No box can be shown while a box is being made: a failure to rename its
// buttons leaves them as the system named them.
LRESULT CALLBACK on_cbt_event(int code, WPARAM wparam, LPARAM lparam) noexcept {
  if (code == HCBT_ACTIVATE && t_buttons != nullptr) {
    try {
      const auto box = reinterpret_cast<HWND>(wparam);
      wchar_t class_name[16] = {};
      ::GetClassNameW(box, class_name, static_cast<int>(std::size(class_name)));
      if (std::wcscmp(class_name, L"#32770") == 0) rename_buttons(box, *t_buttons);
    } catch (...) {
    }
  }
  return ::CallNextHookEx(nullptr, code, wparam, lparam);
}

class ScopedButtonRenaming {
 public:
  explicit ScopedButtonRenaming(const ButtonTexts& buttons)
      : previous_(std::exchange(t_buttons, &buttons)),
        hook_(::SetWindowsHookExW(WH_CBT, on_cbt_event, nullptr, ::GetCurrentThreadId())) {}
  ScopedButtonRenaming(const ScopedButtonRenaming&) = delete;
  ScopedButtonRenaming& operator=(const ScopedButtonRenaming&) = delete;
  ~ScopedButtonRenaming() {
    hook_.reset();
    t_buttons = previous_;
  }

 private:
  const ButtonTexts* previous_;
  unique_hhook hook_;
};

bool is_application_window(HWND window) {
  wchar_t class_name[32] = {};
  ::GetClassNameW(window, class_name, static_cast<int>(std::size(class_name)));
  return std::wcscmp(class_name, kApplicationWindowClass) == 0;
}

bool takes_input(HWND window) {
  return ::IsWindowVisible(window) && ::IsWindowEnabled(window) && !is_application_window(window);
}

struct CollectedWindows {
  std::vector<HWND> windows;
  std::exception_ptr error;
};

// A failure stops the enumeration and is rethrown once the system's frames
// are left behind.
BOOL CALLBACK collect_window(HWND window, LPARAM found) noexcept {
  auto& collected = *reinterpret_cast<CollectedWindows*>(found);
  try {
    collected.windows.push_back(window);
    return TRUE;
  } catch (...) {
    collected.error = std::current_exception();
    return FALSE;
  }
}

// Top-level windows of this thread in z-order, topmost first.
std::vector<HWND> thread_windows() {
  CollectedWindows collected;
  ::EnumThreadWindows(::GetCurrentThreadId(), collect_window, reinterpret_cast<LPARAM>(&collected));
  if (collected.error) std::rethrow_exception(collected.error);
  return std::move(collected.windows);
}

}  // namespace

HWND front_window(HWND except) {
  const HWND active = ::GetActiveWindow();
  if (active != nullptr && active != except && takes_input(active)) return active;
  for (HWND window : thread_windows())
    if (window != except && takes_input(window)) return window;
  return nullptr;
}

OtherWindowsDisabled::OtherWindowsDisabled(HWND keep) {
  for (HWND window : thread_windows())
    if (window != keep && takes_input(window)) {
      ::EnableWindow(window, FALSE);
      disabled_.push_back(window);
    }
}

OtherWindowsDisabled::~OtherWindowsDisabled() {
  for (HWND window : disabled_)
    if (::IsWindow(window)) ::EnableWindow(window, TRUE);
}

int show_box(HWND owner, const std::wstring& title, const std::wstring& text, UINT style,
             const ButtonTexts& buttons) {
  if (owner == nullptr) owner = front_window();
  if (owner == nullptr) style |= MB_TASKMODAL;
  int answer = 0;
  {
    // The box disables its owner; the program's other windows wait too, so
    // that nothing (the bonus window behind a copy, say) starts meanwhile.
    const OtherWindowsDisabled others(owner);
    ScopedButtonRenaming renaming(buttons);
    answer = ::MessageBoxW(owner, text.c_str(), title.c_str(), style);
  }
  // The owner is the window the box was about; once the box is gone the
  // system may have raised a disabled window of the program above it, which
  // would then cover the owner's buttons.
  if (owner != nullptr && ::IsWindow(owner) && ::IsWindowVisible(owner) && ::IsWindowEnabled(owner))
    ::SetWindowPos(owner, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  return answer;
}

void show_message_box(HWND owner, const std::string& title, const std::string& text, UINT icon) {
  show_box(owner, widen(title), widen(text), MB_OK | icon);
}

}  // namespace kivo
