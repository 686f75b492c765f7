#pragma once
// A fake of every platform service, bundled as the program's Services, for
// the tests of the subsystems. The machine has drive C: with C:\WINDOWS; the
// program runs as Q:\kivo68i.exe.

#include <gtest/gtest.h>

#include "core/services.h"
#include "fake_drives.h"
#include "fake_file_system.h"
#include "fake_profile_store.h"
#include "fake_prompts.h"
#include "fake_system.h"

namespace kivo::testing_support {

class SubsystemTest : public ::testing::Test {
 protected:
  SubsystemTest() { fs.add_directory("C:\\WINDOWS"); }

  fake::FakeFileSystem fs;
  fake::FakeProfileStore profiles{fs};
  fake::FakeRegistry registry;
  fake::FakeShell shell{fs};
  fake::FakePrompts prompts;
  fake::FakeEnvironment environment;
  fake::FakeDrives drives;
  Services services{fs, profiles, registry, shell, prompts, environment, drives};
};

}  // namespace kivo::testing_support
