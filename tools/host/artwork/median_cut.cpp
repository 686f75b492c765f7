#include "median_cut.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

namespace artwork {
namespace {

struct Weighted {
  Rgb colour;
  long count;
};

std::uint8_t component(const Rgb& c, int axis) { return axis == 0 ? c.r : axis == 1 ? c.g : c.b; }

// The channel along which a box of colours spreads most, and how far.
std::pair<int, int> widest_axis(const std::vector<Weighted>& box) {
  int best_axis = 0;
  int best_range = -1;
  for (int axis = 0; axis < 3; ++axis) {
    const auto [low, high] =
        std::minmax_element(box.begin(), box.end(), [axis](const Weighted& a, const Weighted& b) {
          return component(a.colour, axis) < component(b.colour, axis);
        });
    const int range = component(high->colour, axis) - component(low->colour, axis);
    if (range > best_range) best_axis = axis, best_range = range;
  }
  return {best_axis, best_range};
}

long total(const std::vector<Weighted>& box) {
  long sum = 0;
  for (const Weighted& w : box) sum += w.count;
  return sum;
}

Rgb average(const std::vector<Weighted>& box) {
  double r = 0, g = 0, b = 0;
  const double n = static_cast<double>(total(box));
  for (const Weighted& w : box)
    r += w.colour.r * w.count, g += w.colour.g * w.count, b += w.colour.b * w.count;
  return {static_cast<std::uint8_t>(r / n + 0.5), static_cast<std::uint8_t>(g / n + 0.5),
          static_cast<std::uint8_t>(b / n + 0.5)};
}

std::uint8_t nearest(const std::vector<Rgb>& palette, Rgb c) {
  std::size_t best = 0;
  long best_distance = -1;
  for (std::size_t i = 0; i < palette.size(); ++i) {
    const long dr = palette[i].r - c.r, dg = palette[i].g - c.g, db = palette[i].b - c.b;
    const long distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
    if (best_distance < 0 || distance < best_distance) best = i, best_distance = distance;
  }
  return static_cast<std::uint8_t>(best);
}

}  // namespace

IndexedImage reduce_colours(const RgbImage& image, int colours) {
  std::map<std::array<std::uint8_t, 3>, long> counts;
  for (const Rgb& c : image.pixels) ++counts[{c.r, c.g, c.b}];
  std::vector<std::vector<Weighted>> boxes(1);
  for (const auto& [key, count] : counts) boxes[0].push_back({{key[0], key[1], key[2]}, count});

  while (static_cast<int>(boxes.size()) < colours) {
    // Split the box whose spread, weighted by its pixels, is largest.
    std::size_t chosen = boxes.size();
    double chosen_score = 0;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      if (boxes[i].size() < 2) continue;
      const double score = widest_axis(boxes[i]).second * std::sqrt(static_cast<double>(total(boxes[i])));
      if (score > chosen_score) chosen = i, chosen_score = score;
    }
    if (chosen == boxes.size()) break;
    std::vector<Weighted>& box = boxes[chosen];
    const int axis = widest_axis(box).first;
    std::sort(box.begin(), box.end(), [axis](const Weighted& a, const Weighted& b) {
      return component(a.colour, axis) < component(b.colour, axis);
    });
    const long half = total(box) / 2;
    long running = 0;
    std::size_t split = 0;
    while (split < box.size() - 1 && running + box[split].count <= half) running += box[split++].count;
    split = std::max<std::size_t>(split, 1);
    boxes.emplace_back(box.begin() + static_cast<long>(split), box.end());
    boxes[chosen].resize(split);
  }

  IndexedImage result{image.width, image.height, {}, {}};
  for (const auto& box : boxes) result.palette.push_back(average(box));
  std::map<std::array<std::uint8_t, 3>, std::uint8_t> index_of;
  for (const auto& [key, count] : counts) index_of[key] = nearest(result.palette, {key[0], key[1], key[2]});
  result.indices.reserve(image.pixels.size());
  for (const Rgb& c : image.pixels) result.indices.push_back(index_of[{c.r, c.g, c.b}]);
  while (result.palette.size() < static_cast<std::size_t>(colours)) result.palette.push_back({});
  return result;
}

}  // namespace artwork
