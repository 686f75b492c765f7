// Commands for message boxes: the program's questions, errors and notices.
#include <windows.h>

#include <sstream>

#include "commands.h"
#include "input.h"
#include "poll.h"
#include "text.h"
#include "windows_query.h"

namespace kivodrv {

namespace {

std::wstring without_returns(std::wstring text) {
  std::erase(text, L'\r');
  return text;
}

// The first shown message box whose text contains `part` ("" matches any).
HWND box_containing(const std::wstring& part) {
  for (HWND box : message_boxes())
    if (without_returns(message_box_text(box)).find(without_returns(part)) != std::wstring::npos) return box;
  return nullptr;
}

std::wstring button_texts(HWND box) {
  std::wstring texts;
  for (HWND button : buttons_of(box)) texts += (texts.empty() ? L"" : L" ") + quoted(caption_of(button));
  return texts;
}

std::wstring summary(HWND box) {
  return L"title " + quoted(caption_of(box)) + L" text " + quoted(message_box_text(box)) + L" buttons " +
         button_texts(box) + L" owner " + describe(GetWindow(box, GW_OWNER));
}

std::wstring shown_boxes() {
  std::wstring all;
  for (HWND box : message_boxes()) all += L"\n  " + summary(box);
  return all.empty() ? L" (no message box is shown)" : L"; shown:" + all;
}

Outcome msgbox(const Args& a, unsigned timeout) {
  const std::wstring part = a.empty() ? L"" : a[0];
  HWND box = nullptr;
  if (poll_until(timeout, [&] { return (box = box_containing(part)) != nullptr; })) return pass(summary(box));
  return fail(L"no message box with " + quoted(part) + shown_boxes());
}

// The box with this title whose whole text is TEXT, and optionally exactly these buttons.
Outcome expect_msgbox(const Args& a, unsigned timeout) {
  HWND box = nullptr;
  auto matches = [&](HWND candidate) {
    if (caption_of(candidate) != a[0] ||
        without_returns(message_box_text(candidate)) != without_returns(a[1]))
      return false;
    if (a.size() < 3) return true;
    std::wstring wanted;
    for (size_t i = 2; i < a.size(); ++i) wanted += (wanted.empty() ? L"" : L" ") + quoted(a[i]);
    return button_texts(candidate) == wanted;
  };
  if (poll_until(timeout, [&] {
        for (HWND candidate : message_boxes())
          if (matches(candidate)) return (box = candidate) != nullptr;
        return false;
      }))
    return pass(summary(box));
  return fail(L"no message box " + quoted(a[0]) + L" " + quoted(a[1]) + shown_boxes());
}

Outcome expect_no_msgbox(const Args& a, unsigned) {
  if (!a.empty()) {
    if (HWND owner = resolve(a[0])) settle(owner, 2000);
  }
  if (message_boxes().empty()) return pass(L"no message box is shown");
  return fail(L"a message box is shown" + shown_boxes());
}

// Presses a button by its text ("OK", "はい(&Y)" or "はい(Y)") in the box whose text contains PART,
// again while the box stays.
Outcome msgbox_press(const Args& a, unsigned timeout) {
  const std::wstring part = a.size() > 1 ? a[1] : L"";
  HWND box = nullptr, button = nullptr;
  poll_until(timeout, [&] {
    box = box_containing(part);
    if (!box) return false;
    for (HWND candidate : buttons_of(box))
      if (without_mnemonic(caption_of(candidate)) == without_mnemonic(a[0])) button = candidate;
    return button != nullptr;
  });
  if (!box) return fail(L"no message box with " + quoted(part) + shown_boxes());
  if (!button) return fail(L"the message box has no button " + quoted(a[0]) + L": " + summary(box));
  const std::wstring seen = summary(box);
  auto gone = [&] { return !IsWindow(box) || !IsWindowVisible(box); };
  for (int press = 1; press <= kPresses && !gone(); ++press) {
    settle(box, timeout);
    if (gone()) break;
    if (const std::wstring refused = click(button); !refused.empty())
      return fail(L"cannot press " + quoted(a[0]) + L": " + refused);
    poll_until(kEffectMs, gone);
  }
  if (!gone()) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(box, nullptr), &info);
    return fail(L"the message box stayed after " + quoted(a[0]) + L": " + seen + L"; active " +
                describe(info.hwndActive) + L", focus " + describe(info.hwndFocus) + L", capture " +
                describe(info.hwndCapture) + L", foreground " + describe(GetForegroundWindow()));
  }
  return pass(L"pressed " + quoted(a[0]) + L" in " + seen);
}

// The box whose text contains PART is owned by W (the window it stands in front of).
Outcome expect_msgbox_owner(const Args& a, unsigned timeout) {
  HWND box = nullptr;
  if (!poll_until(timeout, [&] { return (box = box_containing(a[0])) != nullptr; }))
    return fail(L"no message box with " + quoted(a[0]) + shown_boxes());
  const HWND wanted = resolve(a[1]);
  if (!wanted) return fail(a[1] + L" does not exist");
  if (GetWindow(box, GW_OWNER) != wanted) return fail(L"expected the owner " + a[1] + L": " + summary(box));
  return pass(L"the box is owned by " + a[1]);
}

}  // namespace

const std::vector<Command>& message_box_commands() {
  static const std::vector<Command> kCommands = {
      {L"msgbox", 0, 1, L"[PART]                 wait for a message box whose text contains PART; print it",
       msgbox},
      {L"expect-msgbox", 2, 8,
       L"TITLE TEXT [BUTTON...]  a message box with exactly this title, text, buttons", expect_msgbox},
      {L"expect-no-msgbox", 0, 1, L"[W]          no message box is shown (after W's thread is idle)",
       expect_no_msgbox},
      {L"msgbox-press", 1, 2,
       L"BUTTON [PART]    press BUTTON in the box containing PART (again while it stays)", msgbox_press},
      {L"expect-msgbox-owner", 2, 2, L"PART W       the message box containing PART is owned by W",
       expect_msgbox_owner},
  };
  return kCommands;
}

}  // namespace kivodrv
