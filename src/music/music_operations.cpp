#include "music/music_operations.h"

#include <optional>
#include <vector>

#include "core/profile_accessor.h"
#include "file_tables.h"
#include "music/edition_locator.h"
#include "music/music_change.h"
#include "music/music_messages.h"
#include "platform/path_parts.h"

namespace kivo {

namespace {

enum class Button { install, restore };

// Everything one operation works with, bound once the edition is found.
class Operation {
 public:
  Operation(Services& services, MusicProgressView& progress, const std::string& edition_folder)
      : services_(services),
        progress_(progress),
        folders_(make_music_folders(edition_folder, services.environment.program_path())),
        journal_(services.files, services.profiles, folders_.journal),
        marker_(services.profiles, folders_.marker),
        steps_(services.files, folders_, progress, services.prompts),
        change_(steps_, journal_, marker_) {}

  void run(Button button);

 private:
  bool paths_fit(bool reads_cd);
  // True when the operation may go on to act on the marker.
  bool settle_unfinished_change();
  bool settle_leftover_temporary();
  void first_installation();
  void swap(std::int32_t target);
  void tell(ChangeKind kind, std::int32_t target, const ChangeReport& report);

  Services& services_;
  MusicProgressView& progress_;
  MusicFolders folders_;
  SwapJournal journal_;
  ProfileAccessor marker_;
  ExchangeSteps steps_;
  MusicChange change_;
};

bool Operation::paths_fit(bool reads_cd) {
  const std::string longest = longest_music_path(folders_, reads_cd);
  if (path_fits(longest)) return true;
  services_.prompts.error(path_too_long_text(longest));
  return false;
}

void Operation::tell(ChangeKind kind, std::int32_t target, const ChangeReport& report) {
  if (report.end == ChangeEnd::done) return;
  // Every text speaks of "the Kivo folder"; say once which folder that is.
  const std::string text =
      with_edition_folder(change_report_text(services_.files, kind, target, report), folders_.edition);
  if (report.end == ChangeEnd::rename_blocked)
    services_.prompts.warning(text);
  else
    services_.prompts.error(text);
}

bool Operation::settle_leftover_temporary() {
  FileSystem& fs = services_.files;
  const std::string temporary = without_trailing_backslash(folders_.temporary);
  const std::string backup = without_trailing_backslash(folders_.backup);
  if (!fs.is_directory(temporary)) return true;
  // No record of a change, yet backup2\ is there: a rename that failed in an
  // earlier version of the bonus. Its files are the only copy of one set, so
  // they are never overwritten; where backup\ is gone the rename is finished.
  if (!fs.is_directory(backup)) {
    if (const Status moved = fs.move(temporary, backup, MoveMode::fail_if_exists); moved.ok()) {
      services_.prompts.information(kTemporaryReturnedText);
      return false;
    }
  }
  services_.prompts.error(leftover_temporary_text(folders_.temporary));
  return false;
}

bool Operation::settle_unfinished_change() {
  if (!journal_.exists()) return settle_leftover_temporary();
  const std::optional<JournalState> state = journal_.read();
  if (!state) {
    services_.prompts.error(unreadable_journal_text(journal_.path()));
    return false;
  }
  ChangeReport report;
  if (state->kind == ChangeKind::first_installation && state->phase == ChangePhase::install &&
      !paths_fit(true))
    return false;
  if (state->kind == ChangeKind::first_installation && state->phase == ChangePhase::backup) {
    // Only backups were being made: the edition folder is as it was.
    steps_.remove_interrupted_copies();
    const Status removed = journal_.remove();
    if (removed.ok()) return true;
    services_.prompts.error(backups_only_record_text(
        failure_text(services_.files, StepFailure{StepAction::record, journal_.path(), removed.code})));
    return false;
  }
  {
    ProgressShown shown(progress_);
    steps_.remove_interrupted_copies();
    if (state->kind == ChangeKind::first_installation)
      report = change_.first_installation(state->phase);
    else if (state->phase == ChangePhase::save)
      report = change_.undo_save();
    else
      report = change_.swap(state->target_marker, state->phase);
  }
  if (report.end == ChangeEnd::undone && state->phase == ChangePhase::save) {
    services_.prompts.information(kUndoneBeforeText);
    return true;
  }
  if (report.end == ChangeEnd::done) {
    services_.prompts.information(completed_text(state->kind, state->target_marker));
    return false;
  }
  tell(state->kind, state->target_marker, report);
  return false;
}

void Operation::first_installation() {
  // The music folder belongs to the edition; without it the shortcut points at
  // some other folder, and nothing may be backed up or replaced there.
  const std::string music = folders_.edition + "mp3";
  if (!services_.files.is_directory(music)) {
    services_.prompts.error(no_music_folder_text(music));
    return;
  }
  if (!paths_fit(true)) return;
  // Without a marker, the FM versions saved in backup\ beside files that are
  // not the FM versions are what a restore leaves: offer the swap, never
  // decide it silently.
  ExchangeSteps::Survey survey;
  if (!steps_.fm_source_complete() || !steps_.survey_against_cd(survey)) {
    tell(ChangeKind::first_installation, 1,
         ChangeReport{ChangeEnd::not_started, ChangePhase::backup, steps_.failure()});
    return;
  }
  const int entries = static_cast<int>(replacement_list().size());
  if (survey.in_use_other == 0 && survey.in_use_fm > 0 && survey.saved_other == 0) {
    services_.prompts.information(kFmInUseWithoutOriginalsText);
    return;
  }
  if (survey.saved_fm == entries && survey.in_use_fm == 0 && survey.in_use_other > 0) {
    if (services_.prompts.confirm(marker_lost_question(folders_.marker))) swap(1);
    return;
  }
  ChangeReport report;
  {
    ProgressShown shown(progress_);
    report = change_.first_installation();
  }
  tell(ChangeKind::first_installation, 1, report);
}

void Operation::swap(std::int32_t target) {
  if (!services_.files.is_directory(without_trailing_backslash(folders_.backup))) {
    ChangeReport refused{ChangeEnd::not_started, ChangePhase::save,
                         StepFailure{StepAction::copy, folders_.backup, music_error::no_backup_folder}};
    tell(ChangeKind::swap, target, refused);
    return;
  }
  // A file in use with nothing under its name in backup\ would leave the
  // edition folder: say so first.
  if (const std::vector<std::string> unsaved = steps_.in_use_without_saved(); !unsaved.empty()) {
    if (!services_.prompts.confirm(unsaved_files_question(unsaved))) return;
  }
  ChangeReport report;
  {
    ProgressShown shown(progress_);
    report = change_.swap(target);
  }
  tell(ChangeKind::swap, target, report);
}

void Operation::run(Button button) {
  if (!paths_fit(false) || !settle_unfinished_change()) return;
  const std::int32_t marker = read_marker(services_.files, services_.profiles, folders_.marker);
  if (button == Button::install) {
    if (marker == 0)
      first_installation();
    else if (marker == 1)
      services_.prompts.information(kAlreadyFmText);
    else
      swap(1);
  } else {
    if (marker == 1)
      swap(2);
    else
      services_.prompts.information(kNotReplacedText);
  }
}

void run_operation(Services& services, MusicProgressView& progress, Button button) {
  const std::optional<EditionLocation> found =
      locate_edition(services.registry, services.files, services.shell, services.profiles, services.prompts);
  if (!found) return;
  Operation operation(services, progress, found->edition_folder);
  operation.run(button);
}

}  // namespace

void install_fm_versions(Services& services, MusicProgressView& progress) {
  run_operation(services, progress, Button::install);
}

void restore_originals(Services& services, MusicProgressView& progress) {
  run_operation(services, progress, Button::restore);
}

}  // namespace kivo
