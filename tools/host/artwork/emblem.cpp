#include "emblem.h"

#include <cmath>

namespace artwork {
namespace {

// The 16 colours every 4-bit display shows the same way.
const std::vector<Rgb> kStandardColours = {{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                                           {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
                                           {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
                                           {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};

enum Colour : std::uint8_t { black = 0, navy = 4, silver = 7, grey = 8, blue = 12, yellow = 11, white = 15 };

}  // namespace

Emblem draw_emblem() {
  constexpr int kSize = 16;
  Emblem emblem;
  emblem.image =
      IndexedImage{kSize, kSize, kStandardColours, std::vector<std::uint8_t>(kSize * kSize, black)};
  emblem.transparent.assign(kSize * kSize, false);
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      const double px = x + 0.5, py = y + 0.5;
      const double from_centre = std::hypot(px - 8, py - 8);
      const std::size_t i = static_cast<std::size_t>(y * kSize + x);
      std::uint8_t& colour = emblem.image.indices[i];
      if (from_centre > 7.9) {
        emblem.transparent[i] = true;
        continue;
      }
      colour = from_centre > 7.0 ? black : from_centre > 6.2 ? blue : navy;
      const bool in_moon = std::hypot(px - 9.0, py - 8.0) < 5.0;
      const bool in_bite = std::hypot(px - 6.9, py - 6.1) < 4.4;
      if (in_moon && !in_bite) colour = yellow;
    }
  }
  const auto put = [&](int x, int y, Colour c) {
    emblem.image.indices[static_cast<std::size_t>(y * kSize + x)] = c;
  };
  put(5, 4, white);
  put(3, 8, silver);
  put(5, 11, white);
  put(10, 3, grey);
  return emblem;
}

}  // namespace artwork
