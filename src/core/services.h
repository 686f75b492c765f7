#pragma once
// What every window of the program reaches: the shared values, the platform
// services and the other windows (by their instance names).

#include "app/shared_values.h"
#include "platform/environment.h"
#include "platform/file_system.h"
#include "platform/profile_store.h"
#include "platform/prompts.h"
#include "platform/registry.h"
#include "platform/shell.h"

namespace kivo {

struct Windows;

struct Services {
  FileSystem& files;
  ProfileStore& profiles;
  Registry& registry;
  Shell& shell;
  Prompts& prompts;
  Environment& environment;
};

struct AppContext {
  SharedValues& shared;
  Services& services;
  Windows& windows;
};

}  // namespace kivo
