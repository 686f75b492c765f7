#pragma once
// Reading a text value below HKEY_CURRENT_USER with read access only; a
// missing key is never created. REG_EXPAND_SZ comes back unexpanded, as stored.

#include "platform/registry.h"

namespace kivo {

class Win32Registry : public Registry {
 public:
  RegistryText read_current_user_text(const std::string& key, const std::string& value) override;
};

}  // namespace kivo
