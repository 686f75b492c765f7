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

}  // namespace demo_cd
