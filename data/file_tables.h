#pragma once
// The file tables of the shipped CD, shared by the program and the demo CD
// generator so that both always agree.

#include <span>
#include <string_view>

namespace kivo {

// The emulator's eight files, relative to the CD folder "tools", in copy order.
std::span<const std::string_view> emulator_file_list();

// The game's 410 files, relative to the CD folder "kivo" and to the game folder,
// in copy order.
std::span<const std::string_view> game_file_table();

// The boot disk image, relative to the CD folder "kivo".
inline constexpr std::string_view kBootDiskImageEntry = "\\tools\\emu\\kivokidou.d88";

// The 20 files the music bonus exchanges, relative to the edition folder, the
// backup folders and the CD folder "sashikae".
std::span<const std::string_view> replacement_list();

}  // namespace kivo
