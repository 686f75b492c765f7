// Path parts of anything the user may type or a record may hold: each part is
// a piece of the path it came from, and creating the folder walks up at most
// once per name and, for a usable folder text, ends with that folder there.
#include "core/folder_text_check.h"
#include "fake_file_system.h"
#include "fuzz_check.h"
#include "platform/file_ops.h"
#include "platform/path_parts.h"

FUZZ_HARNESS(path) {
  const std::string drive = drive_part(path);
  FUZZ_CHECK(path.starts_with(drive));
  FUZZ_CHECK(drive_letter(path) == (drive.empty() ? '\0' : drive[0]));
  FUZZ_CHECK(path.starts_with(folder_part(path)));
  FUZZ_CHECK(path.starts_with(folder_with_separator(path)));
  const std::string up_to = up_to_last_backslash(path);
  FUZZ_CHECK(path.starts_with(up_to));
  FUZZ_CHECK(up_to.empty() || up_to.back() == '\\');
  const std::string flat = flattened_name(path);
  FUZZ_CHECK(flat.size() <= path.size() && path.compare(path.size() - flat.size(), flat.size(), flat) == 0);
  // Text from the system is valid UTF-8 and never counts more units than bytes;
  // a cut-off four-byte character at the end counts its two units.
  FUZZ_CHECK(utf16_length(path) <= path.size() + 1);
  FUZZ_CHECK(equals_ignoring_case(path, path));

  // Every folder made lies on the way down to the typed one: one per name at most.
  fake::FakeFileSystem fs;
  fs.add_drive('D');
  fs.add_unc_share("\\\\srv\\share");
  const Status made = create_directories(fs, path);
  std::size_t names = 1;
  for (const char c : path) names += c == '\\' ? 1 : 0;
  FUZZ_CHECK(static_cast<std::size_t>(fs.calls(fake::FsOp::create_directory)) <= names);
  // Folders reach the creation only after the folder text check ("/" is one
  // of the characters it refuses, and Windows reads it as a separator too).
  // What it lets through on a drive that is there is created.
  if (check_folder_text(path) != FolderTextProblem::none) return;
  if (equals_ignoring_case(drive, "C:") || equals_ignoring_case(drive, "D:") ||
      equals_ignoring_case(drive, "\\\\srv\\share"))
    FUZZ_CHECK(made.ok());
  if (made.ok()) FUZZ_CHECK(fs.is_directory(path));
}
