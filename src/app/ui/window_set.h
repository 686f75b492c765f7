#pragma once
// The ten windows of the program, created once at start-up in a fixed order
// (the main window first), each connected to the windows it opens and to the
// shared values it reads and answers in, and destroyed together when the
// program ends. Between uses a window is only hidden, so its controls keep
// their state.

#include <functional>
#include <memory>

namespace kivo {

struct Services;
struct SharedValues;
class TForm1;
class Tfoldersel1;
class Tfoldersel2;
class Tfoldersel3;
class Tfoldersel4;
class Tprogress1;
class Tprogress2;
class Twinsasi1;
class Twinsasi2;
class Twinsasi3;

struct WindowSet {
  std::unique_ptr<TForm1> Form1;
  std::unique_ptr<Tfoldersel1> foldersel1;
  std::unique_ptr<Tfoldersel2> foldersel2;
  std::unique_ptr<Tfoldersel3> foldersel3;
  std::unique_ptr<Tfoldersel4> foldersel4;
  std::unique_ptr<Tprogress1> progress1;
  std::unique_ptr<Tprogress2> progress2;
  std::unique_ptr<Twinsasi1> winsasi1;
  std::unique_ptr<Twinsasi3> winsasi3;
  std::unique_ptr<Twinsasi2> winsasi2;

  WindowSet();
  ~WindowSet();
  // Creates all ten in order and connects them; only Form1 becomes visible.
  // `main_created` runs between Form1 and the other nine, so that the main
  // window can be shown and painted while the nine hidden ones are made.
  void create_all(Services& services, SharedValues& shared, const std::function<void()>& main_created = {});
};

}  // namespace kivo
