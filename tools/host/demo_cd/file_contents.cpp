#include "file_contents.h"

#include <algorithm>
#include <cstring>

namespace demo_cd {

namespace {

// splitmix64: small, fast and the same on every compiler.
class Generator {
 public:
  explicit Generator(std::uint64_t seed) : state_(seed) {}
  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }

 private:
  std::uint64_t state_;
};

void fill_random(std::vector<std::uint8_t>& bytes, std::uint64_t seed) {
  Generator generator(seed);
  for (size_t i = 0; i < bytes.size(); i += 8) {
    const std::uint64_t word = generator.next();
    std::memcpy(bytes.data() + i, &word, std::min<size_t>(8, bytes.size() - i));
  }
}

void put_le32(std::vector<std::uint8_t>& bytes, size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i)
    bytes[at + static_cast<size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

// A D88 header (disk name, 2HD media, disk size, track table) over random
// sector data, with the fill byte at the drive-letter positions.
std::vector<std::uint8_t> boot_disk(const CdFile& file) {
  std::vector<std::uint8_t> bytes(file.size);
  fill_random(bytes, seed_for(file.relative_path));
  constexpr size_t kHeaderSize = 0x2B0, kTrackSize = 8 * 1024;
  std::fill(bytes.begin(), bytes.begin() + kHeaderSize, 0);
  const char name[] = "KIVOKIDOU";
  std::memcpy(bytes.data(), name, sizeof name - 1);
  bytes[0x1B] = 0x20;  // 2HD
  put_le32(bytes, 0x1C, static_cast<std::uint32_t>(file.size));
  for (size_t track = 0; track < 154 && kHeaderSize + track * kTrackSize < file.size; ++track)
    put_le32(bytes, 0x20 + 4 * track, static_cast<std::uint32_t>(kHeaderSize + track * kTrackSize));
  for (std::uint64_t position : kDriveLetterPositions) bytes[position] = kUnpatchedByte;
  return bytes;
}

}  // namespace

std::uint64_t seed_for(std::string_view relative_path) {
  std::uint64_t hash = 0xCBF29CE484222325ull;
  for (char c : relative_path) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 0x100000001B3ull;
  }
  return hash;
}

std::vector<std::uint8_t> contents_of(const CdFile& file) {
  switch (file.content) {
    case Content::manual_page:
      return {manual_page().begin(), manual_page().end()};
    case Content::autorun:
      return {autorun_inf().begin(), autorun_inf().end()};
    case Content::boot_disk:
      return boot_disk(file);
    case Content::random:
      break;
  }
  std::vector<std::uint8_t> bytes(file.size);
  fill_random(bytes, seed_for(file.relative_path));
  return bytes;
}

const std::string& autorun_inf() {
  static const std::string text =
      std::string("[autorun]\r\nopen=kivo68i.exe\r\nicon=kivo68i.exe,0\r\nlabel=") + kVolumeLabel + "\r\n";
  return text;
}

const std::string& manual_page() {
  static const std::string kPage = R"(<!DOCTYPE html>
<html lang="ja">
<head>
<meta charset="utf-8">
<title>Kivorana X68000版 マニュアル</title>
</head>
<body>
<h1>Kivorana X68000版</h1>
<p>このCD-ROMには、ゲーム「Kivorana」のX68000版と、Windows上で遊ぶためのX68000エミュレータ
「WinX68k高速版」が入っています。CD-ROMの kivo68i.exe を起動して、次の順にインストールしてください。</p>
<ol>
<li>「WinX68k高速版のインストール」でエミュレータをインストールします。デスクトップにショートカットができます。</li>
<li>「Kivo68版のインストール」でゲームをドライブの \KIVO にインストールします。</li>
<li>デスクトップの WinX68k高速版 を起動すると、ゲームが始まります。</li>
</ol>
<p>Windows版Kivoをお持ちの方は「おまけ」から、音楽とムービーをFM音源版に差し替えられます。
「オリジナルに戻す」でいつでも元に戻せます。</p>
<hr>
<h2>English</h2>
<p>This CD-ROM holds the X68000 edition of Kivorana and the X68000 emulator needed to play it on Windows.
Start kivo68i.exe, install the emulator first, then the game, and start the emulator from its desktop
shortcut. Owners of the Windows edition can swap its music and movies for the FM-sound versions and back.</p>
<p>This page is the demo CD's stand-in manual.</p>
</body>
</html>
)";
  return kPage;
}

}  // namespace demo_cd
