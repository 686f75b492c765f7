// Start-up: the DLL search narrowed, the application object, its title, the
// ten windows, the event loop.

#include <windows.h>

#include <cstdlib>
#include <exception>
#include <new>

#include "app/shared_values.h"
#include "app/ui/form1.h"
#include "app/ui/system_services.h"
#include "app/ui/window_set.h"
#include "platform/forms/application.h"

// What the standard library calls when it fails, defined here so that the
// program links in neither its error classes (a second, copy-on-write string
// implementation with them) nor its demangler: together more than a tenth of
// the exe. A failed container operation still ends the event handler with its
// text in the standard error box; running out of memory stays a bad_alloc.
namespace {

class LibraryError : public std::exception {
 public:
  explicit LibraryError(const char* text) : text_(text) {}
  const char* what() const noexcept override { return text_; }

 private:
  const char* text_;
};

}  // namespace

namespace std {
void __throw_bad_alloc() { throw std::bad_alloc(); }
void __throw_bad_array_new_length() { throw std::bad_array_new_length(); }
void __throw_length_error(const char* text) { throw LibraryError(text); }
void __throw_logic_error(const char* text) { throw LibraryError(text); }
// The format's arguments are left out: the text names the operation.
void __throw_out_of_range_fmt(const char* format, ...) { throw LibraryError(format); }
}  // namespace std

// An exception that escapes a noexcept function ends the program; the
// library's handler would name its type on a console the program lacks.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

namespace {

// The CD's folder may be copied to a disk or sit in a Downloads folder: a DLL
// planted there under the name of a system DLL that Windows or the shell
// loads on demand would otherwise run with the user's rights. The statically
// imported DLLs are all on the system's known list (comctl32 comes through
// the manifest), so this runs before anything else loads one by name (the
// shell's and COM's DLLs are loaded as the first dialog opens).
// SetDefaultDllDirectories is looked up because a Windows 7 without its
// loader update lacks it; SetDllDirectoryW(L"") still takes the current
// folder out of the search there.
void restrict_dll_search() {
#ifndef KIVO_UNRESTRICTED_DLL_SEARCH  // only a test build that shows what this prevents
  using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
  if (const HMODULE kernel = GetModuleHandleW(L"kernel32.dll")) {
    const auto set_default = reinterpret_cast<SetDefaultDllDirectoriesFn>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories")));
    if (set_default) set_default(LOAD_LIBRARY_SEARCH_SYSTEM32);
  }
  SetDllDirectoryW(L"");
#endif
}

void run_program() {
  kivo::SystemServices system;
  kivo::SharedValues shared;
  kivo::WindowSet windows;
  // The user sees the main window, drawn, while the nine hidden windows are
  // made; input waits for the event loop, which starts once all ten exist.
  windows.create_all(system.services, shared, [&windows] {
    windows.Form1->show();
    windows.Form1->repaint_now();
  });
  kivo::forms::Application::run();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  restrict_dll_search();
  using kivo::forms::Application;
  Application::initialize(instance);
  Application::set_title("kivo68i");
  try {
    run_program();
  } catch (...) {
    Application::show_current_exception();
  }
  return 0;
}
