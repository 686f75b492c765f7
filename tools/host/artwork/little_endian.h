#pragma once
// Appending little-endian integers to a byte buffer, as the Windows file formats store them.

#include <cstdint>
#include <vector>

#include "image.h"

namespace artwork {

inline void put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

inline void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}

// BITMAPINFOHEADER.
inline void put_info_header(std::vector<std::uint8_t>& out, int width, int height, int bits,
                            std::uint32_t image_size, std::uint32_t colours) {
  put32(out, 40);
  put32(out, static_cast<std::uint32_t>(width));
  put32(out, static_cast<std::uint32_t>(height));
  put16(out, 1);
  put16(out, static_cast<std::uint32_t>(bits));
  put32(out, 0);  // BI_RGB
  put32(out, image_size);
  put32(out, 2835);  // 72 dpi
  put32(out, 2835);
  put32(out, colours);
  put32(out, 0);
}

inline void put_palette(std::vector<std::uint8_t>& out, const std::vector<Rgb>& palette) {
  for (const Rgb& c : palette) {
    out.push_back(c.b);
    out.push_back(c.g);
    out.push_back(c.r);
    out.push_back(0);
  }
}

}  // namespace artwork
