#pragma once
// One C++ object per top-level window. The window procedure finds the object
// through GWLP_USERDATA (set at WM_NCCREATE) and calls its named handlers.
// Handlers let their errors propagate: the window procedure's one catch shows
// them in the standard error box, the message counts as handled and the
// program carries on.

#include <windows.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/forms/control.h"
#include "platform/forms/gdi.h"

namespace kivo::forms {

enum class Border {
  sizeable,  // an ordinary resizable window
  dialog     // a fixed dialog frame, no icon, not resizable
};

struct FormSpec {
  std::string name;     // instance name, such as "foldersel1"
  std::string caption;  // title bar text
  int left = 0;         // screen position at 96 DPI
  int top = 0;
  int width = 0;  // 96-DPI size: of the client area when size_is_client, else outer
  int height = 0;
  bool size_is_client = true;
  Border border = Border::dialog;
  int font_pixels = 12;
  int icon_resource = 0;  // 0: none
};

class Form {
 public:
  explicit Form(FormSpec design);
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;
  virtual ~Form();

  HWND handle() const { return handle_; }
  UINT dpi() const { return dpi_; }
  HFONT font() const { return font_.get(); }

  // Modeless: shows the window (FormShow first when it was hidden) and brings it to the front.
  void show();
  // Modal: disables the program's other windows and returns when the form closes.
  void show_modal();
  // Modal: ends the modal showing. Modeless: hides. The main window: ends the program.
  void close();
  void hide();
  bool visible() const;

  void invalidate();
  // Invalidates the form and its controls and repaints them now.
  void repaint_now();

  // A hidden window whose WM_CLOSE closes this form once control is back in
  // the message loop; used to stop a run from inside a handler.
  HWND close_message_window();
  void post_close();

  // Marks this form as the main window: closing it ends the program.
  void make_main_window();

  Control* control_from_handle(HWND window) const;

 protected:
  // Creates a control of any kind, owned by the form.
  template <typename T, typename... Args>
  T& add(Args&&... args) {
    auto control = std::make_unique<T>(*this, std::forward<Args>(args)...);
    T& added = *control;
    adopt(std::move(control));
    return added;
  }
  // The control that gets the focus at every showing; default: the first in tab order.
  void set_initial_focus(Control& control) { initial_focus_ = &control; }

  // Handlers. FormShow runs before the window becomes visible (an error in it
  // leaves the window hidden and goes to whoever showed it), FormActivate
  // once per showing after it is on screen, FormPaint after each repaint.
  virtual void FormShow() {}
  virtual void FormActivate() {}
  virtual void FormPaint() {}
  // The title-bar close box; by default it closes the form.
  virtual void FormCloseBox() { close(); }

 private:
  friend class Control;
  friend class Application;
  static LRESULT CALLBACK window_proc(HWND, UINT, WPARAM, LPARAM) noexcept;
  LRESULT handle_message(UINT message, WPARAM w, LPARAM l);
  void adopt(std::unique_ptr<Control> control);
  void prepare_showing();
  void apply_tab_order();
  void focus_first_control();
  void remember_focus();
  void restore_focus();
  void lay_out_for_dpi(UINT dpi, const RECT* suggested);
  bool route_to_control(UINT message, WPARAM w, LPARAM l, LRESULT& result);

  FormSpec design_;
  HWND handle_ = nullptr;
  HWND closer_ = nullptr;
  UINT dpi_ = 96;
  unique_font font_;
  std::vector<std::unique_ptr<Control>> controls_;
  Control* initial_focus_ = nullptr;
  HWND remembered_focus_ = nullptr;  // the control to give the focus back to on activation
  bool main_window_ = false;
  bool tab_order_applied_ = false;
  int modal_depth_ = 0;
  bool modal_done_ = false;
};

}  // namespace kivo::forms
