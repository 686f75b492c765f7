#include "ico_file.h"

#include "little_endian.h"
#include "write_bytes.h"

namespace artwork {

bool write_ico4(const std::string& path, const IndexedImage& image, const std::vector<bool>& transparent) {
  const int xor_stride = ((image.width * 4 + 31) / 32) * 4;
  const int and_stride = ((image.width + 31) / 32) * 4;
  const auto xor_size = static_cast<std::uint32_t>(xor_stride * image.height);
  const auto and_size = static_cast<std::uint32_t>(and_stride * image.height);
  const std::uint32_t resource_size = 40 + 16 * 4 + xor_size + and_size;

  std::vector<std::uint8_t> out;
  put16(out, 0);  // ICONDIR
  put16(out, 1);
  put16(out, 1);
  out.push_back(static_cast<std::uint8_t>(image.width));  // ICONDIRENTRY
  out.push_back(static_cast<std::uint8_t>(image.height));
  out.push_back(16);
  out.push_back(0);
  put16(out, 1);
  put16(out, 4);
  put32(out, resource_size);
  put32(out, 6 + 16);
  // The header's height covers the colour image and the mask together.
  put_info_header(out, image.width, image.height * 2, 4, xor_size + and_size, 16);
  std::vector<Rgb> palette = image.palette;
  palette.resize(16);
  put_palette(out, palette);
  for (int y = image.height - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(static_cast<std::size_t>(xor_stride), 0);
    for (int x = 0; x < image.width; ++x) {
      const std::size_t i = static_cast<std::size_t>(y * image.width + x);
      const std::uint8_t index = transparent[i] ? 0 : image.indices[i] & 0x0F;
      row[static_cast<std::size_t>(x / 2)] |= static_cast<std::uint8_t>(x % 2 == 0 ? index << 4 : index);
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  for (int y = image.height - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(static_cast<std::size_t>(and_stride), 0);
    for (int x = 0; x < image.width; ++x) {
      if (transparent[static_cast<std::size_t>(y * image.width + x)])
        row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  return write_bytes(path, out);
}

}  // namespace artwork
