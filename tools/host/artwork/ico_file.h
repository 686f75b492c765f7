#pragma once
// Writes a one-image icon file: 4 bits per pixel with a 16-colour palette and
// an AND mask (1 = transparent).

#include <string>
#include <vector>

#include "image.h"

namespace artwork {

bool write_ico4(const std::string& path, const IndexedImage& image, const std::vector<bool>& transparent);

}  // namespace artwork
