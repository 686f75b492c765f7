#include "platform/forms/control.h"

#include <cstdlib>

#include "platform/forms/application.h"
#include "platform/forms/dpi.h"
#include "platform/forms/form.h"
#include "platform/forms/window_name.h"
#include "platform/win32/text.h"

namespace kivo::forms {

Control::Control(Form& form, Control* parent, std::string name, Bounds bounds, int tab_order)
    : form_(form), parent_(parent), name_(std::move(name)), bounds_(bounds), tab_order_(tab_order) {}

Control::~Control() {
  if (handle_ && IsWindow(handle_)) {
    clear_window_name(handle_);
    DestroyWindow(handle_);
  }
}

UINT Control::dpi() const { return form_.dpi(); }

HFONT Control::font() const { return own_font_ ? own_font_.get() : form_.font(); }

void Control::create(HWND parent_window) {
  DWORD window_style = style();
  if (tab_order_ == kNoTabStop) window_style &= ~static_cast<DWORD>(WS_TABSTOP);
  handle_ = CreateWindowExW(ex_style(), window_class(), widen(initial_text_).c_str(), window_style, 0, 0, 0,
                            0, parent_window, nullptr, Application::instance(), nullptr);
  set_window_name(handle_, name_);
  after_create();
  lay_out();
}

void Control::lay_out() {
  if (font_pixels_ > 0) own_font_ = make_dialog_font(font_pixels_, dpi());
  SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font()), FALSE);
  const UINT d = dpi();
  SetWindowPos(handle_, nullptr, scale(bounds_.left, d), scale(bounds_.top, d), scale(bounds_.width, d),
               scale(bounds_.height, d), SWP_NOZORDER | SWP_NOACTIVATE);
}

void Control::set_font_pixels(int pixels) {
  font_pixels_ = pixels;
  if (handle_) lay_out();
}

void Control::set_text(const std::string& text) {
  SetWindowTextW(handle_, widen(text).c_str());
  if (auto* label = dynamic_cast<Label*>(this)) label->fit_to_text();
}

std::string Control::text() const {
  const int length = GetWindowTextLengthW(handle_);
  std::wstring buffer(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(handle_, buffer.data(), length + 1);
  buffer.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return narrow(buffer);
}

void Control::set_focus() { SetFocus(handle_); }
void Control::invalidate() { InvalidateRect(handle_, nullptr, TRUE); }

void Control::repaint() {
  RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

// ---- Label

Label::Label(Form& form, Control* parent, std::string name, Bounds bounds, std::string text)
    : Control(form, parent, std::move(name), bounds, kNoTabStop) {
  initial_text_ = std::move(text);
}

void Label::lay_out() {
  Control::lay_out();
  fit_to_text();
}

void Label::fit_to_text() {
  if (design_bounds().width != 0) return;
  fit_pending_ = !form().visible();
  if (!fit_pending_) measure();
}

void Label::fit_if_pending() {
  if (!fit_pending_) return;
  fit_pending_ = false;
  measure();
}

// Sized to its text, as tall as one line of its font.
void Label::measure() {
  const HDC dc = GetDC(handle());
  const HGDIOBJ old = SelectObject(dc, font());
  const std::wstring content = widen(text());
  SIZE extent{};
  GetTextExtentPoint32W(dc, content.c_str(), static_cast<int>(content.size()), &extent);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(handle(), dc);
  SetWindowPos(handle(), nullptr, 0, 0, extent.cx, metrics.tmHeight,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(handle(), nullptr, TRUE);
}

// ---- Button

Button::Button(Form& form, Control* parent, std::string name, Bounds bounds, std::string text, int tab_order)
    : Control(form, parent, std::move(name), bounds, tab_order) {
  initial_text_ = std::move(text);
}

void Button::click() {
  if (OnClick) OnClick();
}

bool Button::on_command(WORD code) {
  if (code != BN_CLICKED) return false;
  click();
  return true;
}

bool Button::on_enter() {
  click();
  return true;
}

// ---- Edit

Edit::Edit(Form& form, Control* parent, std::string name, Bounds bounds, int tab_order)
    : Control(form, parent, std::move(name), bounds, tab_order) {}

void Edit::after_create() {
  SetWindowSubclass(handle(), subclass_proc, 1, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK Edit::subclass_proc(HWND window, UINT message, WPARAM w, LPARAM l, UINT_PTR,
                                     DWORD_PTR data) noexcept try {
  auto* edit = reinterpret_cast<Edit*>(data);
  switch (message) {
    case WM_KEYDOWN:
      if (edit->OnKeyDown) {
        // A key whose handler fails goes no further: the catch below
        // shows the error and the field does not see the key.
        const WORD key = static_cast<WORD>(w);
        edit->OnKeyDown(key);
        if (key == VK_RETURN) return 0;
      }
      break;
    case WM_CHAR:
      if (w == L'\r' || w == L'\n') return 0;  // a single-line field would only beep
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(window, subclass_proc, 1);
      break;
  }
  return DefSubclassProc(window, message, w, l);
} catch (...) {
  Application::show_current_exception();
  return 0;
}

// ---- GroupBox

namespace {

LRESULT CALLBACK group_proc(HWND window, UINT message, WPARAM w, LPARAM l) noexcept try {
  switch (message) {
    case WM_COMMAND:
    case WM_DRAWITEM:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      // The form handles these for its controls wherever they sit; the
      // rest get the default handling, here as there.
      return SendMessageW(GetAncestor(window, GA_ROOT), message, w, l);
  }
  return DefWindowProcW(window, message, w, l);
} catch (...) {
  Application::show_current_exception();
  return 0;
}

const wchar_t* group_class() {
  static const ATOM atom = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = group_proc;
    wc.hInstance = Application::instance();
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"KivoGroupBox";
    return RegisterClassExW(&wc);
  }();
  return atom ? L"KivoGroupBox" : L"STATIC";
}

}  // namespace

GroupBox::GroupBox(Form& form, Control* parent, std::string name, Bounds bounds, std::string text,
                   int tab_order)
    : Control(form, parent, std::move(name), bounds, tab_order) {
  initial_text_ = std::move(text);
}

const wchar_t* GroupBox::window_class() const { return group_class(); }

void GroupBox::after_create() {
  frame_ = CreateWindowExW(0, L"BUTTON", widen(initial_text_).c_str(),
                           WS_CHILD | WS_VISIBLE | BS_GROUPBOX | WS_CLIPSIBLINGS, 0, 0, 0, 0, handle(),
                           nullptr, Application::instance(), nullptr);
}

void GroupBox::lay_out() {
  Control::lay_out();
  SendMessageW(frame_, WM_SETFONT, reinterpret_cast<WPARAM>(font()), FALSE);
  RECT client{};
  GetClientRect(handle(), &client);
  SetWindowPos(frame_, HWND_BOTTOM, 0, 0, client.right, client.bottom, SWP_NOACTIVATE);
}

// ---- ProgressBar

ProgressBar::ProgressBar(Form& form, Control* parent, std::string name, Bounds bounds)
    : Control(form, parent, std::move(name), bounds, kNoTabStop) {}

void ProgressBar::set_range(int minimum, int maximum) {
  SendMessageW(handle(), PBM_SETRANGE32, minimum, maximum);
}
void ProgressBar::set_position(int position) { SendMessageW(handle(), PBM_SETPOS, position, 0); }

void ProgressBar::set_smooth(bool smooth) {
  const LONG_PTR current = GetWindowLongPtrW(handle(), GWL_STYLE);
  SetWindowLongPtrW(handle(), GWL_STYLE, smooth ? (current | PBS_SMOOTH) : (current & ~PBS_SMOOTH));
}

// ---- Picture

Picture::Picture(Form& form, Control* parent, std::string name, Bounds bounds, int bitmap_resource)
    : Control(form, parent, std::move(name), bounds, kNoTabStop), bitmap_resource_(bitmap_resource) {}

void Picture::after_create() {
  const HINSTANCE instance = Application::instance();
  const HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(bitmap_resource_), RT_BITMAP);
  const HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
  const auto* info = loaded ? static_cast<const BITMAPINFO*>(LockResource(loaded)) : nullptr;
  if (!info || SizeofResource(instance, found) < sizeof(BITMAPINFOHEADER)) return;
  // The pixels follow the header, the colour masks and the palette.
  const BITMAPINFOHEADER& header = info->bmiHeader;
  DWORD colours = header.biClrUsed;
  if (colours == 0 && header.biBitCount <= 8) colours = 1u << header.biBitCount;
  const DWORD masks = header.biCompression == BI_BITFIELDS ? 3 : 0;
  const DWORD offset = header.biSize + (colours + masks) * sizeof(RGBQUAD);
  if (offset >= SizeofResource(instance, found)) return;
  info_ = info;
  pixels_ = reinterpret_cast<const BYTE*>(info) + offset;
}

bool Picture::on_draw_item(DRAWITEMSTRUCT& item) {
  // The artwork keeps its own pixels at every DPI, at the top left of its box.
  FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
  if (!info_) return true;
  const LONG width = info_->bmiHeader.biWidth;
  const LONG height = std::abs(info_->bmiHeader.biHeight);
  SetDIBitsToDevice(item.hDC, 0, 0, width, height, 0, 0, 0, height, pixels_, info_, DIB_RGB_COLORS);
  return true;
}

}  // namespace kivo::forms
