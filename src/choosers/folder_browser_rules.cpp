#include "choosers/folder_browser_rules.h"

#include "core/user_error.h"
#include "platform/path_parts.h"

namespace kivo {

char first_character(const std::string& text) { return text.empty() ? '\0' : text[0]; }

FolderBrowserRules::FolderBrowserRules(const FolderBrowserControls& controls, const ChooserServices& services)
    : selector_(controls.DriveComboBox1),
      list_(controls.DirectoryListBox1),
      edit_(controls.Edit1),
      services_(services),
      fallback_(controls.DriveComboBox1) {}

FolderBrowserRules::~FolderBrowserRules() {
  selector_.on_change = nullptr;
  list_.on_change = nullptr;
}

char FolderBrowserRules::program_drive() const { return drive_letter(services_.environment.program_path()); }

char FolderBrowserRules::start_drive(const std::string& start_path) const {
  const char own = drive_letter(start_path);
  const char usable = fallback_.first_usable({own, selector_.shown_letter(), program_drive()});
  return usable != 0 ? usable : to_lower_ascii(own);
}

void FolderBrowserRules::show_start(const std::string& start_path, char drive) {
  edit_.set_text(start_path);
  if (drive != 0) selector_.set_letter(drive);
  const std::string folder = folder_part(start_path);
  // A start without a drive letter names nothing the list could show.
  if (folder.size() < 2 || folder[1] != ':') return;
  try {
    list_.set_folder(folder);
  } catch (const UserError& e) {
    services_.report_error(e.what());
  }
}

bool FolderBrowserRules::root_exists(char letter, bool with_dot) const {
  if (!is_ascii_letter(letter)) return false;
  return services_.files.is_directory(std::string(1, letter) + (with_dot ? ":\\." : ":\\"));
}

void FolderBrowserRules::accept_drive(char letter) {
  list_.set_drive(letter);
  copy_list_folder_to_field();
  last_good_drive_ = letter;
}

void FolderBrowserRules::copy_list_folder_to_field() { edit_.set_text(list_.folder()); }

}  // namespace kivo
