#pragma once
// The Windows profile functions (GetPrivateProfileStringW, WritePrivateProfileStringW).
// A bare file name ("kivo68i.ini") lives in the Windows directory; a full path is used as it is.

#include <string>

#include "platform/status.h"

namespace kivo {

class ProfileStore {
 public:
  virtual ~ProfileStore() = default;
  // Never fails: a missing file, section or key gives the default. At most
  // 2,047 characters of the value come back.
  virtual std::string read_string(const std::string& file, const std::string& section, const std::string& key,
                                  const std::string& default_value) = 0;
  // Creates the file and the section when missing and replaces the key in place.
  virtual Status write_string(const std::string& file, const std::string& section, const std::string& key,
                              const std::string& value) = 0;
};

}  // namespace kivo
