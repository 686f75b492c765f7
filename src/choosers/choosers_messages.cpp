#include "choosers/choosers_messages.h"

namespace kivo {

std::string missing_folder_message(const std::string& path) {
  return "フォルダ " + path + " が見つかりません。";
}

}  // namespace kivo
