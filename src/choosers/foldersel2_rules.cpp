#include "choosers/foldersel2_rules.h"

#include "platform/path_parts.h"

namespace kivo {

Foldersel2Rules::Foldersel2Rules(const FolderBrowserControls& controls, const ChooserServices& services,
                                 std::string& folder)
    : FolderBrowserRules(controls, services), folder_(folder) {
  selector_.on_change = [this] { dcbOnChange(); };
  list_.on_change = [this] { dlbOnChange(); };
}

void Foldersel2Rules::OnShow() {
  SavedFolder = folder_;
  const std::string start = folder_;
  const char drive = start_drive(start);
  if (drive != 0) last_good_drive_ = drive;
  show_start(start, drive);
}

void Foldersel2Rules::dcbOnChange() {
  const char d = selector_.letter();
  DriveFallback::Step step(fallback_, d);
  if (!root_exists(d, false)) {
    fallback_.fall_back({last_good_drive_, selector_.shown_letter(), program_drive()});
    return;
  }
  if (!root_exists(d, true)) {
    fallback_.fall_back(
        {first_character(SavedFolder), last_good_drive_, selector_.shown_letter(), program_drive()});
    return;
  }
  accept_drive(d);
}

void Foldersel2Rules::dlbOnChange() { copy_list_folder_to_field(); }

void Foldersel2Rules::Edit1KeyDown(int key) {
  if (key == kEnterKey) Button1Click();
}

void Foldersel2Rules::Button1Click() {
  folder_ = edit_.text();
  services_.close();
}

void Foldersel2Rules::Button2Click() {
  folder_ = SavedFolder;
  services_.close();
}

}  // namespace kivo
