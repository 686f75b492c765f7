#pragma once
// The music bonus window, shown modeless from the main window: install the FM
// versions, return to the originals, or close (which only hides it).

#include "core/services.h"
#include "music/music_operations.h"
#include "platform/forms/form.h"

namespace kivo {

class Twinsasi1 : public forms::Form {
 public:
  explicit Twinsasi1(Services& services);

  // The copy progress window (winsasi3) the two operations keep current.
  void connect(MusicProgressView& progress) { progress_ = &progress; }

  void Button1Click();
  void Button2Click();
  void Button3Click();

 private:
  Services& services_;
  MusicProgressView* progress_ = nullptr;
};

}  // namespace kivo
