#pragma once
// Images as the artwork tool draws them: RGB pixels, and palette images ready
// to be written as indexed bitmaps.

#include <cstdint>
#include <vector>

namespace artwork {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(Rgb, Rgb) = default;
};

struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<Rgb> pixels;  // row by row from the top
  Rgb& at(int x, int y) { return pixels[static_cast<std::size_t>(y * width + x)]; }
  const Rgb& at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

struct IndexedImage {
  int width = 0;
  int height = 0;
  std::vector<Rgb> palette;
  std::vector<std::uint8_t> indices;  // row by row from the top
};

}  // namespace artwork
