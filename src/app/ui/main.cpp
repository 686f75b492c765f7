// Start-up: the application object, its title, the ten windows, the event loop.

#include <windows.h>

#include "app/shared_values.h"
#include "app/ui/app_context.h"
#include "app/ui/form1.h"
#include "app/ui/windows.h"
#include "platform/forms/application.h"
#include "platform/win32/win32_environment.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_profile_store.h"
#include "platform/win32/win32_prompts.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_shell.h"

namespace {

void run_program() {
  kivo::Win32FileSystem files;
  kivo::Win32ProfileStore profiles;
  kivo::Win32Registry registry;
  kivo::Win32Shell shell;
  kivo::Win32Prompts prompts;
  kivo::Win32Environment environment;
  kivo::Services services{files, profiles, registry, shell, prompts, environment};
  kivo::SharedValues shared;
  kivo::Windows windows;
  kivo::AppContext context{shared, services, windows};
  windows.create_all(context);
  windows.Form1->show();
  kivo::forms::Application::run();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  using kivo::forms::Application;
  Application::initialize(instance);
  Application::set_title("kivo68i");
  Application::guarded(run_program);
  return 0;
}
