#include "choosers/drive_selector_model.h"

#include "platform/path_parts.h"

namespace kivo {

DriveSelectorModel::DriveSelectorModel(std::vector<DriveEntry> entries, char initial_letter)
    : entries_(std::move(entries)), letter_(to_lower_ascii(initial_letter)), selected_(index_of(letter_)) {}

DriveSelectorModel::DriveSelectorModel(char initial_letter)
    : listed_(false), letter_(to_lower_ascii(initial_letter)) {}

void DriveSelectorModel::replace_entries(std::vector<DriveEntry> entries) {
  const char shown = listed_ ? shown_letter() : letter_;
  listed_ = true;
  entries_ = std::move(entries);
  selected_ = shown == 0 ? -1 : index_of(shown);
  if (on_redraw) on_redraw();
}

char DriveSelectorModel::shown_letter() const {
  return selected_ >= 0 ? entries_[static_cast<std::size_t>(selected_)].letter : '\0';
}

int DriveSelectorModel::index_of(char letter) const {
  if (letter == 0) return -1;
  for (std::size_t i = 0; i < entries_.size(); ++i)
    if (to_lower_ascii(entries_[i].letter) == to_lower_ascii(letter)) return static_cast<int>(i);
  return -1;
}

void DriveSelectorModel::set_letter(char letter) {
  const char lower = to_lower_ascii(letter);
  if (selected_ >= 0 && lower == letter_) return;
  letter_ = lower;
  if (lower == 0) {
    selected_ = -1;
  } else if (const int found = index_of(lower); found >= 0) {
    selected_ = found;
  }
  if (on_redraw) on_redraw();
  raise_change();
}

void DriveSelectorModel::pick(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= entries_.size()) return;
  selected_ = index;
  letter_ = to_lower_ascii(entries_[static_cast<std::size_t>(index)].letter);
  if (on_redraw) on_redraw();
  raise_change();
}

void DriveSelectorModel::raise_change() {
  if (on_change) on_change();
}

}  // namespace kivo
