#include "night_scene.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace artwork {
namespace {

struct Colour {
  double r, g, b;
};

Colour mix(Colour a, Colour b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Colour add(Colour a, Colour b, double amount) {
  return {a.r + b.r * amount, a.g + b.g * amount, a.b + b.b * amount};
}

// Everything is laid out for a 179 x 260 picture and scaled from there.
class Scene {
 public:
  Scene(int width, int height) : sx_(width / 179.0), sy_(height / 260.0) {}

  Colour at(double px, double py) const {
    const double x = px / sx_;
    const double y = py / sy_;
    Colour c = sky(x, y);
    c = moon(c, x, y);
    if (y > far_ridge(x)) c = mix({52, 44, 96}, {30, 30, 70}, (y - far_ridge(x)) / 40.0);
    if (in_castle(x, y)) c = lit_window(x, y) ? Colour{255, 214, 128} : Colour{22, 20, 52};
    if (y > near_ridge(x)) c = mix({22, 40, 62}, {8, 16, 30}, (y - near_ridge(x)) / 45.0);
    if (in_tree(x, y)) c = {6, 14, 24};
    return c;
  }

 private:
  static Colour sky(double x, double y) {
    const Colour top{8, 10, 36};
    const Colour middle{36, 34, 94};
    const Colour horizon{128, 78, 120};
    Colour c = y < 120 ? mix(top, middle, y / 120.0) : mix(middle, horizon, (y - 120) / 80.0);
    // A faint band of light across the sky.
    const double band = std::exp(-std::pow((y - 0.35 * x - 40) / 22.0, 2));
    return add(c, {30, 28, 50}, 0.35 * band);
  }

  static Colour moon(Colour c, double x, double y) {
    constexpr double cx = 128, cy = 56, radius = 19;
    const double d = std::hypot(x - cx, y - cy);
    c = add(c, {90, 86, 70}, 0.55 * std::exp(-std::pow(std::max(0.0, d - radius) / 26.0, 2)));
    const bool lit = d < radius && std::hypot(x - (cx - 9), y - (cy - 5)) > radius * 0.86;
    if (lit) c = mix({255, 246, 206}, {226, 210, 160}, (x - cx + radius) / (2 * radius));
    return c;
  }

  static double far_ridge(double x) { return 182 + 9 * std::sin(x / 23.0 + 0.6) + 4 * std::sin(x / 9.0); }
  static double near_ridge(double x) {
    return 214 + 11 * std::sin(x / 31.0 + 2.2) + 3 * std::sin(x / 7.0 + 1);
  }

  // A keep with two towers and pointed roofs standing on the far hill.
  static bool in_castle(double x, double y) {
    const double ground = far_ridge(x) + 3;  // the walls stand in the hill, not on a line
    if (x >= 40 && x <= 92 && y >= 160 && y <= ground) {
      const bool merlon = std::fmod(x - 40, 6.0) < 3.0;
      return y >= 163 || merlon;
    }
    for (const double left : {32.0, 84.0}) {
      if (x >= left && x <= left + 14 && y >= 138 && y <= ground) return true;
      const double half = 9 * (y - 118) / 20.0;  // roof from y 118 to 138
      if (y >= 118 && y < 138 && std::abs(x - (left + 7)) <= half) return true;
    }
    if (x >= 56 && x <= 72 && y >= 146 && y <= 160) return true;  // the hall's gable
    return false;
  }

  static bool lit_window(double x, double y) {
    const auto window = [&](double left, double top) {
      return x >= left && x < left + 3 && y >= top && y < top + 5;
    };
    return window(37.5, 146) || window(89.5, 150) || window(62.5, 151) || window(50, 170) || window(75, 170);
  }

  static bool in_tree(double x, double y) {
    for (const auto& [cx, base, h] : {std::array{14.0, 228.0, 30.0}, std::array{24.0, 232.0, 22.0},
                                      std::array{158.0, 216.0, 34.0}, std::array{168.0, 220.0, 24.0}}) {
      const double top = base - h;
      if (y >= top && y <= base && std::abs(x - cx) <= 0.28 * (y - top)) return true;
      if (y > base && y < base + 6 && std::abs(x - cx) < 1.2) return true;
    }
    return false;
  }

  double sx_, sy_;
};

std::uint8_t channel(double v) { return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L)); }

// Stars from a fixed seed so that every run draws the same sky.
void add_stars(std::vector<Colour>& pixels, int width, int height) {
  std::uint32_t seed = 0x6b69766fu;
  const auto next = [&seed] {
    seed = seed * 1664525u + 1013904223u;
    return (seed >> 8) / 16777216.0;
  };
  for (int i = 0; i < 70; ++i) {
    const double x = next() * width;
    const double y = next() * height * 0.62;
    const double brightness = 0.35 + 0.65 * next() * next();
    const double moon_distance = std::hypot(x - 128.0 * width / 179, y - 56.0 * height / 260);
    if (moon_distance < 34) continue;
    const bool behind_castle = x > 28.0 * width / 179 && x < 100.0 * width / 179 && y > 112.0 * height / 260;
    if (behind_castle) continue;
    const bool twinkle = brightness > 0.8;
    for (int dy = -2; dy <= 2; ++dy) {
      for (int dx = -2; dx <= 2; ++dx) {
        const int px = static_cast<int>(x) + dx;
        const int py = static_cast<int>(y) + dy;
        if (px < 0 || py < 0 || px >= width || py >= height) continue;
        const double fx = px + 0.5 - x;
        const double fy = py + 0.5 - y;
        double glow = std::exp(-(fx * fx + fy * fy) / 0.35);
        if (twinkle && (dx == 0 || dy == 0)) glow = std::max(glow, 0.35 / (1 + std::abs(dx) + std::abs(dy)));
        Colour& c = pixels[static_cast<std::size_t>(py * width + px)];
        c = add(c, {255, 250, 230}, brightness * glow);
      }
    }
  }
}

}  // namespace

RgbImage draw_night_scene(int width, int height) {
  const Scene scene(width, height);
  std::vector<Colour> pixels(static_cast<std::size_t>(width * height));
  constexpr int kSub = 4;  // 4 x 4 samples per pixel smooth the edges
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      Colour sum{0, 0, 0};
      for (int j = 0; j < kSub; ++j)
        for (int i = 0; i < kSub; ++i)
          sum = add(sum, scene.at(x + (i + 0.5) / kSub, y + (j + 0.5) / kSub), 1.0);
      pixels[static_cast<std::size_t>(y * width + x)] = {sum.r / 16, sum.g / 16, sum.b / 16};
    }
  }
  add_stars(pixels, width, height);
  RgbImage image{width, height, {}};
  image.pixels.reserve(pixels.size());
  for (const Colour& c : pixels) image.pixels.push_back({channel(c.r), channel(c.g), channel(c.b)});
  return image;
}

}  // namespace artwork
