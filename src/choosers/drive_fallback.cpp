#include "choosers/drive_fallback.h"

#include "platform/path_parts.h"

namespace kivo {

DriveFallback::Step::Step(DriveFallback& owner, char letter) : owner_(owner) {
  if (owner_.depth_++ == 0) owner_.tried_.clear();
  owner_.tried_.push_back(to_lower_ascii(letter));
}

DriveFallback::Step::~Step() { --owner_.depth_; }

char DriveFallback::first_usable(std::initializer_list<char> candidates) const {
  for (const char c : candidates)
    if (selector_.has_entry(c)) return to_lower_ascii(c);
  return '\0';
}

void DriveFallback::fall_back(std::initializer_list<char> candidates) {
  const char target = first_usable(candidates);
  if (target == 0 || tried_.find(target) != std::string::npos) return;
  selector_.set_letter(target);
}

}  // namespace kivo
