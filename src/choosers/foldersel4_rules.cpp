#include "choosers/foldersel4_rules.h"

#include "choosers/folder_browser_rules.h"
#include "platform/path_parts.h"

namespace kivo {

std::string on_drive(const std::string& folder, char letter) {
  std::string moved =
      folder.size() >= 2 && folder[1] == ':' && is_ascii_letter(folder[0]) ? folder : "?:\\KIVO";
  moved[0] = letter;
  return moved;
}

Foldersel4Rules::Foldersel4Rules(DriveSelectorModel& DriveComboBox1, const ChooserServices& services,
                                 std::string& folder)
    : selector_(DriveComboBox1), services_(services), folder_(folder), fallback_(DriveComboBox1) {
  selector_.on_change = [this] { DriveComboBox1Change(); };
}

Foldersel4Rules::~Foldersel4Rules() { selector_.on_change = nullptr; }

void Foldersel4Rules::FormShow() {
  CancelFolder = folder_;
  WorkFolder = folder_;
  const char program = drive_letter(services_.environment.program_path());
  const char drive = fallback_.first_usable({drive_letter(WorkFolder), selector_.shown_letter(), program});
  if (drive != 0) selector_.set_letter(drive);
}

void Foldersel4Rules::DriveComboBox1Change() {
  const char c = selector_.letter();
  DriveFallback::Step step(fallback_, c);
  if (!is_ascii_letter(c) || !services_.files.is_directory(std::string(1, c) + ":\\.")) {
    const char program = drive_letter(services_.environment.program_path());
    fallback_.fall_back({first_character(WorkFolder), selector_.shown_letter(), program});
    return;
  }
  WorkFolder = on_drive(WorkFolder, c);
}

void Foldersel4Rules::Button1Click() {
  folder_ = WorkFolder;
  services_.close();
}

void Foldersel4Rules::Button2Click() {
  folder_ = CancelFolder;
  services_.close();
}

}  // namespace kivo
