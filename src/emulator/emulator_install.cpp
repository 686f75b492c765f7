#include "emulator/emulator_install.h"

#include "core/user_error.h"
#include "emulator/emulator_messages.h"
#include "emulator/settings_record.h"
#include "file_tables.h"
#include "platform/path_parts.h"

namespace kivo {

namespace {

constexpr const char* kShortcutName = "\\winx68k.lnk";

// Without a desktop folder or a shell link object there is simply no shortcut:
// the installation itself is complete, so nothing is reported.
void offer_shortcut(const std::string& program_path, const Services& services) {
  if (!services.prompts.confirm(kDesktopShortcutQuestion)) return;
  std::string desktop;
  if (services.shell.desktop_folder(desktop).failed() || desktop.empty()) return;
  const std::string link_path = desktop + kShortcutName;
  // A shortcut path must fit MAX_PATH with its terminator.
  if (utf16_length(link_path) > kLongestSystemPath) return;
  services.shell.create_link(link_path, emulator_shortcut(program_path));
}

}  // namespace

std::string emulator_source_base(std::string_view program_path) {
  return up_to_last_backslash(program_path) + "tools";
}

std::string emulator_program_path(const std::string& emulator_folder) {
  return emulator_folder + flattened_name(emulator_file_list().front());
}

ShellLinkSpec emulator_shortcut(const std::string& program_path) {
  return ShellLinkSpec{program_path, up_to_last_backslash(program_path), program_path, 0};
}

void run_emulator_install(const std::string& emulator_folder, const Services& services, CopyRunView& view,
                          const std::function<void()>& show_finish_texts) {
  const CopyRunRequest request{emulator_file_list(),
                               emulator_source_base(services.environment.program_path()), emulator_folder,
                               flattened_name};
  if (run_file_copy(request, services.files, services.prompts, view) != CopyRunOutcome::finished) return;
  show_finish_texts();
  if (!settings_file_path(services.environment)) throw UserError(kNoWindowsFolderForRecord);
  write_emulator_record(services.profiles, emulator_folder);
  offer_shortcut(emulator_program_path(emulator_folder), services);
}

}  // namespace kivo
