// The integer rules of the profile accessor, which read TESTNUM and the music
// marker from files on the user's disk. Any text gives a value or none without
// overflow; every value comes back from each of the forms it can be written in.
#include <cstring>

#include "core/profile_accessor.h"
#include "fuzz_check.h"

namespace {

std::string hex_of(std::uint32_t value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%X", value);
  return buffer;
}

}  // namespace

FUZZ_HARNESS(text) {
  const auto value = parse_profile_integer(text);
  if (value) {
    // Only digits, hex digits, blanks, signs, "$" and "0x" make a value.
    for (const char c : text)
      FUZZ_CHECK(std::strchr("0123456789abcdefABCDEF xX$+-", c) != nullptr && c != '\0');
    FUZZ_CHECK(parse_profile_integer(std::to_string(*value)) == value);
  }
  if (text.size() >= 4) {
    std::int32_t n = 0;
    std::memcpy(&n, text.data(), sizeof n);
    const auto bits = static_cast<std::uint32_t>(n);
    FUZZ_CHECK(parse_profile_integer(std::to_string(n)) == n);
    FUZZ_CHECK(parse_profile_integer("0x" + hex_of(bits)) == n);
    FUZZ_CHECK(parse_profile_integer("$" + hex_of(bits)) == n);
    FUZZ_CHECK(parse_profile_integer(" " + std::to_string(n)) == n);
  }
}
