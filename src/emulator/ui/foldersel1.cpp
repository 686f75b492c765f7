#include "emulator/ui/foldersel1.h"

namespace kivo {

Tfoldersel1::Tfoldersel1(AppContext& context)
    : Form({.name = "foldersel1",
            .caption = "kivo68i / WinX68kのインストール",
            .left = 193,
            .top = 236,
            .width = 491,
            .height = 147,
            .size_is_client = true,
            .border = forms::Border::dialog}),
      context_(context) {}

}  // namespace kivo
