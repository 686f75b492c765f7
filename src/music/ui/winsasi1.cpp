#include "music/ui/winsasi1.h"

namespace kivo {

Twinsasi1::Twinsasi1(AppContext& context)
    : Form({.name = "winsasi1",
            .caption = "kivo68i / KivoWin用おまけ",
            .left = 246,
            .top = 207,
            .width = 333,
            .height = 253,
            .size_is_client = true,
            .border = forms::Border::dialog}),
      context_(context) {}

}  // namespace kivo
