#pragma once
// A small object bound to one INI file that reads and writes texts and
// integers. It keeps no copy of the file: every call goes to the profile
// functions, so each write is on disk when the call returns.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/profile_store.h"

namespace kivo {

// The integer rules: "0x"/"0X" followed by at least one character is read as
// hexadecimal from the third character; otherwise a decimal integer (optional
// leading blanks and sign) where a leading "$" also marks hexadecimal. Hex
// values wrap to 32 bits ("$FFFFFFFF" is -1). Anything else has no value.
std::optional<std::int32_t> parse_profile_integer(std::string_view text);

class ProfileAccessor {
 public:
  ProfileAccessor(ProfileStore& store, std::string file) : store_(store), file_(std::move(file)) {}

  const std::string& file() const { return file_; }

  // Throws UserError "<file> に書き込めません" when the profile functions fail.
  void write_text(const std::string& section, const std::string& key, const std::string& value);
  void write_integer(const std::string& section, const std::string& key, std::int32_t value);

  std::string read_text(const std::string& section, const std::string& key, const std::string& default_value);
  std::int32_t read_integer(const std::string& section, const std::string& key, std::int32_t default_value);

 private:
  ProfileStore& store_;
  std::string file_;
};

}  // namespace kivo
