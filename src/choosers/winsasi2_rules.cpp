#include "choosers/winsasi2_rules.h"

namespace kivo {

Winsasi2Rules::Winsasi2Rules(const FolderBrowserControls& controls, const ChooserServices& services,
                             char& drive)
    : FolderBrowserRules(controls, services), drive_(drive) {
  selector_.on_change = [this] { DriveComboBox1Change(); };
  list_.on_change = [this] { DirectoryListBox1Change(); };
}

void Winsasi2Rules::FormShow() {
  const std::string start = services_.environment.program_path();
  last_good_drive_ = 'c';
  show_start(start, start_drive(start));
}

void Winsasi2Rules::DriveComboBox1Change() {
  const char d = selector_.letter();
  DriveFallback::Step step(fallback_, d);
  if (!root_exists(d, false)) {
    fallback_.fall_back({last_good_drive_, selector_.shown_letter(), program_drive()});
    return;
  }
  accept_drive(d);
}

void Winsasi2Rules::DirectoryListBox1Change() { copy_list_folder_to_field(); }

void Winsasi2Rules::Edit1KeyDown(int key) {
  if (key == kEnterKey) answer();
}

void Winsasi2Rules::Button1Click() {
  answer();
  services_.close();
}

void Winsasi2Rules::Button2Click() {
  answer();
  services_.close();
}

void Winsasi2Rules::answer() { drive_ = first_character(edit_.text()); }

}  // namespace kivo
