#pragma once
// The subsystems' tests start on a machine with drive C: and C:\WINDOWS; the
// program runs as Q:\kivo68i.exe.

#include <gtest/gtest.h>

#include "fake_services.h"

namespace kivo::testing_support {

class SubsystemTest : public ::testing::Test, protected fake::FakeServices {
 protected:
  SubsystemTest() { fs.add_directory("C:\\WINDOWS"); }
};

}  // namespace kivo::testing_support
