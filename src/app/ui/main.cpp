// Start-up: the application object, its title, the ten windows, the event loop.

#include <windows.h>

#include "app/shared_values.h"
#include "app/ui/form1.h"
#include "app/ui/system_services.h"
#include "app/ui/window_set.h"
#include "platform/forms/application.h"

namespace {

void run_program() {
  kivo::SystemServices system;
  kivo::SharedValues shared;
  kivo::WindowSet windows;
  windows.create_all(system.services, shared);
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
