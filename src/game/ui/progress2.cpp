#include "game/ui/progress2.h"

#include "app/ui/window_set.h"
#include "choosers/ui/winsasi2.h"
#include "game/game_install_run.h"
#include "game/ui/foldersel3.h"

namespace kivo {

Tprogress2::Tprogress2(AppContext& context)
    : CopyProgressForm(context, {.window = {.name = "progress2",
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
                                 .button = {128, 96, 73, 25}}) {}

bool Tprogress2::run_requested() { return context_.windows.foldersel3->GameCopyRequested(); }

void Tprogress2::run_installation() {
  const Services& services = context_.services;
  const BootDiskSetup setup{services.files,
                            services.profiles,
                            services.environment,
                            run_prompts(),
                            [this] { return AskDrive(); },
                            ""};
  if (run_game_install(setup, context_.shared.KivoinstFolder, *this) == GameRunOutcome::finished) {
    show_finished();
    Label2.set_text(" ");
  }
}

char Tprogress2::AskDrive() {
  bring_up_to_date();
  // Closing the browser by its close box leaves no answer of this showing.
  context_.shared.PickedDrive = 0;
  context_.windows.winsasi2->show_modal();
  return context_.shared.PickedDrive;
}

}  // namespace kivo
