#include "bmp_file.h"

#include "little_endian.h"
#include "write_bytes.h"

namespace artwork {

bool write_bmp8(const std::string& path, const IndexedImage& image) {
  const int stride = (image.width + 3) & ~3;
  const auto image_size = static_cast<std::uint32_t>(stride * image.height);
  constexpr std::uint32_t kHeaders = 14 + 40 + 256 * 4;
  std::vector<std::uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  put32(out, kHeaders + image_size);
  put32(out, 0);
  put32(out, kHeaders);
  put_info_header(out, image.width, image.height, 8, image_size, 256);
  std::vector<Rgb> palette = image.palette;
  palette.resize(256);
  put_palette(out, palette);
  for (int y = image.height - 1; y >= 0; --y) {
    for (int x = 0; x < stride; ++x)
      out.push_back(x < image.width ? image.indices[static_cast<std::size_t>(y * image.width + x)] : 0);
  }
  return write_bytes(path, out);
}

}  // namespace artwork
