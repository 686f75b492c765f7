// The marker file mp3\kivomus.ini as it may lie on a user's disk: any bytes.
// Reading it gives the number its KIVOMUS line holds under the integer rules,
// or 0, and a marker written back reads as the same number.
#include "core/profile_accessor.h"
#include "fake_file_system.h"
#include "fake_profile_store.h"
#include "fuzz_check.h"
#include "music/edition_locator.h"
#include "music/music_folders.h"

FUZZ_HARNESS(text) {
  const std::string marker_file = "C:\\Kivo\\mp3\\kivomus.ini";
  const std::string section(kMarkerSection);
  const std::string key(kMarkerKey);
  fake::FakeFileSystem fs;
  fake::FakeProfileStore profiles(fs);
  fs.add_file(marker_file, text);

  const std::int32_t marker = read_marker(fs, profiles, marker_file);
  const std::string value = profiles.read_string(marker_file, section, key, "");
  FUZZ_CHECK(marker == parse_profile_integer(value).value_or(0));

  ProfileAccessor accessor(profiles, marker_file);
  accessor.write_integer(section, key, marker);
  FUZZ_CHECK(read_marker(fs, profiles, marker_file) == marker);
}
