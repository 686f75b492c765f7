#include "music/swap_journal.h"

#include <gtest/gtest.h>

#include "fake_file_system.h"
#include "fake_profile_store.h"

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

TEST(SwapJournal, AFailedWriteLeavesTheStateBeforeIt) {
  fake::FakeFileSystem fs;
  fake::FakeProfileStore profiles(fs);
  fs.add_directory("C:\\Kivo");
  SwapJournal journal(fs, profiles, "C:\\Kivo\\backup.jnl");
  const JournalState saving{ChangeKind::swap, 2, ChangePhase::save};
  ASSERT_TRUE(journal.write(saving).ok());
  fs.fail(fake::FsOp::move, win_error::disk_full);
  EXPECT_TRUE(journal.write(JournalState{ChangeKind::swap, 2, ChangePhase::restore}).failed());
  EXPECT_EQ(journal.read(), saving);
  fs.fail(fake::FsOp::flush_file, win_error::write_fault);
  EXPECT_TRUE(journal.write(JournalState{ChangeKind::swap, 2, ChangePhase::restore}).failed());
  EXPECT_EQ(journal.read(), saving);
  ASSERT_TRUE(journal.remove().ok());
  EXPECT_FALSE(journal.exists());
}

}  // namespace
}  // namespace kivo
