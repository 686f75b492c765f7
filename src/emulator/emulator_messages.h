#pragma once
// What the emulator's installation tells the user beyond the shared copy
// run: the shortcut question and the record it cannot write.

namespace kivo {

inline constexpr const char* kDesktopShortcutQuestion = "デスクトップにショートカットを作成しますか？";

// Said before the record is touched when the system names no Windows folder.
inline constexpr const char* kNoWindowsFolderForRecord =
    "Windowsフォルダが見つからないため、設定ファイル kivo68i.ini を書き込めませんでした。\n"
    "エミュレータのファイルはコピーされています。\n"
    "Windowsを再起動してから、もう一度エミュレータをインストールして下さい。";

}  // namespace kivo
