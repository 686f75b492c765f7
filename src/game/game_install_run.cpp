#include "game/game_install_run.h"

#include "file_tables.h"
#include "platform/path_parts.h"

namespace kivo {

std::string game_source_base(Environment& environment) {
  return folder_with_separator(environment.program_path()) + "kivo";
}

GameRunOutcome run_game_install(BootDiskSetup setup, const std::string& game_folder, CopyRunView& view) {
  setup.source_base = game_source_base(setup.services.environment);
  const CopyRunRequest files{game_file_table(), setup.source_base, game_folder, entry_unchanged};
  if (run_file_copy(files, setup.services.files, setup.services.prompts, view) == CopyRunOutcome::stopped)
    return GameRunOutcome::stopped;
  set_up_boot_disk(setup);
  return GameRunOutcome::finished;
}

}  // namespace kivo
