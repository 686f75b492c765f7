#include "game/ui/progress2.h"

namespace kivo {

Tprogress2::Tprogress2(AppContext& context)
    : Form({.name = "progress2",
            .caption = "kivo68i / Kivo68インストール中",
            .left = 229,
            .top = 277,
            .width = 317,
            .height = 138,
            .size_is_client = true,
            .border = forms::Border::dialog}),
      context_(context) {}

}  // namespace kivo
