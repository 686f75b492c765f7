#include "choosers/drive_selector_model.h"

#include <gtest/gtest.h>

namespace kivo {
namespace {

std::vector<DriveEntry> three_drives() {
  return {DriveEntry{'c', "c:", DriveKind::fixed, -1}, DriveEntry{'d', "d:", DriveKind::fixed, -1},
          DriveEntry{'q', "q:", DriveKind::cd_rom, -1}};
}

struct Counting {
  explicit Counting(DriveSelectorModel& model) {
    model.on_change = [this] { ++changes; };
  }
  int changes = 0;
};

TEST(DriveSelectorModel, HoldsLowerCaseAndRaisesOnlyForAnotherLetter) {
  DriveSelectorModel selector(three_drives(), 'Q');
  Counting count(selector);
  EXPECT_EQ(selector.letter(), 'q');
  EXPECT_EQ(selector.selected_index(), 2);

  selector.set_letter('Q');  // the held letter, other case: nothing
  EXPECT_EQ(count.changes, 0);
  selector.set_letter('C');
  EXPECT_EQ(selector.letter(), 'c');
  EXPECT_EQ(selector.selected_index(), 0);
  EXPECT_EQ(count.changes, 1);
}

TEST(DriveSelectorModel, LetterWithoutEntryIsHeldAndKeepsTheShownEntry) {
  DriveSelectorModel selector(three_drives(), 'd');
  Counting count(selector);
  selector.set_letter('Z');
  EXPECT_EQ(selector.letter(), 'z');
  EXPECT_EQ(selector.shown_letter(), 'd');
  EXPECT_EQ(count.changes, 1);
  selector.set_letter('z');  // an entry is shown and the letter is held: nothing
  EXPECT_EQ(count.changes, 1);
}

TEST(DriveSelectorModel, ZeroClearsTheEntryAndRaisesEveryTime) {
  // This is why a fallback to 0 would never end without a guard.
  DriveSelectorModel selector(three_drives(), 'c');
  Counting count(selector);
  selector.set_letter('\0');
  EXPECT_EQ(selector.selected_index(), -1);
  selector.set_letter('\0');
  EXPECT_EQ(count.changes, 2);
}

TEST(DriveSelectorModel, PickingRaisesEvenForTheSameEntryAndIgnoresBadIndexes) {
  DriveSelectorModel selector(three_drives(), 'c');
  Counting count(selector);
  selector.pick(1);
  selector.pick(1);
  selector.pick(7);
  selector.pick(-1);
  EXPECT_EQ(selector.letter(), 'd');
  EXPECT_EQ(count.changes, 2);
}

TEST(DriveSelectorModel, NewDriveListKeepsTheShownDriveWhereItStillExists) {
  DriveSelectorModel selector(three_drives(), 'q');
  selector.replace_entries({DriveEntry{'a', "a:", DriveKind::removable, -1}, DriveEntry{'q', "q:", {}, -1}});
  EXPECT_EQ(selector.selected_index(), 1);
  selector.replace_entries({DriveEntry{'c', "c:", DriveKind::fixed, -1}});
  EXPECT_EQ(selector.selected_index(), -1);
  EXPECT_EQ(selector.letter(), 'q');
}

TEST(DriveSelectorModel, DrivesListedAtTheFirstShowingStartAsIfListedAtOnce) {
  for (const char start : {'Q', 'x', '\0'}) {
    DriveSelectorModel listed_at_once(three_drives(), start);
    DriveSelectorModel listed_later(start);
    Counting count(listed_later);
    EXPECT_EQ(listed_later.letter(), listed_at_once.letter());
    listed_later.replace_entries(three_drives());
    EXPECT_EQ(listed_later.selected_index(), listed_at_once.selected_index()) << start;
    EXPECT_EQ(count.changes, 0);
    listed_later.replace_entries({DriveEntry{'c', "c:", DriveKind::fixed, -1}});
    listed_at_once.replace_entries({DriveEntry{'c', "c:", DriveKind::fixed, -1}});
    EXPECT_EQ(listed_later.selected_index(), listed_at_once.selected_index()) << start;
  }
}

}  // namespace
}  // namespace kivo
