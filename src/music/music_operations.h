#pragma once
// The two operations of the bonus window: install the FM versions and restore
// the originals. Each finds the edition, first completes or clears away any
// change an earlier run left unfinished, and then acts on the marker.

#include "music/music_progress_view.h"
#include "platform/environment.h"
#include "platform/file_system.h"
#include "platform/profile_store.h"
#include "platform/prompts.h"
#include "platform/registry.h"
#include "platform/shell.h"

namespace kivo {

struct MusicServices {
  FileSystem& fs;
  ProfileStore& profiles;
  Registry& registry;
  Shell& shell;
  Environment& environment;
  Prompts& prompts;
  MusicProgressView& progress;
};

inline constexpr const char* kAlreadyFmText = "すでにFM音源版に差し替えられています。";
inline constexpr const char* kNotReplacedText = "FM音源版に置き換えられていません。";

// Button1Click of the bonus window.
void install_fm_versions(MusicServices& services);
// Button2Click of the bonus window.
void restore_originals(MusicServices& services);

}  // namespace kivo
