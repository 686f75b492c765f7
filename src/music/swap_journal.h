#pragma once
// The record of an unfinished change to the edition folder, kept in
// "backup.jnl" beside backup\. It is written, flushed and moved into place
// before each phase begins, so after a crash the next operation knows exactly
// which files may be half changed and can finish (or, before anything in the
// edition folder changed, undo) the work. Its one line reads "<op> <marker> <phase>":
//
//   first 1 backup    saving the originals into backup\; the edition folder is untouched
//   first 1 install   copying the FM versions over originals whose backup is verified
//   swap v save       copying the set in use into backup2\; edition and backup\ untouched
//   swap v restore    copying backup\ over the edition folder; backup2\ complete and verified
//   swap v clear      deleting backup\'s files; the edition folder holds that set, verified
//   swap v rename     removing backup\'s folders and renaming backup2\ to backup\ at the end
//   <op> v marker     every file is in place; only marker v remains to be written
//
// The file is removed once the marker is written.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/file_system.h"
#include "platform/profile_store.h"

namespace kivo {

enum class ChangeKind { first_installation, swap };
enum class ChangePhase { backup, install, save, restore, clear, rename, marker };

struct JournalState {
  ChangeKind kind = ChangeKind::swap;
  std::int32_t target_marker = 0;
  ChangePhase phase = ChangePhase::save;
  friend bool operator==(const JournalState&, const JournalState&) = default;
};

std::string journal_text(const JournalState& state);
std::optional<JournalState> parse_journal_text(const std::string& text);

class SwapJournal {
 public:
  SwapJournal(FileSystem& fs, ProfileStore& profiles, std::string path)
      : fs_(fs), profiles_(profiles), path_(std::move(path)) {}

  const std::string& path() const { return path_; }
  bool exists() { return fs_.is_file(path_); }
  // Empty when the file is missing or does not hold a state this program writes.
  std::optional<JournalState> read();
  // Writes the new state beside the journal, flushes it and moves it over the
  // old one, so the journal always holds either the old or the new state.
  Status write(const JournalState& state);
  Status remove();

 private:
  FileSystem& fs_;
  ProfileStore& profiles_;
  std::string path_;
};

}  // namespace kivo
