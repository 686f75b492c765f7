#pragma once
// The machine's drives as the drive selector and the folder list see them.
// Strings are UTF-8; drive letters are handed out in lower case.

#include <string>
#include <vector>

namespace kivo {

enum class DriveKind { unknown, removable, fixed, network, cd_rom, ram_disk };

struct DriveEntry {
  char letter = 0;    // 'a'..'z'
  std::string label;  // what the user reads in the selector: "c: [ローカル ディスク]"
  DriveKind kind = DriveKind::unknown;
  int icon_index = -1;  // index into the system's small icon list, -1 when unknown
};

class Drives {
 public:
  virtual ~Drives() = default;
  // One entry per drive letter in use, in letter order. Never waits for a
  // medium and never makes the system prompt for one.
  virtual std::vector<DriveEntry> list() = 0;
  // The folder the drive was last on for this process ("d:\games"), or its
  // root ("d:\") when the system keeps none. Reading it changes nothing.
  virtual std::string current_folder(char letter) = 0;
  // The process's current directory at the time of the call.
  virtual std::string process_current_folder() = 0;
};

}  // namespace kivo
