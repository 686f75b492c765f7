#pragma once
// The bytes of the demo CD's files: reproducible from the file's path alone.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cd_layout.h"

namespace demo_cd {

// FNV-1a of the path, the seed of the file's size and bytes.
std::uint64_t seed_for(std::string_view relative_path);

// The whole contents of one file.
std::vector<std::uint8_t> contents_of(const CdFile& file);

// The CD's own short manual page (Japanese and English, UTF-8).
const std::string& manual_page();

// The CD's autorun.inf: the program to start, its icon and the drive's label,
// in the ANSI text with CR LF that Windows reads.
const std::string& autorun_inf();

}  // namespace demo_cd
