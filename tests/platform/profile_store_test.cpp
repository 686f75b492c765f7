#include <gtest/gtest.h>
#include <windows.h>

#include "platform/win32/win32_profile_store.h"
#include "scratch_folder.h"

namespace kivo {
namespace {

using namespace scratch;
struct Win32ProfileStoreTest : testing::Test, Scratch {
  Win32ProfileStore store;
};

// The record's keys written and read back, and its exact bytes, are checked on
// the program by the end-to-end scenarios.
TEST_F(Win32ProfileStoreTest, ReadsTheDefaultOfWhatIsMissingAndAtMost2047Characters) {
  EXPECT_EQ(store.read_string(dir / "missing.ini", "INST", "TESTNUM", "99"), "99");
  ASSERT_TRUE(store.write_string(dir / "long.ini", "S", "K", std::string(3000, 'v')).ok());
  EXPECT_EQ(store.read_string(dir / "long.ini", "S", "K", ""), std::string(2047, 'v'));
  EXPECT_EQ(store.read_string(dir / "long.ini", "S", "MISSING", "dflt"), "dflt");
}

// A write that did not happen, or would not read back as written, is reported.
TEST_F(Win32ProfileStoreTest, RefusesWhatItCannotWrite) {
  write_file(dir / "ro.ini", "[INST]\r\nTESTNUM=1\r\n");
  ASSERT_TRUE(fs.set_attributes(dir / "ro.ini", file_attribute::read_only).ok());
  EXPECT_TRUE(store.write_string(dir / "ro.ini", "INST", "TESTNUM", "2").failed());
  EXPECT_EQ(read_file(dir / "ro.ini"), "[INST]\r\nTESTNUM=1\r\n");
  EXPECT_TRUE(store.write_string(dir / "no\\such\\folder.ini", "INST", "TESTNUM", "2").failed());

  const std::string ini = dir / "x.ini";
  EXPECT_EQ(store.write_string(ini, "INST", "FOLDER", "C:\\a\r\nTESTNUM=1").code,
            win_error::invalid_parameter);
  const Status japanese = store.write_string(ini, "INST", "FOLDER", "C:\\エミュ");
  if (::GetACP() == 932 || ::GetACP() == CP_UTF8) {
    ASSERT_TRUE(japanese.ok());
    EXPECT_EQ(store.read_string(ini, "INST", "FOLDER", ""), "C:\\エミュ");
  } else {
    EXPECT_EQ(japanese.code, static_cast<std::uint32_t>(ERROR_NO_UNICODE_TRANSLATION));
  }
  // A UTF-16 file holds any text.
  write_file(dir / "wide.ini", "\xFF\xFE");
  ASSERT_TRUE(store.write_string(dir / "wide.ini", "INST", "FOLDER", "C:\\エミュ").ok());
  EXPECT_EQ(store.read_string(dir / "wide.ini", "INST", "FOLDER", ""), "C:\\エミュ");
}

}  // namespace
}  // namespace kivo
