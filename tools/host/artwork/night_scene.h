#pragma once
// The main window's picture: a night sky over hills, a crescent moon and a
// small castle with lit windows.

#include "image.h"

namespace artwork {

RgbImage draw_night_scene(int width, int height);

}  // namespace artwork
