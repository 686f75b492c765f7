#include "app/ui/window_set.h"

#include "app/shared_values.h"
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

WindowSet::WindowSet() = default;

WindowSet::~WindowSet() {
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

void WindowSet::create_all(Services& services, SharedValues& shared,
                           const std::function<void()>& main_created) {
  Form1 = std::make_unique<TForm1>(services, shared);
  if (main_created) main_created();
  foldersel1 = std::make_unique<Tfoldersel1>(shared.Win68instFolder);
  foldersel2 = std::make_unique<Tfoldersel2>(services, shared.Win68instFolder);
  foldersel3 = std::make_unique<Tfoldersel3>(shared.KivoinstFolder);
  foldersel4 = std::make_unique<Tfoldersel4>(services, shared.KivoinstFolder);
  progress1 = std::make_unique<Tprogress1>(services, shared.Win68instFolder);
  progress2 = std::make_unique<Tprogress2>(services, shared.KivoinstFolder, shared.PickedDrive);
  winsasi1 = std::make_unique<Twinsasi1>(services);
  winsasi3 = std::make_unique<Twinsasi3>();
  winsasi2 = std::make_unique<Twinsasi2>(services, shared.PickedDrive);

  // Who opens whom.
  Form1->connect(*foldersel1, *foldersel3, *winsasi1);
  foldersel1->connect(*foldersel2, *progress1);
  foldersel3->connect(*foldersel4, *progress2);
  progress2->connect(*winsasi2);
  winsasi1->connect(*winsasi3);
}

}  // namespace kivo
