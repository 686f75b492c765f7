#pragma once
// Reading one value of the current user's registry, with read access only.

#include <string>

namespace kivo {

struct RegistryText {
  enum class Kind { missing, text, wrong_type };
  Kind kind = Kind::missing;
  std::string text;  // the value when kind is text
};

class Registry {
 public:
  virtual ~Registry() = default;
  // key below HKEY_CURRENT_USER, such as
  // "Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders".
  virtual RegistryText read_current_user_text(const std::string& key, const std::string& value) = 0;
};

}  // namespace kivo
