#pragma once
// The two changes the music bonus makes to the edition folder, run phase by
// phase with the journal written before each phase, so that they can be
// started fresh or resumed from the phase an interrupted run reached.

#include <cstdint>

#include "core/profile_accessor.h"
#include "music/exchange_steps.h"
#include "music/swap_journal.h"

namespace kivo {

enum class ChangeEnd {
  done,            // every file in place, marker written, journal removed
  not_started,     // refused before anything changed
  undone,          // failed before the edition folder changed; what was begun is cleared away
  stopped,         // failed part way; both sets are complete on disk and the journal says where
  rename_blocked,  // the sets are exchanged but backup2\ could not become backup\ by its rename
};

struct ChangeReport {
  ChangeEnd end = ChangeEnd::done;
  ChangePhase phase = ChangePhase::save;  // the phase that failed
  StepFailure failure;
};

class MusicChange {
 public:
  MusicChange(ExchangeSteps& steps, SwapJournal& journal, ProfileAccessor& marker)
      : steps_(steps), journal_(journal), marker_(marker) {}

  // Backs up the originals and installs the FM versions; marker 1.
  ChangeReport first_installation(ChangePhase from = ChangePhase::backup);
  // Exchanges the set in use with the set in backup\; marker `target`.
  ChangeReport swap(std::int32_t target, ChangePhase from = ChangePhase::save);
  // Clears away an exchange that failed or was cut off while saving the files in use.
  ChangeReport undo_save();

 private:
  bool enter(ChangeKind kind, std::int32_t target, ChangePhase phase, ChangeReport& report);
  ChangeReport finish(ChangeKind kind, std::int32_t target);
  ChangeReport failed(ChangeEnd end, ChangePhase phase);

  ExchangeSteps& steps_;
  SwapJournal& journal_;
  ProfileAccessor& marker_;
};

}  // namespace kivo
