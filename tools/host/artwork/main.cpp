// Draws data/artwork.bmp (the main window's picture, 179 x 260, 256 colours)
// and data/kivo68i.ico (the program icon, 16 x 16, 16 colours).
// Usage: kivo_artwork <data folder>

#include <cstdio>
#include <string>

#include "bmp_file.h"
#include "emblem.h"
#include "ico_file.h"
#include "median_cut.h"
#include "night_scene.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <data folder>\n", argv[0]);
    return 2;
  }
  const std::string folder = argv[1];
  const artwork::IndexedImage picture = artwork::reduce_colours(artwork::draw_night_scene(179, 260), 256);
  if (!artwork::write_bmp8(folder + "/artwork.bmp", picture)) {
    std::fprintf(stderr, "cannot write %s/artwork.bmp\n", folder.c_str());
    return 1;
  }
  const artwork::Emblem emblem = artwork::draw_emblem();
  if (!artwork::write_ico4(folder + "/kivo68i.ico", emblem.image, emblem.transparent)) {
    std::fprintf(stderr, "cannot write %s/kivo68i.ico\n", folder.c_str());
    return 1;
  }
  return 0;
}
