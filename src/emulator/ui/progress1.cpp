#include "emulator/ui/progress1.h"

namespace kivo {

Tprogress1::Tprogress1(Services& services, const std::string& folder)
    : CopyProgressForm(services, {.window = {.name = "progress1",
                                             .caption = "kivo68i / WinX68kインストール中",
                                             .left = 251,
                                             .top = 368,
                                             .width = 316,
                                             .height = 131,
                                             .size_is_client = true,
                                             .border = forms::Border::dialog},
                                  .path_label = {26, 32, 0, 0},
                                  .path_label_text = ".",
                                  .button = {120, 96, 81, 25}}),
      Label3(add<forms::Label>(nullptr, "Label3", forms::Bounds{26, 48, 0, 0}, ".")),
      folder_(folder) {}

void Tprogress1::run_installation() {
  run_emulator_install(folder_, run_services(), *this, [this] { show_finish_texts(); });
}

void Tprogress1::show_opening_texts() {
  CopyProgressForm::show_opening_texts();
  Label3.set_text(".");
}

void Tprogress1::show_finish_texts() {
  show_finished();
  Label2.set_text("ROMファイル類は手動で追加して下さい。");
  Label3.set_text("詳細はこのインストーラのマニュアルをご覧下さい。");
}

}  // namespace kivo
