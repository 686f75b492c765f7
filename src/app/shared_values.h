#pragma once
// The program-wide values through which the windows hand destinations to one
// another. One instance lives for the whole run; windows keep a reference.

#include <string>

namespace kivo {

struct SharedValues {
  std::string Win68instFolder;  // emulator destination, as typed or chosen
  std::string KivoinstFolder;   // game destination, "C:\KIVO" or moved to another drive
  char PickedDrive = 0;         // first character answered by winsasi2, 0 before any answer
};

inline constexpr const char* kDefaultEmulatorFolder = "C:\\Winx68k\\";
inline constexpr const char* kDefaultGameFolder = "C:\\KIVO";

}  // namespace kivo
