#pragma once
// Sends the drive selector back to an earlier drive when the chosen one cannot
// be used, without ever going round in circles. Setting the selector raises its
// change event, which runs the drive step again for the new letter; a letter
// that no entry has (0, a backslash from a network path) would raise it for
// ever, and two drives that each fail one test would bounce between each
// other. So every letter tried within one chain of drive steps is remembered,
// and a fallback to a letter already tried simply stops.

#include <initializer_list>
#include <string>

#include "choosers/drive_selector_model.h"

namespace kivo {

class DriveFallback {
 public:
  explicit DriveFallback(DriveSelectorModel& selector) : selector_(selector) {}

  // Held for the length of one drive step; the outermost one starts a new chain.
  class Step {
   public:
    Step(DriveFallback& owner, char letter);
    ~Step();
    Step(const Step&) = delete;
    Step& operator=(const Step&) = delete;

   private:
    DriveFallback& owner_;
  };

  // Sets the selector to the first candidate that has an entry; when that
  // letter was tried already in this chain, or none has an entry, leaves the
  // selector where it is.
  void fall_back(std::initializer_list<char> candidates);

  // The first candidate with an entry, or 0.
  char first_usable(std::initializer_list<char> candidates) const;

 private:
  DriveSelectorModel& selector_;
  std::string tried_;
  int depth_ = 0;
};

}  // namespace kivo
