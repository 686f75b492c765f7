#pragma once
// The two operations of the bonus window: install the FM versions and restore
// the originals. Each finds the edition, first completes or clears away any
// change an earlier run left unfinished, and then acts on the marker.

#include "core/services.h"
#include "music/music_progress_view.h"

namespace kivo {

// Button1Click of the bonus window; PROGRESS is shown while files move.
void install_fm_versions(Services& services, MusicProgressView& progress);
// Button2Click of the bonus window.
void restore_originals(Services& services, MusicProgressView& progress);

}  // namespace kivo
