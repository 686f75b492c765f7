// A stand-in opener for the three choosers: sets the shared values from its
// fields, opens foldersel2, winsasi2 or foldersel4 modally and shows the shared
// values afterwards in its label "Answer", as the real openers read them.

#include <windows.h>

#include <string>

#include "app/shared_values.h"
#include "app/ui/system_services.h"
#include "app/ui/window_set.h"
#include "choosers/ui/foldersel2.h"
#include "choosers/ui/foldersel4.h"
#include "choosers/ui/winsasi2.h"
#include "platform/forms/application.h"
#include "platform/forms/form.h"

namespace {

using kivo::forms::Bounds;
using kivo::forms::Button;
using kivo::forms::Edit;
using kivo::forms::Label;

class Bench : public kivo::forms::Form {
 public:
  Bench(kivo::SharedValues& shared, kivo::WindowSet& windows)
      : Form({.name = "bench",
              .caption = "chooser bench",
              .left = 700,
              .top = 20,
              .width = 400,
              .height = 150}),
        shared_(shared),
        windows_(windows) {
    win68_ = &add<Edit>(nullptr, "Win68", Bounds{8, 8, 380, 20}, 0);
    kivo_ = &add<Edit>(nullptr, "Kivo", Bounds{8, 32, 380, 20}, 1);
    auto& open2 = add<Button>(nullptr, "Open2", Bounds{8, 60, 120, 25}, "foldersel2", 2);
    auto& open_w = add<Button>(nullptr, "OpenW", Bounds{136, 60, 120, 25}, "winsasi2", 3);
    auto& open4 = add<Button>(nullptr, "Open4", Bounds{264, 60, 120, 25}, "foldersel4", 4);
    answer_ = &add<Label>(nullptr, "Answer", Bounds{8, 100}, "");
    win68_->set_text(kivo::kDefaultEmulatorFolder);
    kivo_->set_text(kivo::kDefaultGameFolder);
    open2.OnClick = [this] { open(*windows_.foldersel2); };
    open_w.OnClick = [this] { open(*windows_.winsasi2); };
    open4.OnClick = [this] { open(*windows_.foldersel4); };
    make_main_window();
  }

 private:
  void open(kivo::forms::Form& chooser) {
    shared_.Win68instFolder = win68_->text();
    shared_.KivoinstFolder = kivo_->text();
    chooser.show_modal();
    const char picked = shared_.PickedDrive;
    answer_->set_text("W=[" + shared_.Win68instFolder + "] K=[" + shared_.KivoinstFolder + "] P=[" +
                      (picked == 0 ? std::string("0") : std::string(1, picked)) + "]");
  }

  kivo::SharedValues& shared_;
  kivo::WindowSet& windows_;
  Edit* win68_ = nullptr;
  Edit* kivo_ = nullptr;
  Label* answer_ = nullptr;
};

void run_bench() {
  kivo::SystemServices system;
  kivo::SharedValues shared;
  kivo::WindowSet windows;
  windows.create_all(system.services, shared);
  Bench bench(shared, windows);
  bench.show();
  kivo::forms::Application::run();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  kivo::forms::Application::initialize(instance);
  // The error boxes carry the program's title, as in the program.
  kivo::forms::Application::set_title("kivo68i");
  try {
    run_bench();
  } catch (...) {
    kivo::forms::Application::show_current_exception();
  }
  return 0;
}
