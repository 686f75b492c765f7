#pragma once
// The emulator's boot floppy image and the two bytes of it that name the drive
// the game lies on. Nothing else of the image is read or written.

#include <cstdint>
#include <optional>
#include <string>

// What it returns on failure is one of the game's texts.
#include "game/game_messages.h"
#include "platform/file_system.h"

namespace kivo {

inline constexpr const char* kBootDiskImageName = "kivokidou.d88";
inline constexpr std::uint64_t kFirstDriveLetterPosition = 518800;   // 0x7EA90
inline constexpr std::uint64_t kSecondDriveLetterPosition = 661104;  // 0xA1670
// An image shorter than this cannot hold the second field.
inline constexpr std::uint64_t kShortestBootDiskImage = kSecondDriveLetterPosition + 1;

// Puts the CD's image at `destination` with `letter` in both fields. The work is
// done on a temporary copy beside the destination that replaces it only when
// it is complete, so the file under the final name is always either the old
// one or the fully patched one. When the CD's image cannot be copied, the image
// already at the destination (left by the emulator installation) is patched
// instead. Returns the message for the user on failure, nothing on success.
std::optional<std::string> install_boot_disk_image(FileSystem& fs, const std::string& source,
                                                   const std::string& destination, char letter);

}  // namespace kivo
