#include "core/core_messages.h"

#include "platform/file_ops.h"
#include "platform/path_parts.h"

namespace kivo {

std::string unusable_folder_message(const std::string& folder) {
  return "インストール先のフォルダ名は使用できません:" + folder;
}

std::string path_too_long_message(const std::string& path) {
  return "パスが長すぎるためインストールできません（" + std::to_string(kMaxPathLength) + "文字まで）:" + path;
}

std::string no_room_message(const std::string& folder, std::uint64_t needed, std::uint64_t free) {
  return "インストール先（" + folder + "）のドライブの空き容量が足りません。\n必要な容量：" +
         megabytes_text(needed, true) + "\n空き容量：" + megabytes_text(free, false) +
         "\n不要なファイルを削除して空き容量を増やすか、別のドライブを選んでください。";
}

std::string copy_failed_message(FileSystem& fs, const std::string& source, const std::string& destination,
                                std::uint32_t code) {
  return "コピーに失敗しました:" + source + "," + destination + "," + trimmed_error_text(fs, code);
}

std::string cannot_write_message(const std::string& file) { return file + " に書き込めません"; }

constexpr std::uint64_t kMegabyte = 1024 * 1024;

// Needed space is rounded up and free space down, so that a run refused for
// want of room never reads as fitting.
std::string megabytes_text(std::uint64_t bytes, bool round_up) {
  std::uint64_t whole = bytes / kMegabyte;
  const std::uint64_t scaled = bytes % kMegabyte * 10;
  std::uint64_t tenths = scaled / kMegabyte;
  if (round_up && scaled % kMegabyte != 0 && ++tenths == 10) {
    ++whole;
    tenths = 0;
  }
  const std::string digits = std::to_string(whole);
  std::string grouped;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ',';
    grouped += digits[i];
  }
  return grouped + "." + std::to_string(tenths) + " MB";
}

}  // namespace kivo
