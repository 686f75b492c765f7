#pragma once
// The file work of the music bonus, one loop over the replacement list per
// phase. Every step checks what it did before the next one relies on it: a
// file in the edition folder is overwritten or deleted only when a verified
// copy of it exists elsewhere, and a saved file is deleted only when its copy
// back into the edition folder is verified. Each loop can be run again after
// an interruption and skips what is already done. A loop stops at the first
// failure and records it.

#include <cstdint>
#include <string>
#include <vector>

#include "music/music_folders.h"
#include "music/music_progress_view.h"
#include "platform/file_system.h"
#include "platform/prompts.h"

namespace kivo {

// Codes of the program's own for checks that are not system calls; bit 29
// marks a code as application-defined, so no system code can collide.
namespace music_error {
inline constexpr std::uint32_t contents_differ = 0x20000001;  // a copy is not identical to its source
inline constexpr std::uint32_t not_saved = 0x20000002;        // no verified copy, so the file was left alone
inline constexpr std::uint32_t source_missing = 0x20000003;   // an FM version is missing on the CD
inline constexpr std::uint32_t no_backup_folder = 0x20000004;
inline constexpr std::uint32_t backup_differs = 0x20000005;     // a file in backup\ is not the one in use
inline constexpr std::uint32_t temporary_missing = 0x20000006;  // backup2\ went away in the middle of a swap
inline constexpr std::uint32_t marker_unwritable = 0x20000007;
}  // namespace music_error

enum class StepAction {
  create_folder,
  back_up,
  copy,
  verify,
  delete_file,
  remove_folder,
  rename_folder,
  record
};

struct StepFailure {
  StepAction action = StepAction::copy;
  std::string path;
  std::uint32_t code = 0;
};

class ExchangeSteps {
 public:
  ExchangeSteps(FileSystem& fs, const MusicFolders& folders, MusicProgressView& progress, Prompts& prompts)
      : fs_(fs), folders_(folders), progress_(progress), prompts_(prompts) {}

  const StepFailure& failure() const { return failure_; }
  Status flush(const std::string& path) { return fs_.flush_file(path); }
  bool fail(StepAction action, const std::string& path, std::uint32_t code);

  // First installation.
  bool fm_source_complete();
  // A file already in backup\ counts as the saved original only when it is
  // identical to the file in use; any other is named as the failure.
  bool backups_match_in_use();
  // How many files in use and in backup\ are, or are not, the CD's FM versions.
  struct Survey {
    int in_use_fm = 0;
    int in_use_other = 0;
    int saved_fm = 0;
    int saved_other = 0;
  };
  // False, with the failure recorded, when a file cannot be compared.
  bool survey_against_cd(Survey& survey);
  bool back_up_originals();    // into backup\, keeping any backup already there
  bool install_fm_versions();  // over originals whose backup exists

  // Swap.
  // Files in use that have no counterpart in backup\: a swap moves them to
  // backup\ and leaves the edition without them.
  std::vector<std::string> in_use_without_saved();
  // Before a swap resumes past saving: backup2\ must still hold what was saved.
  bool temporary_present(bool rename_may_be_done);
  bool save_files_in_use();  // edition -> backup2\ (a missing file is saved as missing)
  bool bring_back_saved();   // backup\ -> edition
  bool delete_saved();       // backup\ files now verified in the edition folder
  // Removes backup\'s folders and renames backup2\ to backup\, telling the
  // user of each folder step that fails. True when the rename succeeded.
  bool move_temporary_to_backup();
  // Removes the temporary files an interrupted copy can leave beside its
  // destination; their name is the program's own. Failures are left for the
  // folder steps to report.
  void remove_interrupted_copies();
  // Undoes save_files_in_use: removes backup2\ and the copies in it.
  bool discard_temporary();

 private:
  bool identical(const std::string& a, const std::string& b, bool& same, StepAction action);
  // Whether a file is already the FM version (it then needs no saving and is
  // not replaced); false, with the failure recorded, when it cannot be compared.
  bool check_fm_version(std::string_view entry, const std::string& path, bool& fm);
  bool verified_copy(const std::string& from, const std::string& to, bool keep_existing, StepAction action);
  bool delete_our_file(const std::string& path);
  bool remove_folder_if_present(const std::string& folder);
  // The mp3\ and movie\ folders below `base`, made where missing.
  bool make_media_folders(const std::string& base);

  FileSystem& fs_;
  const MusicFolders& folders_;
  MusicProgressView& progress_;
  Prompts& prompts_;
  StepFailure failure_;
};

}  // namespace kivo
