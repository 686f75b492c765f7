#include "music/music_folders.h"

#include "file_tables.h"
#include "platform/file_ops.h"
#include "platform/path_parts.h"

namespace kivo {

MusicFolders make_music_folders(std::string_view edition_folder, std::string_view program_path) {
  MusicFolders folders;
  folders.edition = std::string(edition_folder);
  folders.backup = folders.edition + "backup\\";
  folders.temporary = folders.edition + "backup2\\";
  folders.fm_source = folder_with_separator(program_path) + "sashikae\\";
  folders.marker = folders.edition + std::string(kMarkerEntry);
  folders.journal = folders.edition + "backup.jnl";
  return folders;
}

std::string longest_music_path(const MusicFolders& folders, bool reads_cd) {
  std::string longest;
  for (const std::string_view entry : replacement_list()) {
    for (const std::string* folder : {&folders.temporary, &folders.fm_source}) {
      if (folder == &folders.fm_source && !reads_cd) continue;
      const std::string path = *folder + std::string(entry);
      // Every copy goes through a temporary name beside its destination first.
      for (std::string candidate : {path, temporary_name_for(path)})
        if (utf16_length(candidate) > utf16_length(longest)) longest = std::move(candidate);
    }
  }
  return longest;
}

}  // namespace kivo
