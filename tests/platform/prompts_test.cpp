#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/win32/message_box.h"
#include "platform/win32/text.h"
#include "platform/win32/win32_prompts.h"

namespace kivo {
namespace {

// What a helper thread saw in the box it found, before it pressed a button.
struct SeenBox {
  bool found = false;
  std::wstring yes, no, ok;
  std::vector<std::wstring> texts;  // every static text
  int icons = 0;                    // visible icon controls showing an icon
  HWND owner = nullptr;
  bool owner_enabled = true;
  bool other_enabled = true;  // the window named to the answerer, if any
};

std::wstring item_text(HWND box, int id) {
  if (::GetDlgItem(box, id) == nullptr) return L"<none>";
  wchar_t text[64] = {};
  ::GetDlgItemTextW(box, id, text, 64);
  return text;
}

BOOL CALLBACK note_static(HWND child, LPARAM context) {
  auto& seen = *reinterpret_cast<SeenBox*>(context);
  wchar_t class_name[16] = {};
  ::GetClassNameW(child, class_name, 16);
  if (lstrcmpiW(class_name, L"Static") != 0 || !::IsWindowVisible(child)) return TRUE;
  if ((::GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
    if (::SendMessageW(child, STM_GETICON, 0, 0) != 0) ++seen.icons;
  } else {
    wchar_t text[256] = {};
    ::GetWindowTextW(child, text, 256);
    seen.texts.push_back(text);
  }
  return TRUE;
}

// Waits for a box with the title on another thread, records it and presses `button`.
class BoxAnswerer {
 public:
  BoxAnswerer(std::wstring title, int button, HWND other = nullptr)
      : title_(std::move(title)), button_(button), other_(other) {
    thread_ = ::CreateThread(nullptr, 0, run, this, 0, nullptr);
  }
  BoxAnswerer(const BoxAnswerer&) = delete;
  BoxAnswerer& operator=(const BoxAnswerer&) = delete;
  ~BoxAnswerer() { finish(); }

  const SeenBox& finish() {
    if (thread_ != nullptr) {
      ::WaitForSingleObject(thread_, INFINITE);
      ::CloseHandle(thread_);
      thread_ = nullptr;
    }
    return seen_;
  }

 private:
  static DWORD WINAPI run(void* self) {
    static_cast<BoxAnswerer*>(self)->answer();
    return 0;
  }
  void answer() {
    HWND box = nullptr;
    // FindWindowW also finds the box while it is still hidden, before it is
    // activated and its buttons renamed; wait until it shows.
    for (int tries = 0; tries < 1000 && box == nullptr; ++tries) {
      box = ::FindWindowW(L"#32770", title_.c_str());
      if (box != nullptr && !::IsWindowVisible(box)) box = nullptr;
      if (box == nullptr) ::Sleep(20);
    }
    if (box == nullptr) return;
    // Showing and activating happen in one call on the box's thread; a round
    // trip through its queue waits for that call to end.
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutW(box, WM_NULL, 0, 0, SMTO_BLOCK, 5000, &ignored);
    seen_.found = true;
    seen_.yes = item_text(box, IDYES);
    seen_.no = item_text(box, IDNO);
    seen_.ok = item_text(box, IDOK);
    ::EnumChildWindows(box, note_static, reinterpret_cast<LPARAM>(&seen_));
    seen_.owner = ::GetWindow(box, GW_OWNER);
    seen_.owner_enabled = seen_.owner == nullptr || ::IsWindowEnabled(seen_.owner);
    seen_.other_enabled = other_ == nullptr || ::IsWindowEnabled(other_);
    ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(button_, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(box, button_)));
  }

  std::wstring title_;
  int button_;
  HWND other_;
  HANDLE thread_ = nullptr;
  SeenBox seen_;
};

bool contains(const std::vector<std::wstring>& texts, const std::wstring& text) {
  for (const auto& t : texts)
    if (t == text) return true;
  return false;
}

TEST(Win32Prompts, ConfirmShowsJapaneseButtonsAndReturnsTheAnswer) {
  Win32Prompts prompts;
  {
    BoxAnswerer answerer(L"確認", IDYES);
    EXPECT_TRUE(prompts.confirm("フォルダを作成しますか？"));
    const SeenBox& seen = answerer.finish();
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.yes, L"はい(&Y)");
    EXPECT_EQ(seen.no, L"いいえ(&N)");
    EXPECT_TRUE(contains(seen.texts, L"フォルダを作成しますか？"));
    EXPECT_EQ(seen.icons, 1);
  }
  BoxAnswerer answerer(L"確認", IDNO);
  EXPECT_FALSE(prompts.confirm("もう一度？"));
  EXPECT_TRUE(answerer.finish().found);
}

TEST(Win32Prompts, OkBoxesCarryTheirTitlesAndIcons) {
  Win32Prompts prompts;
  struct Case {
    const wchar_t* title;
    std::function<void(const std::string&)> show;
    int icons;
  };
  const std::vector<Case> cases = {
      {L"エラー", [&](const std::string& t) { prompts.error(t); }, 1},
      {L"警告", [&](const std::string& t) { prompts.warning(t); }, 1},
      {L"情報", [&](const std::string& t) { prompts.information(t); }, 1},
      {L"kivo68i", [&](const std::string& t) { prompts.plain(t); }, 0},
  };
  for (const Case& c : cases) {
    BoxAnswerer answerer(c.title, IDOK);
    c.show("インストールが終了しました。");
    const SeenBox& seen = answerer.finish();
    ASSERT_TRUE(seen.found) << narrow(c.title);
    EXPECT_EQ(seen.ok, L"OK") << narrow(c.title);
    EXPECT_EQ(seen.yes, L"<none>");
    EXPECT_TRUE(contains(seen.texts, L"インストールが終了しました。")) << narrow(c.title);
    EXPECT_EQ(seen.icons, c.icons) << narrow(c.title);
  }
}

TEST(Win32Prompts, BoxIsModalToTheActiveWindow) {
  HWND owner = ::CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 100,
                                 nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(owner, nullptr);
  ::SetActiveWindow(owner);
  BoxAnswerer answerer(L"kivo68i", IDOK);
  show_message_box(::GetActiveWindow(), "kivo68i", "書き込めません", MB_ICONERROR);
  const SeenBox& seen = answerer.finish();
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(seen.owner, owner);
  EXPECT_FALSE(seen.owner_enabled);
  EXPECT_EQ(seen.icons, 1);
  EXPECT_TRUE(::IsWindowEnabled(owner));
  ::DestroyWindow(owner);
}

// A box stands in front of the active window and keeps every other window of
// the program from taking input until it is answered.
TEST(Win32Prompts, BoxBlocksTheOtherWindowsOfTheThread) {
  auto make = [](const wchar_t* title, int left) {
    return ::CreateWindowExW(0, L"STATIC", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, left, 10, 200, 100,
                             nullptr, nullptr, nullptr, nullptr);
  };
  HWND behind = make(L"behind", 10);
  HWND front = make(L"front", 300);
  ASSERT_NE(behind, nullptr);
  ASSERT_NE(front, nullptr);
  ::SetActiveWindow(front);
  EXPECT_EQ(front_window(), front);
  Win32Prompts prompts;
  BoxAnswerer answerer(L"エラー", IDOK, behind);
  prompts.error("backup2フォルダ削除に失敗");
  const SeenBox& seen = answerer.finish();
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(seen.owner, front);
  EXPECT_FALSE(seen.owner_enabled);
  EXPECT_FALSE(seen.other_enabled);
  EXPECT_TRUE(::IsWindowEnabled(front));
  EXPECT_TRUE(::IsWindowEnabled(behind));
  ::DestroyWindow(front);
  ::DestroyWindow(behind);
}

}  // namespace
}  // namespace kivo
