#include "music/swap_journal.h"

#include <gtest/gtest.h>

namespace kivo {
namespace {

TEST(SwapJournal, EveryStateRoundTripsAndForeignTextIsRejected) {
  for (const JournalState state : {JournalState{ChangeKind::first_installation, 1, ChangePhase::install},
                                   JournalState{ChangeKind::swap, 2, ChangePhase::rename},
                                   JournalState{ChangeKind::swap, 1, ChangePhase::marker}})
    EXPECT_EQ(parse_journal_text(journal_text(state)), state);
  for (const char* bad : {"", "swap", "swap 2", "swap 3 save", "first 1 save", "swap 2 install",
                          "swap 2 save x", "move 1 save"})
    EXPECT_FALSE(parse_journal_text(bad)) << bad;
}

}  // namespace
}  // namespace kivo
