#pragma once
// A Windows edition installed on the fake file system with its original music,
// found through its Start-menu shortcut, with the FM versions on a CD in drive Q:.

#include <algorithm>
#include <string>

#include "fake_services.h"
#include "file_tables.h"
#include "music/edition_locator.h"
#include "music/music_messages.h"
#include "music/music_operations.h"

namespace kivo::music_test {

inline constexpr const char* kPrograms = "C:\\Users\\kivo\\Start Menu\\Programs";
inline constexpr const char* kEdition = "C:\\Games\\KivoWin\\";
inline constexpr const char* kBackup = "C:\\Games\\KivoWin\\backup\\";
inline constexpr const char* kTemporary = "C:\\Games\\KivoWin\\backup2\\";
inline constexpr const char* kFmSource = "Q:\\sashikae\\";
inline constexpr const char* kMarkerFile = "C:\\Games\\KivoWin\\mp3\\kivomus.ini";
inline constexpr const char* kJournal = "C:\\Games\\KivoWin\\backup.jnl";

inline std::string at(const std::string& folder, std::string_view entry) {
  return folder + std::string(entry);
}
// The nth entry of the replacement list in a folder.
inline std::string nth(const std::string& folder, std::size_t n) { return at(folder, replacement_list()[n]); }
inline std::string original_of(std::string_view entry) {
  return "ORIGINAL " + std::string(entry) + std::string(entry.size() * 3, 'o');
}
inline std::string fm_of(std::string_view entry) {
  return "FM " + std::string(entry) + std::string(entry.size(), 'f');
}

enum class Set { originals, fm, none };

class SilentProgress : public MusicProgressView {
 public:
  void begin() override {}
  void step(const std::string&) override {}
  void end() override {}
};

class MusicScene : public fake::FakeServices {
 public:
  SilentProgress progress;

  void install() { install_fm_versions(services, progress); }
  void restore() { restore_originals(services, progress); }

  MusicScene() {
    fs.add_drive('Q');
    registry.set_text(kShellFoldersKey, "Programs", kPrograms);
    point_shortcut_at(std::string(kEdition) + "Kivo.exe");
    fs.add_file(std::string(kEdition) + "Kivo.exe", "EXE");
    put(kEdition, Set::originals);
    for (const std::string_view entry : replacement_list())
      fs.add_file(at(kFmSource, entry), fm_of(entry), file_attribute::read_only);
  }

  // The given set in a folder ("none" puts nothing there).
  void put(const std::string& folder, Set set) {
    fs.add_directory(folder + "mp3");
    fs.add_directory(folder + "movie");
    for (const std::string_view entry : replacement_list())
      if (set != Set::none)
        fs.add_file(at(folder, entry), set == Set::fm ? fm_of(entry) : original_of(entry));
  }
  void point_shortcut_at(const std::string& target) {
    shell.links.clear();
    ShellLinkSpec link;
    link.target = target;
    shell.create_link(std::string(kPrograms) + kEditionShortcut, link);
  }
  void remove(const std::string& path) {
    fs.set_attributes(path, file_attribute::normal);
    fs.delete_file(path);
  }
  void set_marker(int value) { profiles.write_string(kMarkerFile, "KIVO", "KIVOMUS", std::to_string(value)); }
  int marker() { return read_marker(fs, profiles, kMarkerFile); }

  // Which set a folder holds completely, or none when it is incomplete or mixed.
  Set holds(const std::string& folder) const {
    const auto all = [&](auto content_of) {
      return std::ranges::all_of(replacement_list(), [&](std::string_view entry) {
        return fs.read(at(folder, entry)) == content_of(entry);
      });
    };
    return all(original_of) ? Set::originals : all(fm_of) ? Set::fm : Set::none;
  }

  // The state after a finished operation: one set in use, the other saved,
  // no backup2\, no journal, the marker saying so.
  bool settled(Set in_use, Set saved, int marker_value) {
    return holds(kEdition) == in_use && holds(kBackup) == saved && !fs.exists(kTemporary) &&
           !fs.exists(kJournal) && marker() == marker_value;
  }
};

}  // namespace kivo::music_test
