#pragma once
// What the user is told when a change of the music bonus does not end as
// asked, or when an unfinished change from before is completed. Every text
// names which folder holds which set of files.

#include <cstdint>
#include <string>

#include "music/music_change.h"
#include "platform/file_system.h"

namespace kivo {

// The step that failed, its file and the reason, one per line.
std::string failure_text(FileSystem& fs, const StepFailure& failure);

// The message for a change that did not end as done.
std::string change_report_text(FileSystem& fs, ChangeKind kind, std::int32_t target,
                               const ChangeReport& report);

// After an unfinished change from an earlier run was completed.
std::string completed_text(ChangeKind kind, std::int32_t target);
// After an unfinished change from an earlier run was cleared away.
inline constexpr const char* kUndoneBeforeText =
    "前回中断されたファイルの入れ替えを取り消しました。ファイルは入れ替え前の状態に戻っています。";

}  // namespace kivo
