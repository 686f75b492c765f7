#include "app/manual.h"

#include "platform/path_parts.h"

namespace kivo {

std::string manual_path(const std::string& program_path) {
  return folder_with_separator(program_path) + kManualName;
}

void open_manual(FileSystem& files, Shell& shell, Environment& environment) {
  const std::string path = manual_path(environment.program_path());
  if (!files.is_file(path)) return;
  shell.open_document(path);
}

}  // namespace kivo
