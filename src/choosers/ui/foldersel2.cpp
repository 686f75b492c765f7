#include "choosers/ui/foldersel2.h"

namespace kivo {

Tfoldersel2::Tfoldersel2(AppContext& context)
    : Form({.name = "foldersel2",
            .caption = "kivo68i / WinX68kフォルダ選択画面",
            .left = 259,
            .top = 268,
            .width = 297,
            .height = 265,
            .size_is_client = true,
            .border = forms::Border::dialog}),
      context_(context) {}

}  // namespace kivo
