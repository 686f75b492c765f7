#pragma once
// What the choosers tell the user themselves; the rest of their texts are
// their windows' captions and labels.

#include <string>

namespace kivo {

// "フォルダ C:\Winx68k が見つかりません。"
std::string missing_folder_message(const std::string& path);

}  // namespace kivo
