#pragma once
// The program's own path and the Windows directory, as the system reports them.

#include "platform/environment.h"

namespace kivo {

class Win32Environment : public Environment {
 public:
  std::string program_path() override;
  std::string windows_directory() override;
};

}  // namespace kivo
