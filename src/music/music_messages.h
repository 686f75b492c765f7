#pragma once
// What the user is told when a change of the music bonus does not end as
// asked, or when an unfinished change from before is completed. Every text
// names which folder holds which set of files.

#include <cstdint>
#include <string>
#include <vector>

#include "music/music_change.h"
#include "platform/file_system.h"

namespace kivo {

// The step that failed, its file and the reason, one per line.
std::string failure_text(FileSystem& fs, const StepFailure& failure);

// The message for a change that did not end as done.
std::string change_report_text(FileSystem& fs, ChangeKind kind, std::int32_t target,
                               const ChangeReport& report);

// What each button says when the marker shows there is nothing to do.
inline constexpr const char* kAlreadyFmText = "すでにFM音源版に差し替えられています。";
inline constexpr const char* kNotReplacedText = "FM音源版に置き換えられていません。";

// After an unfinished change from an earlier run was completed.
std::string completed_text(ChangeKind kind, std::int32_t target);
// After an unfinished change from an earlier run was cleared away.
inline constexpr const char* kUndoneBeforeText =
    "前回中断されたファイルの入れ替えを取り消しました。ファイルは入れ替え前の状態に戻っています。";

// Says which folder "the Kivo folder" of `text` is.
std::string with_edition_folder(const std::string& text, const std::string& edition);
// A path of the change would not fit the system's limit.
std::string path_too_long_text(const std::string& longest);
// The edition has no music folder: it is not the edition's folder.
std::string no_music_folder_text(const std::string& music);
// backup2\ is there without a record of a change.
std::string leftover_temporary_text(const std::string& temporary);
inline constexpr const char* kTemporaryReturnedText =
    "前回名前を変更できなかったbackup2フォルダを、backupフォルダに戻しました。";
// The record of an unfinished change cannot be read.
std::string unreadable_journal_text(const std::string& journal);
// The record of a change that only made backups cannot be removed.
std::string backups_only_record_text(const std::string& failure);
inline constexpr const char* kFmInUseWithoutOriginalsText =
    "Kivoのフォルダでは、すでにFM音源版のファイルが使われています。\nbackupフォルダに元のファイルが"
    "ないため、ファイルは何も変更していません。";
// backup\ holds the FM set and the originals are in use: the marker was lost.
std::string marker_lost_question(const std::string& marker);
// Files in use with nothing saved under their names would leave the edition.
std::string unsaved_files_question(const std::vector<std::string>& unsaved);

// The edition's Start-menu shortcut and where it points.
inline constexpr const char* kEditionNotDetectedText = "Kivoをこのマシン上に検出できませんでした。";
inline constexpr const char* kProgramsWrongTypeText = "'Programs' のデータ型が不正です";
inline constexpr const char* kShortcutNotLoadedText = "ショートカットがLoadできません";
inline constexpr const char* kShortcutPathNotReadText = "パスのGetに失敗しました";

// The steps that put backup2\ back as backup\, one text each.
inline constexpr const char* kBackup2MusicRemovalFailedText = "backup2のmp3フォルダ削除に失敗";
inline constexpr const char* kBackup2MovieRemovalFailedText = "backup2のmovieフォルダ削除に失敗";
inline constexpr const char* kBackup2RemovalFailedText = "backup2フォルダ削除に失敗";
inline constexpr const char* kBackup2RenameFailedText = "backup2→backupフォルダリネームに失敗";

}  // namespace kivo
