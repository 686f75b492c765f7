#pragma once
// What the drive selector holds and when it announces a change, apart from how
// it is drawn. The letter is kept in lower case; a letter that no entry has is
// held all the same, which is why the callers guard their fallbacks.

#include <functional>
#include <vector>

#include "platform/drives.h"

namespace kivo {

class DriveSelectorModel {
 public:
  // Starts on `initial_letter` (usually the drive of the process's current
  // directory), or on nothing when it is 0.
  DriveSelectorModel(std::vector<DriveEntry> entries, char initial_letter);
  // The same, with the drives listed only by the first replace_entries, which
  // then shows the entry of the held letter as the constructor above would
  // have: listing the drives is slow, and nobody sees them before a showing.
  explicit DriveSelectorModel(char initial_letter);

  const std::vector<DriveEntry>& entries() const { return entries_; }
  // Re-reads the drives, keeping the held letter and, when its drive is still
  // there, the shown entry. Raises no change.
  void replace_entries(std::vector<DriveEntry> entries);

  char letter() const { return letter_; }
  int selected_index() const { return selected_; }  // -1 when no entry is shown
  // The letter of the shown entry, or 0.
  char shown_letter() const;
  bool has_entry(char letter) const { return index_of(letter) >= 0; }

  // Raises the change unless an entry is shown and `letter` equals the held one
  // (letter case ignored). A letter without an entry is held and leaves the
  // shown entry as it is; 0 clears the shown entry.
  void set_letter(char letter);
  // The user chose an entry: its letter is taken and the change is raised.
  void pick(int index);

  std::function<void()> on_change;  // the selector's change event
  std::function<void()> on_redraw;  // the shown entry or the list changed

 private:
  int index_of(char letter) const;
  void raise_change();

  std::vector<DriveEntry> entries_;
  bool listed_ = true;
  char letter_ = 0;
  int selected_ = -1;
};

}  // namespace kivo
