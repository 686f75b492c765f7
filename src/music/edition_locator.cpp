#include "music/edition_locator.h"

#include "core/profile_accessor.h"
#include "core/user_error.h"
#include "music/music_folders.h"
#include "music/music_messages.h"
#include "platform/path_parts.h"

namespace kivo {

namespace {

// Only a target with a drive letter or a UNC share gives a folder that can be
// trusted; anything else would make every later path relative to whatever the
// current directory happens to be.
bool is_absolute_windows_path(const std::string& path) {
  if (path.size() >= 3 && path[1] == ':' && path[2] == '\\') {
    const char letter = to_lower_ascii(path[0]);
    return letter >= 'a' && letter <= 'z';
  }
  return path.size() > 2 && path[0] == '\\' && path[1] == '\\' && drive_part(path).size() > 2;
}

}  // namespace

std::int32_t read_marker(FileSystem& fs, ProfileStore& profiles, const std::string& marker_file) {
  if (!fs.is_file(marker_file)) return 0;
  ProfileAccessor accessor(profiles, marker_file);
  return accessor.read_integer(std::string(kMarkerSection), std::string(kMarkerKey), 0);
}

std::optional<EditionLocation> locate_edition(Registry& registry, FileSystem& fs, Shell& shell,
                                              ProfileStore& profiles, Prompts& prompts) {
  const RegistryText programs = registry.read_current_user_text(kShellFoldersKey, "Programs");
  if (programs.kind == RegistryText::Kind::wrong_type) throw UserError(kProgramsWrongTypeText);
  const std::string shortcut = programs.text + kEditionShortcut;
  // Without a Programs folder the path would start at the root of whatever
  // drive is current; that is no Start menu.
  if (programs.text.empty() || !fs.is_file(shortcut)) {
    prompts.information(kEditionNotDetectedText);
    return std::nullopt;
  }

  std::string target;
  switch (shell.read_link_target(shortcut, target)) {
    case LinkReadResult::ok:
      break;
    case LinkReadResult::no_link_object:
      target.clear();
      break;
    case LinkReadResult::load_failed:
      prompts.plain(kShortcutNotLoadedText);
      target.clear();
      break;
    case LinkReadResult::get_failed:
      prompts.plain(kShortcutPathNotReadText);
      target.clear();
      break;
  }
  const std::string folder = folder_with_separator(target);
  if (!is_absolute_windows_path(target) || folder.size() < 3) {
    prompts.information(kEditionNotDetectedText);
    return std::nullopt;
  }

  EditionLocation found;
  found.edition_folder = folder;
  found.marker = read_marker(fs, profiles, folder + std::string(kMarkerEntry));
  return found;
}

}  // namespace kivo
