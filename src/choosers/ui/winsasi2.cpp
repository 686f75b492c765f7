#include "choosers/ui/winsasi2.h"

namespace kivo {

Twinsasi2::Twinsasi2(AppContext& context)
    : Form({.name = "winsasi2",
            .caption = "kivo68i / Kivo68版おまけ　選択画面",
            .left = 205,
            .top = 275,
            .width = 303,
            .height = 289,
            .size_is_client = false,
            .border = forms::Border::sizeable}),
      context_(context) {}

}  // namespace kivo
