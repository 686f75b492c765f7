#include "platform/win32/win32_prompts.h"

#include "platform/win32/message_box.h"
#include "platform/win32/text.h"

namespace kivo {
namespace {

int show(const wchar_t* title, const std::string& text, UINT style) {
  return show_box(front_window(), title, widen(text), style);
}

}  // namespace

bool Win32Prompts::confirm(const std::string& text) {
  return show(L"確認", text, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void Win32Prompts::error(const std::string& text) { show(L"エラー", text, MB_OK | MB_ICONERROR); }

void Win32Prompts::warning(const std::string& text) { show(L"警告", text, MB_OK | MB_ICONWARNING); }

void Win32Prompts::information(const std::string& text) { show(L"情報", text, MB_OK | MB_ICONINFORMATION); }

void Win32Prompts::plain(const std::string& text) { show(L"kivo68i", text, MB_OK); }

}  // namespace kivo
