#pragma once
// The profile functions over INI files. A bare file name is kept by Windows in
// its own directory. A write that the file cannot hold exactly is refused:
// text the ANSI code page cannot represent fails with
// ERROR_NO_UNICODE_TRANSLATION instead of coming back as question marks.

#include "platform/profile_store.h"

namespace kivo {

class Win32ProfileStore : public ProfileStore {
 public:
  std::string read_string(const std::string& file, const std::string& section, const std::string& key,
                          const std::string& default_value) override;
  Status write_string(const std::string& file, const std::string& section, const std::string& key,
                      const std::string& value) override;
};

}  // namespace kivo
