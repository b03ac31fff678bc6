// Small BMP and ICO files built byte by byte, so that each test knows exactly what a file holds.
#pragma once

#include <cstdint>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace bevel::testing {

using Bytes = std::vector<std::uint8_t>;
// Pixel of (x, y): 0xAABBGGRR at 16, 24 and 32 bits (alpha kept at 32), a palette index below.
using PixelFn = std::function<std::uint32_t(int x, int y)>;

inline void Put32(Bytes& b, std::uint32_t v, int bytes = 4) {
  for (int i = 0; i < bytes; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

// A 40-byte DIB header storing heightField, the palette (0x00BBGGRR), then the rows padded to
// 4 bytes: bottom-up unless topDown.
inline void AppendDib(Bytes& b, int w, int h, int heightField, int bpp, bool topDown,
                      const PixelFn& px, const std::vector<std::uint32_t>& palette = {}) {
  for (const std::uint32_t v :
       {40u, static_cast<std::uint32_t>(w), static_cast<std::uint32_t>(heightField),
        1u | static_cast<std::uint32_t>(bpp) << 16, 0u, 0u, 0u, 0u,
        static_cast<std::uint32_t>(palette.size()), 0u}) {
    Put32(b, v);
  }
  for (const std::uint32_t c : palette)
    Put32(b, (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF));
  for (int r = 0; r < h; ++r) {
    const std::size_t start = b.size();
    std::uint32_t acc = 0;
    int bits = 0;
    for (int x = 0; x < w; ++x) {
      const std::uint32_t v = px(x, topDown ? r : h - 1 - r);
      if (bpp <= 8) {
        acc = acc << bpp | v;
        if ((bits += bpp) == 8) Put32(b, acc, 1), acc = 0, bits = 0;
      } else if (bpp == 16) {
        Put32(b, (v >> 3 & 31) << 10 | (v >> 11 & 31) << 5 | (v >> 19 & 31), 2);
      } else {
        Put32(b, (v & 0xFF) << 16 | (v & 0xFF00) | (v >> 16 & 0xFF) | (v & 0xFF000000), bpp / 8);
      }
    }
    if (bits > 0) Put32(b, acc << (8 - bits), 1);
    while ((b.size() - start) % 4 != 0) b.push_back(0);
  }
}

inline Bytes Bmp(int w, int h, int bpp, bool topDown, const PixelFn& px,
                 const std::vector<std::uint32_t>& palette = {}) {
  Bytes b = {'B', 'M'};
  Put32(b, 0);  // file size: readers ignore it
  Put32(b, 0);
  Put32(b, 54 + 4 * static_cast<std::uint32_t>(palette.size()));  // pixel data offset
  AppendDib(b, w, h, topDown ? -h : h, bpp, topDown, px, palette);
  return b;
}

// An icon's picture: a 24- or 32-bit DIB of twice the height, then its AND mask.
inline Bytes IconDib(int w, int h, int bpp, const PixelFn& px,
                     const std::function<bool(int x, int y)>& masked) {
  Bytes b;
  AppendDib(b, w, h, 2 * h, bpp, false, px);
  const std::size_t header = b.size();
  AppendDib(b, w, h, h, 1, false, [&](int x, int y) { return masked(x, y) ? 1u : 0u; });
  b.erase(b.begin() + static_cast<long>(header), b.begin() + static_cast<long>(header) + 40);
  return b;
}

struct IconEntry {
  int width, height, bpp;
  Bytes data;  // from IconDib, or a whole PNG file
};

inline Bytes Ico(const std::vector<IconEntry>& entries) {
  Bytes b;
  Put32(b, 0x10000);  // reserved 0, type 1
  Put32(b, static_cast<std::uint32_t>(entries.size()), 2);
  std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(entries.size());
  for (const IconEntry& e : entries) {
    Put32(b, static_cast<std::uint32_t>(e.width | e.height << 8));
    Put32(b, 1u | static_cast<std::uint32_t>(e.bpp) << 16);
    Put32(b, static_cast<std::uint32_t>(e.data.size()));
    Put32(b, offset);
    offset += static_cast<std::uint32_t>(e.data.size());
  }
  for (const IconEntry& e : entries) b.insert(b.end(), e.data.begin(), e.data.end());
  return b;
}

// Writes a file into the test output folder; returns its path.
inline std::string WriteTestFile(const std::string& name, const Bytes& bytes) {
  const std::string path = std::string(BEVEL_TEST_OUT) + "/" + name;
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  return path;
}

inline Bytes ReadTestFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace bevel::testing
