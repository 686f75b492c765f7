#pragma once
// Reduces an RGB image to at most `colours` palette entries by median cut,
// then maps every pixel to its nearest entry.

#include "image.h"

namespace artwork {

IndexedImage reduce_colours(const RgbImage& image, int colours);

}  // namespace artwork
