#include "choosers/drive_selector_model.h"

#include <gtest/gtest.h>

namespace kivo {
namespace {

std::vector<DriveEntry> three_drives() {
  return {DriveEntry{'c', "c:", DriveKind::fixed, -1}, DriveEntry{'d', "d:", DriveKind::fixed, -1},
          DriveEntry{'q', "q:", DriveKind::cd_rom, -1}};
}

TEST(DriveSelectorModel, SetLetterRaisesOnlyForAnotherLetterPickingAlways) {
  DriveSelectorModel selector(three_drives(), 'Q');
  int changes = 0;
  selector.on_change = [&] { ++changes; };
  EXPECT_EQ(selector.selected_index(), 2);
  selector.set_letter('Q');  // the held letter, other case: nothing
  EXPECT_EQ(changes, 0);
  selector.set_letter('C');
  EXPECT_EQ(selector.letter(), 'c');
  EXPECT_EQ(selector.selected_index(), 0);
  EXPECT_EQ(changes, 1);

  selector.set_letter('Z');  // a letter without entry is held and keeps the shown entry
  selector.set_letter('z');
  EXPECT_EQ(selector.letter(), 'z');
  EXPECT_EQ(selector.shown_letter(), 'c');
  EXPECT_EQ(changes, 2);

  selector.set_letter('\0');  // 0 clears the entry and raises every time: a fallback to 0 needs a guard
  selector.set_letter('\0');
  EXPECT_EQ(selector.selected_index(), -1);
  EXPECT_EQ(changes, 4);

  selector.pick(0);  // picking raises even for the same entry and ignores bad indexes
  selector.pick(1);
  selector.pick(1);
  selector.pick(3);
  selector.pick(-1);
  EXPECT_EQ(selector.letter(), 'd');
  EXPECT_EQ(changes, 7);
}

}  // namespace
}  // namespace kivo
