// Placeholder until the full table of 410 entries lands.
#include <array>

#include "file_tables.h"

namespace kivo {

std::span<const std::string_view> game_file_table() {
  static constexpr std::array<std::string_view, 4> kEntries = {
      "\\AUTOEXEC.BAT", "\\KIVO.X", "\\DATA\\MAP01.DAT", "\\DATA\\MAP02.DAT"};
  return kEntries;
}

}  // namespace kivo
