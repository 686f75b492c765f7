#pragma once
// The copy progress window of the music bonus: visible only while the files
// are copied, kept current by explicit repaints since the copy runs on the
// window thread without servicing messages.

#include <optional>

#include "music/music_progress_view.h"
#include "platform/forms/form.h"
#include "platform/win32/message_box.h"

namespace kivo {

class Twinsasi3 : public forms::Form, public MusicProgressView {
 public:
  Twinsasi3();

  void begin() override;
  void step(const std::string& path) override;
  void end() override;

 protected:
  void FormPaint() override;

 private:
  forms::Label* label1_ = nullptr;
  forms::Label* label2_ = nullptr;
  // While the files are copied no other window of the program takes input.
  std::optional<OtherWindowsDisabled> others_disabled_;
  HWND opener_ = nullptr;
};

}  // namespace kivo
