#include "app/ui/windows.h"

#include "app/ui/form1.h"
#include "choosers/ui/foldersel2.h"
#include "choosers/ui/foldersel4.h"
#include "choosers/ui/winsasi2.h"
#include "emulator/ui/foldersel1.h"
#include "emulator/ui/progress1.h"
#include "game/ui/foldersel3.h"
#include "game/ui/progress2.h"
#include "music/ui/winsasi1.h"
#include "music/ui/winsasi3.h"

namespace kivo {

Windows::Windows() = default;

Windows::~Windows() {
  // The main window last, as it was created first.
  winsasi2.reset();
  winsasi3.reset();
  winsasi1.reset();
  progress2.reset();
  progress1.reset();
  foldersel4.reset();
  foldersel3.reset();
  foldersel2.reset();
  foldersel1.reset();
  Form1.reset();
}

void Windows::create_all(AppContext& context, const std::function<void()>& main_created) {
  Form1 = std::make_unique<TForm1>(context);
  if (main_created) main_created();
  foldersel1 = std::make_unique<Tfoldersel1>(context);
  foldersel2 = std::make_unique<Tfoldersel2>(context);
  foldersel3 = std::make_unique<Tfoldersel3>(context);
  foldersel4 = std::make_unique<Tfoldersel4>(context);
  progress1 = std::make_unique<Tprogress1>(context);
  progress2 = std::make_unique<Tprogress2>(context);
  winsasi1 = std::make_unique<Twinsasi1>(context);
  winsasi3 = std::make_unique<Twinsasi3>(context);
  winsasi2 = std::make_unique<Twinsasi2>(context);
}

}  // namespace kivo
