#pragma once
// What the game's installation tells the user beyond the shared copy run:
// about the emulator's drive its boot disk needs, and the boot disk image
// that cannot be written. The composed texts put in the folder or file and
// the system's own text for the failure.

#include <cstdint>
#include <string>

#include "platform/file_system.h"

namespace kivo {

inline constexpr const char* kAskForDriveAgain =
    "ドライブ名を取得できませんでした。\n"
    "ドライブ名（A～Z）で始まるパスを選択して下さい。\n"
    "もう一度選択しますか？";
inline constexpr const char* kNoDriveChosen =
    "ドライブが選択されなかったため、起動ディスクにドライブ名を書き込めませんでした。\n"
    "インストールは完了していません。";
// Said before the record is read when the system names no Windows folder.
inline constexpr const char* kNoWindowsFolderForBootDisk =
    "Windowsフォルダが見つからないため、設定ファイル kivo68i.ini を読めませんでした。\n"
    "ゲームのファイルはコピーされていますが、起動ディスクは設定されていません。\n"
    "Windowsを再起動してから、もう一度ゲームをインストールして下さい。";

// The emulator's recorded folder does not start with a drive letter.
std::string no_drive_in_folder_message(const std::string& folder);

// The boot disk image at `path`: it cannot be opened, the system's error
// `code` stopped the letter's writing, or it is too short to hold the letter.
std::string image_cannot_open_message(const std::string& path);
std::string image_cannot_write_message(FileSystem& fs, const std::string& path, std::uint32_t code);
std::string image_too_short_message(const std::string& path);

}  // namespace kivo
