#include "music/ui/winsasi3.h"

namespace kivo {

Twinsasi3::Twinsasi3(AppContext& context)
    : Form({.name = "winsasi3",
            .caption = "kivo68i / Kivo68版おまけ　ファイルコピー",
            .left = 262,
            .top = 436,
            .width = 323,
            .height = 121,
            .size_is_client = true,
            .border = forms::Border::dialog}),
      context_(context) {}

}  // namespace kivo
