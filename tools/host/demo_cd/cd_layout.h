#pragma once
// What the demo CD holds: every file the program reads from a CD, at the
// places the program looks for them, with a size and contents of its own.

#include <cstdint>
#include <string>
#include <vector>

namespace demo_cd {

enum class Content {
  random,       // bytes from a generator seeded by the file's path
  boot_disk,    // a 2HD D88 disk image whose drive-letter bytes are not yet a letter
  manual_page,  // the HTML manual in the CD's top folder
  autorun       // autorun.inf, which has Windows start the menu when the CD is put in
};

struct CdFile {
  std::string relative_path;  // Windows form, from the CD's top folder: "kivo\DATA\MAP01.DAT"
  std::uint64_t size;
  Content content;
};

// Size of a 2HD D88 image, and the two positions where the game installation
// writes the drive letter.
inline constexpr std::uint64_t kBootDiskSize = 1'262'256;
inline constexpr std::uint64_t kDriveLetterPositions[] = {518'800, 661'104};
// The value at those positions on the CD: the D88 fill byte, not a drive letter.
inline constexpr std::uint8_t kUnpatchedByte = 0xE5;

// The name Windows shows for the CD's drive; also the volume label of the CD image.
inline constexpr const char* kVolumeLabel = "KIVO68";

// Every generated file of the CD (the program itself is copied, not listed), in a fixed order.
std::vector<CdFile> cd_files();

}  // namespace demo_cd
