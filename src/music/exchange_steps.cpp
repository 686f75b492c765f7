#include "music/exchange_steps.h"

#include "file_tables.h"
#include "music/music_messages.h"
#include "platform/file_ops.h"
#include "platform/path_parts.h"

namespace kivo {

bool ExchangeSteps::fail(StepAction action, const std::string& path, std::uint32_t code) {
  failure_ = StepFailure{action, path, code};
  return false;
}

bool ExchangeSteps::identical(const std::string& a, const std::string& b, bool& same, StepAction action) {
  same = false;
  if (const Status compared = fs_.same_contents(a, b, same); compared.failed())
    return fail(action, a, compared.code);
  return true;
}

bool ExchangeSteps::verified_copy(const std::string& from, const std::string& to, bool keep_existing,
                                  StepAction action) {
  const Status copied = copy_into_place(fs_, from, to, keep_existing ? Overwrite::never : Overwrite::replace);
  if (copied.failed()) return fail(action, to, copied.code);
  bool same = false;
  if (!identical(from, to, same, StepAction::verify)) return false;
  if (!same) return fail(StepAction::verify, to, music_error::contents_differ);
  return true;
}

bool ExchangeSteps::delete_our_file(const std::string& path) {
  if (const Status cleared = clear_read_only(fs_, path); cleared.failed())
    return fail(StepAction::delete_file, path, cleared.code);
  if (const Status deleted = fs_.delete_file(path); deleted.failed())
    return fail(StepAction::delete_file, path, deleted.code);
  return true;
}

bool ExchangeSteps::remove_folder_if_present(const std::string& folder) {
  const std::string path = without_trailing_backslash(folder);
  if (!fs_.is_directory(path)) return true;
  if (const Status removed = fs_.remove_directory(path); removed.failed())
    return fail(StepAction::remove_folder, path, removed.code);
  return true;
}

bool ExchangeSteps::make_media_folders(const std::string& base) {
  for (const char* sub : {"mp3\\", "movie\\"}) {
    const std::string folder = base + sub;
    if (const Status made = create_directories(fs_, folder); made.failed())
      return fail(StepAction::create_folder, folder, made.code);
  }
  return true;
}

bool ExchangeSteps::fm_source_complete() {
  for (const std::string_view entry : replacement_list()) {
    const std::string source = folders_.fm_source + std::string(entry);
    if (!fs_.is_file(source)) return fail(StepAction::copy, source, music_error::source_missing);
  }
  return true;
}

bool ExchangeSteps::backups_match_in_use() {
  for (const std::string_view entry : replacement_list()) {
    const std::string original = folders_.edition + std::string(entry);
    const std::string saved = folders_.backup + std::string(entry);
    if (!fs_.is_file(saved) || !fs_.is_file(original)) continue;
    bool same = false;
    if (!identical(original, saved, same, StepAction::verify)) return false;
    bool fm = false;
    if (!same && !check_fm_version(entry, original, fm)) return false;
    if (!same && !fm) return fail(StepAction::back_up, saved, music_error::backup_differs);
  }
  return true;
}

bool ExchangeSteps::check_fm_version(std::string_view entry, const std::string& path, bool& fm) {
  fm = false;
  return !fs_.is_file(path) ||
         identical(path, folders_.fm_source + std::string(entry), fm, StepAction::verify);
}

bool ExchangeSteps::survey_against_cd(Survey& survey) {
  for (const std::string_view entry : replacement_list()) {
    for (const bool saved : {false, true}) {
      const std::string path = (saved ? folders_.backup : folders_.edition) + std::string(entry);
      if (!fs_.is_file(path)) continue;
      bool fm = false;
      if (!check_fm_version(entry, path, fm)) return false;
      ++(saved ? (fm ? survey.saved_fm : survey.saved_other) : (fm ? survey.in_use_fm : survey.in_use_other));
    }
  }
  return true;
}

std::vector<std::string> ExchangeSteps::in_use_without_saved() {
  std::vector<std::string> unsaved;
  for (const std::string_view entry : replacement_list())
    if (fs_.is_file(folders_.edition + std::string(entry)) &&
        !fs_.is_file(folders_.backup + std::string(entry)))
      unsaved.push_back(folders_.edition + std::string(entry));
  return unsaved;
}

bool ExchangeSteps::temporary_present(bool rename_may_be_done) {
  if (fs_.is_directory(without_trailing_backslash(folders_.temporary))) return true;
  // Once backup2\ has become backup\, backup\ holds the set saved from the
  // edition; with backup2\ gone and no such file there, that set is gone.
  if (rename_may_be_done)
    for (const std::string_view entry : replacement_list())
      if (fs_.is_file(folders_.backup + std::string(entry))) return true;
  return fail(StepAction::copy, folders_.temporary, music_error::temporary_missing);
}

bool ExchangeSteps::back_up_originals() {
  if (!make_media_folders(folders_.backup)) return false;
  for (const std::string_view entry : replacement_list()) {
    const std::string original = folders_.edition + std::string(entry);
    const std::string saved = folders_.backup + std::string(entry);
    // A file already in backup\ stays; backups_match_in_use has found it
    // identical to the original. A file the edition does not have, or that is
    // the FM version already, needs no saving.
    bool fm = false;
    if (!fs_.is_file(saved) && fs_.is_file(original)) {
      if (!check_fm_version(entry, original, fm)) return false;
      if (!fm && !verified_copy(original, saved, true, StepAction::back_up)) return false;
    }
    progress_.step(original);
  }
  return true;
}

bool ExchangeSteps::install_fm_versions() {
  for (const std::string_view entry : replacement_list()) {
    const std::string target = folders_.edition + std::string(entry);
    const std::string saved = folders_.backup + std::string(entry);
    const std::string source = folders_.fm_source + std::string(entry);
    bool already = false;
    if (fs_.is_file(target)) {
      if (!identical(target, source, already, StepAction::verify)) return false;
      if (!already) {
        bool saved_same = false;
        if (!fs_.is_file(saved)) return fail(StepAction::copy, target, music_error::not_saved);
        if (!identical(target, saved, saved_same, StepAction::verify)) return false;
        if (!saved_same) return fail(StepAction::copy, target, music_error::not_saved);
        // An identical copy is saved, so a read-only original may be replaced.
        if (const Status cleared = clear_read_only(fs_, target); cleared.failed())
          return fail(StepAction::copy, target, cleared.code);
      }
    }
    if (!already && !verified_copy(source, target, false, StepAction::copy)) return false;
    progress_.step(source);
  }
  return true;
}

bool ExchangeSteps::save_files_in_use() {
  if (!make_media_folders(folders_.temporary)) return false;
  for (const std::string_view entry : replacement_list()) {
    const std::string in_use = folders_.edition + std::string(entry);
    const std::string kept = folders_.temporary + std::string(entry);
    if (fs_.is_file(in_use)) {
      if (!verified_copy(in_use, kept, false, StepAction::copy)) return false;
    } else if (fs_.is_file(kept) && !delete_our_file(kept)) {
      // backup2\ holds only copies made by this swap, so a file left from an
      // attempt before may go: the edition has no such file to save now.
      return false;
    }
    progress_.step(in_use);
  }
  return true;
}

bool ExchangeSteps::bring_back_saved() {
  for (const std::string_view entry : replacement_list()) {
    const std::string in_use = folders_.edition + std::string(entry);
    const std::string saved = folders_.backup + std::string(entry);
    const std::string kept = folders_.temporary + std::string(entry);
    const bool have_saved = fs_.is_file(saved);
    bool done = !have_saved && !fs_.is_file(in_use);
    if (!done && have_saved && fs_.is_file(in_use) && !identical(in_use, saved, done, StepAction::verify))
      return false;
    if (!done) {
      if (fs_.is_file(in_use)) {
        // Only a file whose copy in backup2\ is verified may be replaced.
        bool kept_same = false;
        if (!fs_.is_file(kept)) return fail(StepAction::copy, in_use, music_error::not_saved);
        if (!identical(in_use, kept, kept_same, StepAction::verify)) return false;
        if (!kept_same) return fail(StepAction::copy, in_use, music_error::not_saved);
        if (const Status cleared = clear_read_only(fs_, in_use); cleared.failed())
          return fail(StepAction::copy, in_use, cleared.code);
      }
      if (have_saved) {
        if (!verified_copy(saved, in_use, false, StepAction::copy)) return false;
      } else if (const Status deleted = fs_.delete_file(in_use); deleted.failed()) {
        // The saved set has no such file: the one in use goes, its copy is in backup2\.
        return fail(StepAction::delete_file, in_use, deleted.code);
      }
    }
    progress_.step(saved);
  }
  return true;
}

bool ExchangeSteps::delete_saved() {
  for (const std::string_view entry : replacement_list()) {
    const std::string in_use = folders_.edition + std::string(entry);
    const std::string saved = folders_.backup + std::string(entry);
    if (fs_.is_file(saved)) {
      bool same = false;
      if (!fs_.is_file(in_use)) return fail(StepAction::delete_file, saved, music_error::not_saved);
      if (!identical(saved, in_use, same, StepAction::verify)) return false;
      if (!same) return fail(StepAction::delete_file, saved, music_error::not_saved);
      if (!delete_our_file(saved)) return false;
    }
    progress_.step(saved);
  }
  return true;
}

bool ExchangeSteps::move_temporary_to_backup() {
  struct FolderStep {
    std::string folder;
    const char* message;
  };
  const FolderStep removals[] = {
      {folders_.backup + "mp3\\", kBackup2MusicRemovalFailedText},
      {folders_.backup + "movie\\", kBackup2MovieRemovalFailedText},
      {folders_.backup, kBackup2RemovalFailedText},
  };
  // Resuming after the rename itself went through: nothing left to do.
  if (!fs_.is_directory(without_trailing_backslash(folders_.temporary)) &&
      fs_.is_directory(without_trailing_backslash(folders_.backup)))
    return true;
  // Every folder step is tried, whatever the one before it gave, so that the
  // user hears of each folder that is in the way.
  for (const FolderStep& removal : removals)
    if (!remove_folder_if_present(removal.folder)) prompts_.plain(removal.message);
  const std::string from = without_trailing_backslash(folders_.temporary);
  const std::string to = without_trailing_backslash(folders_.backup);
  if (const Status moved = fs_.move(from, to, MoveMode::fail_if_exists); moved.failed()) {
    prompts_.plain(kBackup2RenameFailedText);
    return fail(StepAction::rename_folder, from, moved.code);
  }
  return true;
}

void ExchangeSteps::remove_interrupted_copies() {
  for (const std::string* folder : {&folders_.edition, &folders_.backup, &folders_.temporary}) {
    for (const char* sub : {"mp3\\", "movie\\"}) {
      const std::string leftover = temporary_name_for(*folder + sub + "x");
      if (fs_.is_file(leftover) && clear_read_only(fs_, leftover).ok()) fs_.delete_file(leftover);
    }
  }
}

bool ExchangeSteps::discard_temporary() {
  for (const std::string_view entry : replacement_list()) {
    const std::string kept = folders_.temporary + std::string(entry);
    if (!fs_.is_file(kept)) continue;
    // A copy goes only while the file it was made from is still in use.
    bool same = false;
    const std::string in_use = folders_.edition + std::string(entry);
    if (!fs_.is_file(in_use)) return fail(StepAction::delete_file, kept, music_error::not_saved);
    if (!identical(kept, in_use, same, StepAction::verify)) return false;
    if (!same) return fail(StepAction::delete_file, kept, music_error::not_saved);
    if (!delete_our_file(kept)) return false;
  }
  for (const char* sub : {"mp3\\", "movie\\", ""})
    if (!remove_folder_if_present(folders_.temporary + sub)) return false;
  return true;
}

}  // namespace kivo
