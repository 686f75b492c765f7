#include "choosers/ui/foldersel4.h"

namespace kivo {

Tfoldersel4::Tfoldersel4(AppContext& context)
    : Form({.name = "foldersel4",
            .caption = "kivo68i / Kivo68フォルダ選択画面",
            .left = 230,
            .top = 247,
            .width = 306,
            .height = 215,
            .size_is_client = true,
            .border = forms::Border::dialog}),
      context_(context) {}

}  // namespace kivo
