#include <array>

#include "file_tables.h"

namespace kivo {

std::span<const std::string_view> emulator_file_list() {
  static constexpr std::array<std::string_view, 8> kEntries = {
      "\\winx68k\\WinX68kHighSpeed.exe",
      "\\winx68k\\WinX68kHighSpeed.txt",
      "\\emu\\kivokidou.d88",
      "\\windrv\\CONFIG.SYS",
      "\\windrv\\FD1.XDF",
      "\\windrv\\WINDRV.O",
      "\\windrv\\WINDRV.S",
      "\\windrv\\WINDRV.SYS",
  };
  return kEntries;
}

}  // namespace kivo
