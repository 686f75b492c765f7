// The message boxes' titles, icons and answers. Their texts and Japanese
// buttons, which window owns a box and which windows it disables are checked on
// the program itself by the end-to-end scenarios.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>

#include "platform/win32/text.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/win32_prompts.h"

namespace kivo {
namespace {

// What a helper thread saw in the box shown before it pressed `button`.
struct Answerer {
  int button;
  bool found = false;
  std::wstring title{};
  int icons = 0;  // visible icon controls showing an icon
};

BOOL CALLBACK note_control(HWND child, LPARAM context) {
  auto& seen = *reinterpret_cast<Answerer*>(context);
  if (::IsWindowVisible(child) && (::GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
    seen.icons += ::SendMessageW(child, STM_GETICON, 0, 0) != 0 ? 1 : 0;
  return TRUE;
}

DWORD WINAPI answer(void* context) {
  auto& seen = *static_cast<Answerer*>(context);
  HWND box = nullptr;
  // FindWindowW also finds the box while it is still hidden, before it is
  // activated and its buttons renamed; wait until it shows. Any title: a wrong
  // one must fail the test, not leave the box waiting for ever.
  for (int tries = 0; tries < 1000 && box == nullptr; ++tries) {
    box = ::FindWindowW(L"#32770", nullptr);
    if (box != nullptr && !::IsWindowVisible(box)) box = nullptr;
    if (box == nullptr) ::Sleep(20);
  }
  if (box == nullptr) return 0;
  // Showing and activating happen in one call on the box's thread; a round
  // trip through its queue waits for that call to end.
  DWORD_PTR ignored = 0;
  ::SendMessageTimeoutW(box, WM_NULL, 0, 0, SMTO_BLOCK, 5000, &ignored);
  seen.found = true;
  wchar_t title[64] = {};
  ::GetWindowTextW(box, title, 64);
  seen.title = title;
  ::EnumChildWindows(box, note_control, reinterpret_cast<LPARAM>(&seen));
  ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(seen.button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(box, seen.button)));
  return 0;
}

TEST(Win32Prompts, BoxesShowTheirTitleAndIconAndReturnTheAnswer) {
  Win32Prompts prompts;
  const std::string text = "インストールが終了しました。";
  bool answered = true;
  const struct {
    const wchar_t* title;
    std::function<void()> show;
    int button;
    bool answer;
    int icons;
  } cases[] = {
      {L"確認", [&] { answered = prompts.confirm(text); }, IDYES, true, 1},
      {L"確認", [&] { answered = prompts.confirm(text); }, IDNO, false, 1},
      {L"エラー", [&] { prompts.error(text); }, IDOK, true, 1},
      {L"警告", [&] { prompts.warning(text); }, IDOK, true, 1},
      {L"情報", [&] { prompts.information(text); }, IDOK, true, 1},
      {L"kivo68i", [&] { prompts.plain(text); }, IDOK, true, 0},
  };
  for (const auto& c : cases) {
    Answerer seen{.button = c.button};
    unique_handle thread(::CreateThread(nullptr, 0, answer, &seen, 0, nullptr));
    answered = true;
    c.show();
    ::WaitForSingleObject(thread.get(), INFINITE);
    EXPECT_EQ(answered, c.answer) << narrow(c.title);
    ASSERT_TRUE(seen.found) << narrow(c.title);
    EXPECT_EQ(seen.title, c.title);
    EXPECT_EQ(seen.icons, c.icons) << narrow(c.title);
  }
}

}  // namespace
}  // namespace kivo
