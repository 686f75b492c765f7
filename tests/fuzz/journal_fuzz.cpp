// The journal line left in the edition folder: whatever it holds, reading it
// either gives a state this program writes or nothing, and a state read back
// is written as the same line.
#include "fuzz_check.h"
#include "music/swap_journal.h"

FUZZ_HARNESS(text) {
  const auto state = parse_journal_text(text);
  if (!state) return;
  FUZZ_CHECK(state->target_marker == 1 || state->target_marker == 2);
  const std::string written = journal_text(*state);
  FUZZ_CHECK(parse_journal_text(written) == state);
}
