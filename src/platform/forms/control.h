#pragma once
// Child controls of a form. Each keeps its layout at 96 DPI so the form can
// lay it out again when the DPI changes, and carries its code name ("Edit1",
// "BtnOk") as a window property so tests can find it.

#include <windows.h>
// The common controls need windows.h first.
#include <commctrl.h>

#include <functional>
#include <string>

#include "platform/forms/gdi.h"

namespace kivo::forms {

class Form;

// Position within the parent's client area and size, in 96-DPI pixels. A
// label with width 0 is sized to its text.
struct Bounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

inline constexpr int kNoTabStop = -1;

class Control {
 public:
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control();

  HWND handle() const { return handle_; }
  Control* parent() const { return parent_; }
  int tab_order() const { return tab_order_; }

  void set_text(const std::string& text);
  std::string text() const;
  void set_focus();
  void invalidate();
  // Repaints now, synchronously.
  void repaint();
  // A font of its own (pixels at 96 DPI) instead of the form's.
  void set_font_pixels(int pixels);
  void set_text_color(COLORREF color) { text_color_ = color; }
  COLORREF text_color() const { return text_color_; }

  // Creates the window; called by the form once the object is in place.
  void create(HWND parent_window);
  // Places the control for the form's current DPI.
  virtual void lay_out();

  // Notifications routed by the form. Return true when handled.
  virtual bool on_command(WORD /*code*/) { return false; }
  virtual bool on_draw_item(DRAWITEMSTRUCT& /*item*/) { return false; }
  // Enter pressed while the control has the focus; true when it acted.
  virtual bool on_enter() { return false; }

 protected:
  Control(Form& form, Control* parent, std::string name, Bounds bounds, int tab_order);

  virtual const wchar_t* window_class() const = 0;
  virtual DWORD style() const { return WS_CHILD | WS_VISIBLE; }
  virtual DWORD ex_style() const { return 0; }
  virtual void after_create() {}
  HFONT font() const;
  UINT dpi() const;
  const Bounds& design_bounds() const { return bounds_; }
  const Form& form() const { return form_; }

  std::string initial_text_;

 private:
  Form& form_;
  Control* parent_;
  std::string name_;
  Bounds bounds_;
  int tab_order_;
  HWND handle_ = nullptr;
  int font_pixels_ = 0;  // 0: the form's font
  unique_font own_font_;
  COLORREF text_color_ = CLR_INVALID;
};

class Label : public Control {
 public:
  Label(Form& form, Control* parent, std::string name, Bounds bounds, std::string text);
  void lay_out() override;
  // A label of width 0 takes the size of its text; one of a fixed size keeps
  // it. On a hidden window the measuring waits until the window is shown:
  // measuring loads each character's outline from the font file, and the
  // nine windows hidden at start-up would hold those pages for nothing.
  void fit_to_text();
  // The measuring that waited, done before the window shows.
  void fit_if_pending();

 protected:
  const wchar_t* window_class() const override { return L"STATIC"; }
  DWORD style() const override { return WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX; }

 private:
  void measure();
  bool fit_pending_ = false;
};

class Button : public Control {
 public:
  Button(Form& form, Control* parent, std::string name, Bounds bounds, std::string text, int tab_order);
  std::function<void()> OnClick;
  // Runs the click handler as a press of the button would.
  void click();
  bool on_command(WORD code) override;
  bool on_enter() override;

 protected:
  const wchar_t* window_class() const override { return L"BUTTON"; }
  DWORD style() const override { return WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON; }
};

class Edit : public Control {
 public:
  Edit(Form& form, Control* parent, std::string name, Bounds bounds, int tab_order);
  // Key pressed in the field: its virtual key code.
  std::function<void(WORD key)> OnKeyDown;

 protected:
  const wchar_t* window_class() const override { return L"EDIT"; }
  DWORD style() const override { return WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL | ES_LEFT; }
  DWORD ex_style() const override { return WS_EX_CLIENTEDGE; }
  void after_create() override;

 private:
  static LRESULT CALLBACK subclass_proc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR) noexcept;
};

// A group box that is a real container: its controls are its children,
// placed relative to it, and reached by Tab in their own order.
class GroupBox : public Control {
 public:
  GroupBox(Form& form, Control* parent, std::string name, Bounds bounds, std::string text, int tab_order);
  void lay_out() override;

 protected:
  const wchar_t* window_class() const override;
  DWORD style() const override { return WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS; }
  DWORD ex_style() const override { return WS_EX_CONTROLPARENT; }
  void after_create() override;

 private:
  HWND frame_ = nullptr;
};

class ProgressBar : public Control {
 public:
  ProgressBar(Form& form, Control* parent, std::string name, Bounds bounds);
  void set_range(int minimum, int maximum);
  void set_position(int position);
  void set_smooth(bool smooth);

 protected:
  const wchar_t* window_class() const override { return PROGRESS_CLASSW; }
};

// A bitmap resource drawn unscaled at the top left of its box, straight from
// the resource, which stays mapped with the exe: a bitmap object made from it
// would keep a second copy in the screen's format, four bytes a pixel instead
// of one, for the program's life.
class Picture : public Control {
 public:
  Picture(Form& form, Control* parent, std::string name, Bounds bounds, int bitmap_resource);
  bool on_draw_item(DRAWITEMSTRUCT& item) override;

 protected:
  const wchar_t* window_class() const override { return L"STATIC"; }
  DWORD style() const override { return WS_CHILD | WS_VISIBLE | SS_OWNERDRAW; }
  void after_create() override;

 private:
  int bitmap_resource_;
  const BITMAPINFO* info_ = nullptr;
  const void* pixels_ = nullptr;
};

}  // namespace kivo::forms
