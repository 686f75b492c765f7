#include "game/game_messages.h"

#include "platform/file_ops.h"

namespace kivo {

std::string no_drive_in_folder_message(const std::string& folder) {
  return "エミュレータのフォルダがドライブ名で始まっていないため、起動ディスクを設定できません:" + folder;
}

std::string image_cannot_open_message(const std::string& path) {
  return "ファイル " + path + " は開けません";
}

std::string image_cannot_write_message(FileSystem& fs, const std::string& path, std::uint32_t code) {
  return "ファイル " + path + " にドライブ名を書き込めません:" + trimmed_error_text(fs, code);
}

std::string image_too_short_message(const std::string& path) {
  return "ファイル " + path + " は起動ディスクのイメージとしては小さすぎるため、ドライブ名を書き込めません";
}

}  // namespace kivo
