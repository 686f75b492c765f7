#pragma once
// The copy run that the emulator and the game installation share: make sure
// the destination folder exists (asking before creating it), then copy every
// entry of a file list that is not there yet, showing each destination path
// as it goes. The progress window only hosts it, through CopyRunView.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

// The run's texts: a caller that refuses a path before the run says it alike.
#include "core/core_messages.h"
#include "platform/file_system.h"
#include "platform/prompts.h"

namespace kivo {

// What the run needs of its progress window.
class CopyRunView {
 public:
  virtual ~CopyRunView() = default;
  // The window's texts as they stand before the first file; the window is invalidated.
  virtual void show_opening_texts() = 0;
  // The bar runs from 0 to `maximum`, starts at 0 and is drawn smoothly.
  virtual void set_bar_range(int maximum) = 0;
  virtual void set_bar_position(int position) = 0;
  // Shows the destination path of the file in hand: on screen within a
  // twentieth of a second, and before any box of the run. Lets the system see
  // that the program is alive, but handles no input: the window's button is
  // serviced only after the run has returned.
  virtual void show_path(const std::string& path) = 0;
  // Makes the progress window close as soon as the run has returned.
  virtual void request_close() = 0;
};

struct CopyRunRequest {
  std::span<const std::string_view> entries;  // each begins with a backslash
  std::string source_base;                    // source of an entry = source_base + entry
  std::string destination_base;               // as the user chose it, used unchanged
  // destination of an entry = destination_base + destination_suffix(entry)
  std::function<std::string(std::string_view)> destination_suffix;
};

// Destination suffix for a list whose folder tree is mirrored at the destination.
inline std::string entry_unchanged(std::string_view entry) { return std::string(entry); }

enum class CopyRunOutcome {
  finished,  // every entry is in place
  stopped    // the user was told why (or refused the folder); the window has been asked to close
};

// Before anything is made, a run whose new files would not fit in the free
// space of the destination's volume is refused with both figures.
// Files already at their destination are left untouched; a new copy never
// shows under its final name until it is complete, and has its read-only
// attribute cleared. Throws UserError "ディレクトリを作成できません" when the
// destination text is empty and the user agrees to create it (the window then
// stays open, not finished).
CopyRunOutcome run_file_copy(const CopyRunRequest& request, FileSystem& fs, Prompts& prompts,
                             CopyRunView& view);

}  // namespace kivo
