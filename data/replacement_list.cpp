// Placeholder until the full list of 20 entries lands.
#include <array>

#include "file_tables.h"

namespace kivo {

std::span<const std::string_view> replacement_list() {
  static constexpr std::array<std::string_view, 3> kEntries = {"mp3\\kivo.m3u", "mp3\\track01.mp3",
                                                               "movie\\opening.avi"};
  return kEntries;
}

}  // namespace kivo
