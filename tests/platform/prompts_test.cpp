// The message boxes' titles, Japanese buttons, texts, icons and answers. Which
// window owns a box and which windows it disables are checked on the program
// itself by the end-to-end scenarios.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>

#include "platform/win32/text.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/win32_prompts.h"

namespace kivo {
namespace {

// What a helper thread saw in the box with `title` before it pressed `button`.
struct Answerer {
  std::wstring title;
  int button;
  bool found = false;
  std::wstring buttons{}, texts{};  // each followed by "|"
  int icons = 0;                    // visible icon controls showing an icon
};

BOOL CALLBACK note_control(HWND child, LPARAM context) {
  auto& seen = *reinterpret_cast<Answerer*>(context);
  wchar_t class_name[16] = {};
  wchar_t text[256] = {};
  ::GetClassNameW(child, class_name, 16);
  ::GetWindowTextW(child, text, 256);
  if (!::IsWindowVisible(child)) return TRUE;
  if (lstrcmpiW(class_name, L"Button") == 0)
    seen.buttons += std::wstring(text) + L"|";
  else if ((::GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
    seen.icons += ::SendMessageW(child, STM_GETICON, 0, 0) != 0 ? 1 : 0;
  else if (lstrcmpiW(class_name, L"Static") == 0)
    seen.texts += std::wstring(text) + L"|";
  return TRUE;
}

DWORD WINAPI answer(void* context) {
  auto& seen = *static_cast<Answerer*>(context);
  HWND box = nullptr;
  // FindWindowW also finds the box while it is still hidden, before it is
  // activated and its buttons renamed; wait until it shows.
  for (int tries = 0; tries < 1000 && box == nullptr; ++tries) {
    box = ::FindWindowW(L"#32770", seen.title.c_str());
    if (box != nullptr && !::IsWindowVisible(box)) box = nullptr;
    if (box == nullptr) ::Sleep(20);
  }
  if (box == nullptr) return 0;
  // Showing and activating happen in one call on the box's thread; a round
  // trip through its queue waits for that call to end.
  DWORD_PTR ignored = 0;
  ::SendMessageTimeoutW(box, WM_NULL, 0, 0, SMTO_BLOCK, 5000, &ignored);
  seen.found = true;
  ::EnumChildWindows(box, note_control, reinterpret_cast<LPARAM>(&seen));
  ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(seen.button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(box, seen.button)));
  return 0;
}

TEST(Win32Prompts, BoxesShowTheirTitleButtonsTextAndIconAndReturnTheAnswer) {
  Win32Prompts prompts;
  const std::string text = "インストールが終了しました。";
  bool answered = true;
  const struct {
    const wchar_t* title;
    std::function<void()> show;
    int button;
    bool answer;
    const wchar_t* buttons;
    int icons;
  } cases[] = {
      {L"確認", [&] { answered = prompts.confirm(text); }, IDYES, true, L"はい(&Y)|いいえ(&N)|", 1},
      {L"確認", [&] { answered = prompts.confirm(text); }, IDNO, false, L"はい(&Y)|いいえ(&N)|", 1},
      {L"エラー", [&] { prompts.error(text); }, IDOK, true, L"OK|", 1},
      {L"警告", [&] { prompts.warning(text); }, IDOK, true, L"OK|", 1},
      {L"情報", [&] { prompts.information(text); }, IDOK, true, L"OK|", 1},
      {L"kivo68i", [&] { prompts.plain(text); }, IDOK, true, L"OK|", 0},
  };
  for (const auto& c : cases) {
    Answerer seen{.title = c.title, .button = c.button};
    unique_handle thread(::CreateThread(nullptr, 0, answer, &seen, 0, nullptr));
    answered = true;
    c.show();
    ::WaitForSingleObject(thread.get(), INFINITE);
    EXPECT_EQ(answered, c.answer) << narrow(c.title);
    ASSERT_TRUE(seen.found) << narrow(c.title);
    EXPECT_EQ(seen.buttons, c.buttons) << narrow(c.title);
    EXPECT_EQ(seen.texts, widen(text) + L"|") << narrow(c.title);
    EXPECT_EQ(seen.icons, c.icons) << narrow(c.title);
  }
}

}  // namespace
}  // namespace kivo
