#pragma once
// What the folder list holds: a drive, a current folder on it and the rows the
// user sees (the folders from the root down to the current one, then its
// subfolders). It reads the file system only; the process's current directory
// is never touched, so a later relative look-up (the manual) still finds its file.

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

// set_folder throws missing_folder_message.
#include "choosers/choosers_messages.h"
#include "platform/drives.h"
#include "platform/file_system.h"

namespace kivo {

class FolderListModel {
 public:
  struct Row {
    std::string name;   // "c:\" for the root, otherwise the folder's own name
    std::string path;   // the full path the row opens
    int level = 0;      // 0 for the root; indentation steps
    bool open = false;  // the root, the folders above the current one and the current one
  };

  // Starts on `start_folder` (usually the process's current directory); a
  // start without a drive letter starts on the root of the first drive.
  FolderListModel(FileSystem& fs, Drives& drives, const std::string& start_folder);

  char drive() const { return drive_; }  // lower case
  // Without a trailing backslash, except at a root ("c:\").
  const std::string& folder() const { return folder_; }

  // Another drive: moves to that drive's current folder (its root when the
  // folder is gone) and raises the change. The drive it is on: nothing.
  void set_drive(char letter);
  // Moves to `path` unless it is the folder shown (letter case ignored) and
  // raises the change. A folder that does not exist leaves everything as it
  // was, raises nothing and throws UserError with the message for the user.
  void set_folder(const std::string& path);
  // Opens the folder of a row, as a double-click or Enter on it does.
  void open_row(std::size_t index);
  // Re-reads the subfolders of the current folder; raises no change.
  void refresh();

  const std::vector<Row>& rows() const { return rows_; }
  std::size_t current_row() const { return current_row_; }

  std::function<void()> on_change;  // the list's change event
  std::function<void()> on_redraw;  // the rows changed

 private:
  // Turns a path with a drive letter into "X:\a\b" form: drive-relative parts
  // resolved against the drive's current folder, "." and ".." resolved,
  // repeated and trailing separators dropped. Empty when there is no drive letter.
  std::string absolute_folder(const std::string& path);
  void move_to(const std::string& folder);
  void rebuild_rows();

  FileSystem& fs_;
  Drives& drives_;
  char drive_ = 0;
  std::string folder_;
  std::vector<Row> rows_;
  std::size_t current_row_ = 0;
};

}  // namespace kivo
