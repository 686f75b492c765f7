#include "emulator/ui/progress1.h"

namespace kivo {

Tprogress1::Tprogress1(AppContext& context)
    : Form({.name = "progress1",
            .caption = "kivo68i / WinX68kインストール中",
            .left = 251,
            .top = 368,
            .width = 316,
            .height = 131,
            .size_is_client = true,
            .border = forms::Border::dialog}),
      context_(context) {}

}  // namespace kivo
