#pragma once
// Every fake behind one Services, as the program's start-up makes the real
// ones: a test sets the scene through the fakes and hands `services` on.

#include "core/services.h"
#include "fake_drives.h"
#include "fake_file_system.h"
#include "fake_profile_store.h"
#include "fake_prompts.h"
#include "fake_system.h"

namespace kivo::fake {

struct FakeServices {
  FakeFileSystem fs;
  FakeProfileStore profiles{fs};
  FakeRegistry registry;
  FakeShell shell{fs};
  FakePrompts prompts;
  FakeEnvironment environment;
  FakeDrives drives;
  Services services{fs, profiles, registry, shell, prompts, environment, drives};
};

}  // namespace kivo::fake
