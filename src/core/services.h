#pragma once
// The platform services every window of the program reaches, each behind its
// interface; the program's start-up makes the Windows ones, the tests fakes.

#include "platform/drives.h"
#include "platform/environment.h"
#include "platform/file_system.h"
#include "platform/profile_store.h"
#include "platform/prompts.h"
#include "platform/registry.h"
#include "platform/shell.h"

namespace kivo {

struct Services {
  FileSystem& files;
  ProfileStore& profiles;
  Registry& registry;
  Shell& shell;
  Prompts& prompts;
  Environment& environment;
  Drives& drives;
};

}  // namespace kivo
