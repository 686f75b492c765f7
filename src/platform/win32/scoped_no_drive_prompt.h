#pragma once
// While alive, the calling thread gets an error code instead of the system's
// "there is no disk in the drive" box when it touches an empty removable drive.

#include <windows.h>

namespace kivo {

class ScopedNoDrivePrompt {
 public:
  ScopedNoDrivePrompt() noexcept {
    changed_ = ::SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &previous_) != FALSE;
  }
  ScopedNoDrivePrompt(const ScopedNoDrivePrompt&) = delete;
  ScopedNoDrivePrompt& operator=(const ScopedNoDrivePrompt&) = delete;
  ~ScopedNoDrivePrompt() {
    if (changed_) ::SetThreadErrorMode(previous_, nullptr);
  }

 private:
  DWORD previous_ = 0;
  bool changed_ = false;
};

}  // namespace kivo
