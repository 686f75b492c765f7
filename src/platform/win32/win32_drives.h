#pragma once
// The machine's drives through GetLogicalDrives and the shell's display names
// and icons. Nothing here changes the process's current directory.

#include "platform/drives.h"

namespace kivo {

class Win32Drives : public Drives {
 public:
  std::vector<DriveEntry> list() override;
  std::string current_folder(char letter) override;
  std::string process_current_folder() override;
};

// The label the selector shows: "c: [ローカル ディスク]" from the shell's
// "ローカル ディスク (C:)", or "c:" when the shell names nothing else.
std::string drive_label(char letter, const std::string& display_name);

}  // namespace kivo
