#include "game/ui/progress2.h"

#include "game/game_install_run.h"

namespace kivo {

Tprogress2::Tprogress2(Services& services, const std::string& folder, char& picked_drive)
    : CopyProgressForm(services, {.window = {.name = "progress2",
                                             .caption = "kivo68i / Kivo68インストール中",
                                             .left = 229,
                                             .top = 277,
                                             .width = 317,
                                             .height = 138,
                                             .size_is_client = true,
                                             .border = forms::Border::dialog},
                                  // As wide as the window leaves it: sizing it to
                                  // every path would cost a window move per paint,
                                  // and a longer path is cut at the window's edge
                                  // either way.
                                  .path_label = {24, 40, 293, 13},
                                  .path_label_text = "　",
                                  .button = {128, 96, 73, 25}}),
      folder_(folder),
      picked_drive_(picked_drive) {}

void Tprogress2::run_installation() {
  const BootDiskSetup setup{run_services(), [this] { return ask_drive(); }, ""};
  if (run_game_install(setup, folder_, *this) == GameRunOutcome::finished) {
    show_finished();
    Label2.set_text(" ");
  }
}

char Tprogress2::ask_drive() {
  bring_up_to_date();
  // Closing the browser by its close box leaves no answer of this showing.
  picked_drive_ = 0;
  drive_browser_->show_modal();
  return picked_drive_;
}

}  // namespace kivo
