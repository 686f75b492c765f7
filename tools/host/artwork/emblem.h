#pragma once
// The program icon: a crescent moon and two stars on a round night-blue badge,
// drawn directly in the 16 standard colours.

#include <vector>

#include "image.h"

namespace artwork {

struct Emblem {
  IndexedImage image;             // 16x16, 16 colours
  std::vector<bool> transparent;  // outside the badge
};

Emblem draw_emblem();

}  // namespace artwork
