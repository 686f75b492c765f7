#include "game/ui/foldersel3.h"

namespace kivo {

Tfoldersel3::Tfoldersel3(AppContext& context)
    : Form({.name = "foldersel3",
            .caption = "kivo68i / Kivo68のインストール",
            .left = 188,
            .top = 290,
            .width = 490,
            .height = 151,
            .size_is_client = true,
            .border = forms::Border::dialog}),
      context_(context) {}

}  // namespace kivo
