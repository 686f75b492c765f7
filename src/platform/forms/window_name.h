#pragma once
// Every form and control carries its code name in the window property
// "kivo.name" as a global atom, so a test driver in another process can find
// "foldersel1" or "BtnOk" without relying on texts or positions.

#include <windows.h>

#include <string>

namespace kivo::forms {

// The property's name; the test tools read and set it too.
inline constexpr wchar_t kWindowNameProperty[] = L"kivo.name";

void set_window_name(HWND window, const std::string& name);
void clear_window_name(HWND window);

}  // namespace kivo::forms
