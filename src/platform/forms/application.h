#pragma once
// The program's one application object: its title (the taskbar button), the
// event loop, the nested loops of modal forms and the standard error box.

#include <windows.h>

#include <functional>
#include <string>

namespace kivo::forms {

class Form;

class Application {
 public:
  // Registers the window classes and initialises the common controls.
  static void initialize(HINSTANCE instance);
  static HINSTANCE instance();
  static void set_title(const std::string& title);
  // The hidden window that owns every form and carries the taskbar button.
  static HWND owner_window();
  // The window that closing the taskbar button closes.
  static void set_main_window(HWND main);
  // Minimises the program to its taskbar button with every window it shows.
  static void minimize();

  // Runs the event loop until the main window has been destroyed.
  static int run();
  // Runs a nested loop until done() is true or the program is quitting.
  static void run_nested_loop(const std::function<bool()>& done);

  // The standard error box for an error that escaped an event handler.
  static void show_exception(const std::string& message);
  // The one catch of every C callback (window, subclass and enumeration
  // procedures, the message loop's key handling and the program's entry),
  // called from its catch (...): an exception must never unwind through the
  // system's frames, so the one in flight is shown in the standard error box
  // and the callback returns its neutral value. Handlers below let their
  // errors propagate to it.
  static void show_current_exception() noexcept;

  // Lets the system see that the program is alive during a long run without
  // handing control to anything else (no message is removed or dispatched).
  static void keep_alive();

 private:
  static bool preprocess_key(MSG& message) noexcept;
};

}  // namespace kivo::forms
