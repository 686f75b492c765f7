// The files of the Windows edition that the music bonus exchanges: the
// playlist first, then the 17 music tracks, then the two movies. The CD's
// "sashikae" folder holds an FM-sound file under each of these names.
#include <array>

#include "file_tables.h"

namespace kivo {

std::span<const std::string_view> replacement_list() {
  static constexpr std::array<std::string_view, 20> kEntries = {
      "mp3\\kivorana.m3u",   "mp3\\kv01_title.mp3",    "mp3\\kv02_prologue.mp3", "mp3\\kv03_field.mp3",
      "mp3\\kv04_town.mp3",  "mp3\\kv05_forest.mp3",   "mp3\\kv06_cave.mp3",     "mp3\\kv07_battle.mp3",
      "mp3\\kv08_boss.mp3",  "mp3\\kv09_victory.mp3",  "mp3\\kv10_sorrow.mp3",   "mp3\\kv11_castle.mp3",
      "mp3\\kv12_sky.mp3",   "mp3\\kv13_ruins.mp3",    "mp3\\kv14_last.mp3",     "mp3\\kv15_ending.mp3",
      "mp3\\kv16_staff.mp3", "mp3\\kv17_gameover.mp3", "movie\\kvopen.avi",      "movie\\kvend.avi",
  };
  return kEntries;
}

}  // namespace kivo
