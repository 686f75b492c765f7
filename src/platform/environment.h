#pragma once
// Facts about the running program and system.

#include <string>

namespace kivo {

class Environment {
 public:
  virtual ~Environment() = default;
  // Full path of the program's own executable, such as "Q:\kivo68i.exe".
  virtual std::string program_path() = 0;
  // The Windows directory the profile functions keep bare-named files in, no trailing backslash.
  virtual std::string windows_directory() = 0;
};

}  // namespace kivo
