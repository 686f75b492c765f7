#pragma once
// What the music operations need of the copy progress window.

#include <string>

namespace kivo {

class MusicProgressView {
 public:
  virtual ~MusicProgressView() = default;
  // Shows the window in front with its "copying" text.
  virtual void begin() = 0;
  // Shows the path being worked on and repaints at once.
  virtual void step(const std::string& path) = 0;
  // Brings the window to the front once more, then hides it.
  virtual void end() = 0;
};

// Keeps the progress window up for one scope, also when an exception leaves it.
class ProgressShown {
 public:
  explicit ProgressShown(MusicProgressView& view) : view_(view) { view_.begin(); }
  ~ProgressShown() { view_.end(); }
  ProgressShown(const ProgressShown&) = delete;
  ProgressShown& operator=(const ProgressShown&) = delete;

 private:
  MusicProgressView& view_;
};

}  // namespace kivo
