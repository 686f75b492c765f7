#pragma once
// Writes an 8-bit indexed Windows bitmap (BITMAPINFOHEADER, 256-entry palette,
// bottom-up rows padded to four bytes).

#include <string>

#include "image.h"

namespace artwork {

bool write_bmp8(const std::string& path, const IndexedImage& image);

}  // namespace artwork
