#include "bench_window.h"

namespace bench {

// Laid out as the game's progress window is.
BenchWindow::BenchWindow(kivo::Services& services)
    : CopyProgressForm(services, {.window = {.name = "bench",
                                             .caption = "game copy bench",
                                             .left = 229,
                                             .top = 277,
                                             .width = 317,
                                             .height = 138,
                                             .size_is_client = true,
                                             .border = kivo::forms::Border::dialog},
                                  .path_label = {24, 40, 293, 13},
                                  .path_label_text = " ",
                                  .button = {128, 96, 73, 25}}) {}

}  // namespace bench
