#include "music/music_change.h"

#include "core/user_error.h"
#include "music/music_folders.h"

namespace kivo {

ChangeReport MusicChange::failed(ChangeEnd end, ChangePhase phase) {
  return ChangeReport{end, phase, steps_.failure()};
}

bool MusicChange::enter(ChangeKind kind, std::int32_t target, ChangePhase phase, ChangeReport& report) {
  if (const Status written = journal_.write(JournalState{kind, target, phase}); written.failed()) {
    steps_.fail(StepAction::record, journal_.path(), written.code);
    report = failed(ChangeEnd::stopped, phase);
    return false;
  }
  return true;
}

ChangeReport MusicChange::finish(ChangeKind kind, std::int32_t target) {
  ChangeReport report;
  if (!enter(kind, target, ChangePhase::marker, report)) return report;
  try {
    marker_.write_integer(std::string(kMarkerSection), std::string(kMarkerKey), target);
  } catch (const UserError&) {
    steps_.fail(StepAction::record, marker_.file(), music_error::marker_unwritable);
    return failed(ChangeEnd::stopped, ChangePhase::marker);
  }
  // The marker must be on the disk before the journal that could rewrite it goes.
  if (const Status flushed = steps_.flush(marker_.file()); flushed.failed()) {
    steps_.fail(StepAction::record, marker_.file(), flushed.code);
    return failed(ChangeEnd::stopped, ChangePhase::marker);
  }
  if (const Status removed = journal_.remove(); removed.failed()) {
    steps_.fail(StepAction::record, journal_.path(), removed.code);
    return failed(ChangeEnd::stopped, ChangePhase::marker);
  }
  return ChangeReport{};
}

ChangeReport MusicChange::first_installation(ChangePhase from) {
  ChangeReport report;
  if (from <= ChangePhase::install && !steps_.fm_source_complete())
    return failed(from <= ChangePhase::backup ? ChangeEnd::not_started : ChangeEnd::stopped, from);
  if (from <= ChangePhase::backup) {
    if (!steps_.backups_match_in_use()) return failed(ChangeEnd::not_started, from);
    if (!enter(ChangeKind::first_installation, 1, ChangePhase::backup, report)) {
      report.end = ChangeEnd::not_started;
      return report;
    }
    if (!steps_.back_up_originals()) {
      // Nothing in the edition folder has changed; the backups made so far
      // stay and count as saved next time.
      report = failed(ChangeEnd::undone, ChangePhase::backup);
      if (journal_.remove().failed()) report.end = ChangeEnd::stopped;
      return report;
    }
  }
  if (from <= ChangePhase::install) {
    if (!enter(ChangeKind::first_installation, 1, ChangePhase::install, report)) {
      // The journal still says backup: nothing in the edition folder has changed.
      if (from <= ChangePhase::backup && journal_.remove().ok()) report.end = ChangeEnd::undone;
      return report;
    }
    if (!steps_.install_fm_versions()) return failed(ChangeEnd::stopped, ChangePhase::install);
  }
  return finish(ChangeKind::first_installation, 1);
}

ChangeReport MusicChange::undo_save() {
  steps_.remove_interrupted_copies();
  if (!steps_.discard_temporary()) return failed(ChangeEnd::stopped, ChangePhase::save);
  if (const Status removed = journal_.remove(); removed.failed()) {
    steps_.fail(StepAction::record, journal_.path(), removed.code);
    return failed(ChangeEnd::stopped, ChangePhase::save);
  }
  return ChangeReport{ChangeEnd::undone, ChangePhase::save, steps_.failure()};
}

ChangeReport MusicChange::swap(std::int32_t target, ChangePhase from) {
  ChangeReport report;
  if (from > ChangePhase::save && from < ChangePhase::marker &&
      !steps_.temporary_present(from == ChangePhase::rename))
    return failed(ChangeEnd::stopped, from);
  if (from <= ChangePhase::save) {
    if (!enter(ChangeKind::swap, target, ChangePhase::save, report)) {
      report.end = ChangeEnd::not_started;
      return report;
    }
    if (!steps_.save_files_in_use()) {
      const StepFailure cause = steps_.failure();
      ChangeReport undone = undo_save();
      undone.failure = cause;
      return undone;
    }
  }
  if (from <= ChangePhase::restore) {
    if (!enter(ChangeKind::swap, target, ChangePhase::restore, report)) {
      // Resumed here, the journal still says restore: files may be half exchanged.
      if (from > ChangePhase::save) return report;
      // The journal still says save: nothing but backup2\ has changed yet.
      const StepFailure cause = report.failure;
      ChangeReport undone = undo_save();
      undone.failure = cause;
      return undone;
    }
    if (!steps_.bring_back_saved()) return failed(ChangeEnd::stopped, ChangePhase::restore);
  }
  if (from <= ChangePhase::clear) {
    if (!enter(ChangeKind::swap, target, ChangePhase::clear, report)) return report;
    if (!steps_.delete_saved()) return failed(ChangeEnd::stopped, ChangePhase::clear);
  }
  if (from <= ChangePhase::rename) {
    if (!enter(ChangeKind::swap, target, ChangePhase::rename, report)) return report;
    if (!steps_.move_temporary_to_backup()) return failed(ChangeEnd::rename_blocked, ChangePhase::rename);
  }
  return finish(ChangeKind::swap, target);
}

}  // namespace kivo
