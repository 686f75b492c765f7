#pragma once
// The platform services of the running program, each on the Windows API, and
// the Services that hand them to the windows.

#include "core/services.h"
#include "platform/win32/win32_drives.h"
#include "platform/win32/win32_environment.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_profile_store.h"
#include "platform/win32/win32_prompts.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_shell.h"

namespace kivo {

struct SystemServices {
  Win32FileSystem files;
  Win32ProfileStore profiles;
  Win32Registry registry;
  Win32Shell shell;
  Win32Prompts prompts;
  Win32Environment environment;
  Win32Drives drives;
  Services services{files, profiles, registry, shell, prompts, environment, drives};
};

}  // namespace kivo
