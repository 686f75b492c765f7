#pragma once
// The folders the music bonus works in, all ending in a backslash, and the
// two small files it keeps beside them.

#include <string>
#include <string_view>

namespace kivo {

struct MusicFolders {
  std::string edition;    // where the Windows edition is installed: the files in use
  std::string backup;     // edition + "backup\": the set not in use
  std::string temporary;  // edition + "backup2\": exists only while the sets are exchanged
  std::string fm_source;  // program folder + "sashikae\": the FM versions on the CD
  std::string marker;     // edition + "mp3\kivomus.ini"
  std::string journal;    // edition + "backup.jnl": the progress record of an unfinished change
};

MusicFolders make_music_folders(std::string_view edition_folder, std::string_view program_path);

// The longest path any step builds, so that it can be refused before anything
// is changed rather than half way. Only a first installation reads the CD.
std::string longest_music_path(const MusicFolders& folders, bool reads_cd);

inline constexpr std::string_view kMarkerEntry = "mp3\\kivomus.ini";
inline constexpr std::string_view kMarkerSection = "KIVO";
inline constexpr std::string_view kMarkerKey = "KIVOMUS";

}  // namespace kivo
