#pragma once
// What the shared core tells the user: the copy run's question, refusals and
// failures, the progress window's warning and the record's write failure.
// The composed texts put in the folder or file, the sizes, or the system's
// own text for the failure.

#include <cstdint>
#include <string>

#include "platform/file_system.h"

namespace kivo {

inline constexpr const char* kCreateFolderQuestion =
    "指定されたフォルダは存在しません。作成してよろしいですか？";
inline constexpr const char* kCreateFolderFailed = "なんらかの理由でディレクトリの作成に失敗しました";
// The destination text is empty and the user agreed to create it.
inline constexpr const char* kEmptyFolderRefused = "ディレクトリを作成できません";
// The cancel button pressed before the run has finished.
inline constexpr const char* kInstallationInterrupted = "インストールを中断します。";

// A destination that is not an absolute path or uses a reserved name.
std::string unusable_folder_message(const std::string& folder);

// "パスが長すぎるためインストールできません（255文字まで）:" and the path, for a
// source or destination that cannot be built without cutting it short.
std::string path_too_long_message(const std::string& path);

// The destination's drive lacks room for what is still to be copied.
std::string no_room_message(const std::string& folder, std::uint64_t needed, std::uint64_t free);

// The copy of one file failed with the system's error `code`.
std::string copy_failed_message(FileSystem& fs, const std::string& source, const std::string& destination,
                                std::uint32_t code);

// A settings file the profile functions could not write.
std::string cannot_write_message(const std::string& file);

// Bytes as the user reads them: "1,234.5 MB", tenths rounded up or down.
std::string megabytes_text(std::uint64_t bytes, bool round_up);

}  // namespace kivo
