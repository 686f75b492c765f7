#include "platform/forms/form.h"

#include <algorithm>
#include <map>

#include "platform/forms/application.h"
#include "platform/forms/dpi.h"
#include "platform/forms/window_name.h"
#include "platform/win32/message_box.h"
#include "platform/win32/system_dlls.h"
#include "platform/win32/text.h"

namespace kivo::forms {

namespace {

constexpr UINT kActivateMessage = WM_APP + 1;
constexpr const wchar_t* kFormClass = L"KivoForm";
constexpr const wchar_t* kCloserClass = L"KivoCloseMessage";

DWORD style_for(Border border) {
  return border == Border::sizeable ? WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN
                                    : WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_CLIPCHILDREN;
}

DWORD ex_style_for(Border border) {
  return (border == Border::dialog ? WS_EX_DLGMODALFRAME : 0) | WS_EX_CONTROLPARENT;
}

LRESULT CALLBACK closer_proc(HWND window, UINT message, WPARAM w, LPARAM l) noexcept try {
  if (message == WM_CLOSE) {
    auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (form) form->close();
    return 0;
  }
  return DefWindowProcW(window, message, w, l);
} catch (...) {
  Application::show_current_exception();
  return 0;
}

void register_classes(WNDPROC form_proc) {
  static const bool registered = [form_proc] {
    WNDCLASSEXW form_class{};
    form_class.cbSize = sizeof(form_class);
    form_class.style = CS_DBLCLKS;
    form_class.lpfnWndProc = form_proc;
    form_class.hInstance = Application::instance();
    form_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    form_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    form_class.lpszClassName = kFormClass;
    RegisterClassExW(&form_class);
    WNDCLASSEXW closer_class{};
    closer_class.cbSize = sizeof(closer_class);
    closer_class.lpfnWndProc = closer_proc;
    closer_class.hInstance = Application::instance();
    closer_class.lpszClassName = kCloserClass;
    RegisterClassExW(&closer_class);
    return true;
  }();
  (void)registered;
}

}  // namespace

Form::Form(FormSpec design) : design_(std::move(design)) {
  register_classes(&Form::window_proc);
  dpi_ = dpi_of(nullptr);
  font_ = make_dialog_font(design_.font_pixels, dpi_);
  const DWORD style = style_for(design_.border);
  const DWORD ex_style = ex_style_for(design_.border);
  int width = scale(design_.width, dpi_);
  int height = scale(design_.height, dpi_);
  if (design_.size_is_client) {
    const SIZE outer = outer_size_for_client(width, height, style, ex_style, dpi_);
    width = outer.cx;
    height = outer.cy;
  }
  handle_ = CreateWindowExW(ex_style, kFormClass, widen(design_.caption).c_str(), style,
                            scale(design_.left, dpi_), scale(design_.top, dpi_), width, height,
                            Application::owner_window(), nullptr, Application::instance(), this);
  set_window_name(handle_, design_.name);
  if (design_.icon_resource) {
    const auto icon =
        static_cast<HICON>(LoadImageW(Application::instance(), MAKEINTRESOURCEW(design_.icon_resource),
                                      IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
    SendMessageW(handle_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    SendMessageW(handle_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  }
}

Form::~Form() {
  controls_.clear();
  if (closer_) DestroyWindow(closer_);
  if (handle_ && IsWindow(handle_)) {
    SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
    clear_window_name(handle_);
    DestroyWindow(handle_);
  }
}

void Form::adopt(std::unique_ptr<Control> control) {
  Control& added = *control;
  controls_.push_back(std::move(control));
  added.create(added.parent() ? added.parent()->handle() : handle_);
  tab_order_applied_ = false;
}

Control* Form::control_from_handle(HWND window) const {
  for (const auto& control : controls_)
    if (control->handle() == window) return control.get();
  return nullptr;
}

void Form::apply_tab_order() {
  // Tab follows the z-order of siblings; put each parent's tab stops in their order.
  std::map<Control*, std::vector<Control*>> by_parent;
  for (const auto& control : controls_)
    if (control->tab_order() != kNoTabStop) by_parent[control->parent()].push_back(control.get());
  for (auto& [parent, children] : by_parent) {
    std::stable_sort(children.begin(), children.end(),
                     [](Control* a, Control* b) { return a->tab_order() < b->tab_order(); });
    HWND previous = HWND_TOP;
    for (Control* child : children) {
      SetWindowPos(child->handle(), previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      previous = child->handle();
    }
  }
  tab_order_applied_ = true;
}

void Form::focus_first_control() {
  if (initial_focus_) {
    initial_focus_->set_focus();
  } else if (const HWND first = GetNextDlgTabItem(handle_, nullptr, FALSE)) {
    SetFocus(first);
  }
  remember_focus();
}

void Form::remember_focus() {
  const HWND focused = GetFocus();
  if (focused && IsChild(handle_, focused)) remembered_focus_ = focused;
}

// Back to the control that had the focus when the window was left, or to the
// first one when that is gone; never to the frame, where Enter does nothing.
void Form::restore_focus() {
  // Setting the focus would activate the window; only an active one gets it.
  if (GetActiveWindow() != handle_) return;
  const HWND focused = GetFocus();
  if (focused && IsChild(handle_, focused)) return;
  if (remembered_focus_ && IsChild(handle_, remembered_focus_) && IsWindowVisible(remembered_focus_) &&
      IsWindowEnabled(remembered_focus_))
    SetFocus(remembered_focus_);
  else
    focus_first_control();
}

void Form::prepare_showing() {
  // The shell's and COM's DLLs start as the first window other than the main
  // one shows, before any work that needs them: a main window left idle never
  // does (they hold close to a megabyte), and started first in the middle of
  // a dialog's work they upset message boxes under Wine.
  if (!main_window_) system_dlls::load();
  if (!tab_order_applied_) apply_tab_order();
  if (!visible()) {
    remembered_focus_ = nullptr;
    // An error here goes to the caller's boundary before anything is shown
    // or disabled: the window stays hidden, its opener as it was.
    FormShow();
    for (const auto& control : controls_)
      if (auto* label = dynamic_cast<Label*>(control.get())) label->fit_if_pending();
  }
}

void Form::show() {
  prepare_showing();
  const bool was_visible = visible();
  ShowWindow(handle_, SW_SHOW);
  SetWindowPos(handle_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetForegroundWindow(handle_);
  if (!was_visible) {
    focus_first_control();
    PostMessageW(handle_, kActivateMessage, 0, 0);
  }
}

void Form::show_modal() {
  prepare_showing();
  const HWND previously_active = front_window();
  {
    // Every other window of the program is disabled while this one is shown.
    const OtherWindowsDisabled others(handle_);
    ++modal_depth_;
    modal_done_ = false;
    ShowWindow(handle_, SW_SHOW);
    SetForegroundWindow(handle_);
    focus_first_control();
    PostMessageW(handle_, kActivateMessage, 0, 0);
    Application::run_nested_loop([this] { return modal_done_ || !IsWindow(handle_); });
    --modal_depth_;
  }
  // The opener is active again, with the focus where its user left it.
  if (previously_active && IsWindow(previously_active) && IsWindowVisible(previously_active))
    SetActiveWindow(previously_active);
  if (IsWindow(handle_)) hide();
}

void Form::close() {
  if (modal_depth_ > 0) {
    modal_done_ = true;
    PostMessageW(handle_, WM_NULL, 0, 0);  // wake the nested loop
  } else if (main_window_) {
    DestroyWindow(handle_);
  } else {
    hide();
  }
}

void Form::make_main_window() {
  main_window_ = true;
  Application::set_main_window(handle_);
}

void Form::hide() {
  // Hand the activation on first: hiding the active window would have the
  // system activate the taskbar button's window in between.
  if (GetActiveWindow() == handle_)
    if (const HWND next = front_window(handle_)) SetActiveWindow(next);
  ShowWindow(handle_, SW_HIDE);
}
bool Form::visible() const { return IsWindowVisible(handle_) != FALSE; }
void Form::invalidate() { InvalidateRect(handle_, nullptr, TRUE); }

void Form::repaint_now() {
  RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

HWND Form::close_message_window() {
  if (!closer_) {
    closer_ = CreateWindowExW(0, kCloserClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              Application::instance(), nullptr);
    SetWindowLongPtrW(closer_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  return closer_;
}

void Form::post_close() { PostMessageW(close_message_window(), WM_CLOSE, 0, 0); }

void Form::lay_out_for_dpi(UINT dpi, const RECT* suggested) {
  dpi_ = dpi;
  font_ = make_dialog_font(design_.font_pixels, dpi_);
  for (const auto& control : controls_) control->lay_out();
  if (suggested) {
    SetWindowPos(handle_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                 suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  invalidate();
}

bool Form::route_to_control(UINT message, WPARAM w, LPARAM l, LRESULT& result) {
  switch (message) {
    case WM_COMMAND: {
      Control* control = control_from_handle(reinterpret_cast<HWND>(l));
      return control && control->on_command(HIWORD(w));
    }
    case WM_DRAWITEM: {
      auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(l);
      Control* control = control_from_handle(item->hwndItem);
      if (!control || !control->on_draw_item(*item)) return false;
      result = TRUE;
      return true;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      const auto dc = reinterpret_cast<HDC>(w);
      Control* control = control_from_handle(reinterpret_cast<HWND>(l));
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, control && control->text_color() != CLR_INVALID ? control->text_color()
                                                                       : GetSysColor(COLOR_BTNTEXT));
      result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
      return true;
    }
  }
  return false;
}

LRESULT CALLBACK Form::window_proc(HWND window, UINT message, WPARAM w, LPARAM l) noexcept try {
  auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_NCCREATE) {
    form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
    form->handle_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  if (!form) return DefWindowProcW(window, message, w, l);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    if (form->handle_ == window) form->handle_ = nullptr;
    return DefWindowProcW(window, message, w, l);
  }
  return form->handle_message(message, w, l);
} catch (...) {
  Application::show_current_exception();
  return 0;
}

LRESULT Form::handle_message(UINT message, WPARAM w, LPARAM l) {
  LRESULT result = 0;
  if (route_to_control(message, w, l, result)) return result;
  switch (message) {
    case kActivateMessage:
      if (visible()) FormActivate();
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      BeginPaint(handle_, &paint);
      EndPaint(handle_, &paint);
      FormPaint();
      return 0;
    }
    case WM_CLOSE:
      FormCloseBox();
      return 0;
    case WM_ACTIVATE:
      // Not to the default handling, which would put the focus on the frame.
      if (LOWORD(w) == WA_INACTIVE)
        remember_focus();
      else if (!HIWORD(w))
        restore_focus();
      return 0;
    case WM_SETFOCUS:
      restore_focus();
      return 0;
    case WM_CANCELMODE:
      // Sent as the window is disabled for a modal window or a box, before
      // the system takes the focus away from its control.
      remember_focus();
      break;
    case WM_SYSCOMMAND:
      // Minimising any window minimises the program to its taskbar button;
      // on its own an owned window would shrink to a caption on the desktop.
      if ((w & 0xFFF0) == SC_MINIMIZE) {
        Application::minimize();
        return 0;
      }
      break;
    case WM_DESTROY:
      if (main_window_) PostQuitMessage(0);
      return 0;
    case 0x02E0: {  // WM_DPICHANGED
      lay_out_for_dpi(HIWORD(w), reinterpret_cast<const RECT*>(l));
      return 0;
    }
  }
  return DefWindowProcW(handle_, message, w, l);
}

}  // namespace kivo::forms
