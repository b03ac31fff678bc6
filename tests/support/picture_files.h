// Writers of small BMP and ICO files for the picture tests, built byte by byte so each test
// knows exactly what the file holds.
#pragma once

#include <cstdint>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace bevel::testing {

using Bytes = std::vector<std::uint8_t>;
// Pixel of (x, y): 0xAABBGGRR for 16, 24 and 32 bits (alpha written only at 32), a palette
// index for 1, 4 and 8 bits.
using PixelFn = std::function<std::uint32_t(int x, int y)>;

inline void Put16(Bytes& b, std::uint32_t v) {
  b.push_back(static_cast<std::uint8_t>(v));
  b.push_back(static_cast<std::uint8_t>(v >> 8));
}
inline void Put32(Bytes& b, std::uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}

// Rows of a w x h picture, each padded to 4 bytes: bottom-up unless topDown.
inline void AppendRows(Bytes& b, int w, int h, int bpp, bool topDown, const PixelFn& px) {
  for (int r = 0; r < h; ++r) {
    const int y = topDown ? r : h - 1 - r;
    Bytes row;
    std::uint32_t acc = 0;
    int bits = 0;
    for (int x = 0; x < w; ++x) {
      const std::uint32_t v = px(x, y);
      const std::uint32_t red = v & 255, green = v >> 8 & 255, blue = v >> 16 & 255;
      if (bpp <= 8) {
        acc = acc << bpp | v;
        bits += bpp;
        if (bits == 8) row.push_back(static_cast<std::uint8_t>(acc)), acc = 0, bits = 0;
      } else if (bpp == 16) {
        Put16(row, (red >> 3) << 10 | (green >> 3) << 5 | blue >> 3);
      } else {
        for (const std::uint32_t c : {blue, green, red}) row.push_back(static_cast<std::uint8_t>(c));
        if (bpp == 32) row.push_back(static_cast<std::uint8_t>(v >> 24));
      }
    }
    if (bits > 0) row.push_back(static_cast<std::uint8_t>(acc << (8 - bits)));
    while (row.size() % 4 != 0) row.push_back(0);
    b.insert(b.end(), row.begin(), row.end());
  }
}

// A 40-byte DIB header with `heightField` as stored, its palette (0x00BBGGRR entries), then
// the rows.
inline void AppendDib(Bytes& b, int w, int h, int heightField, int bpp, bool topDown,
                      const PixelFn& px, const std::vector<std::uint32_t>& palette) {
  Put32(b, 40);
  Put32(b, static_cast<std::uint32_t>(w));
  Put32(b, static_cast<std::uint32_t>(heightField));
  Put16(b, 1);
  Put16(b, static_cast<std::uint32_t>(bpp));
  for (int i = 0; i < 4; ++i) Put32(b, 0);  // BI_RGB, image size, resolution
  Put32(b, static_cast<std::uint32_t>(palette.size()));
  Put32(b, 0);
  for (const std::uint32_t c : palette) Put32(b, (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF));
  AppendRows(b, w, h, bpp, topDown, px);
}

inline Bytes Bmp(int w, int h, int bpp, bool topDown, const PixelFn& px,
                 const std::vector<std::uint32_t>& palette = {}) {
  Bytes b = {'B', 'M'};
  for (int i = 0; i < 3; ++i) Put32(b, 0);  // size and reserved, patched below; offset
  AppendDib(b, w, h, topDown ? -h : h, bpp, topDown, px, palette);
  const std::uint32_t offset = 14 + 40 + 4 * static_cast<std::uint32_t>(palette.size());
  for (int i = 0; i < 4; ++i) b[10 + i] = static_cast<std::uint8_t>(offset >> (8 * i));
  return b;
}

// An icon picture: the DIB of a bpp picture (24 or 32) followed by its AND mask.
inline Bytes IconDib(int w, int h, int bpp, const PixelFn& px,
                     const std::function<bool(int x, int y)>& masked) {
  Bytes b;
  AppendDib(b, w, h, 2 * h, bpp, false, px, {});
  AppendRows(b, w, h, 1, false, [&](int x, int y) { return masked(x, y) ? 1u : 0u; });
  return b;
}

struct IconEntry {
  int width;
  int height;
  int bpp;
  Bytes data;  // a DIB from IconDib or a whole PNG file
};

inline Bytes Ico(const std::vector<IconEntry>& entries) {
  Bytes b;
  Put16(b, 0);
  Put16(b, 1);
  Put16(b, static_cast<std::uint32_t>(entries.size()));
  std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(entries.size());
  for (const IconEntry& e : entries) {
    b.push_back(static_cast<std::uint8_t>(e.width));
    b.push_back(static_cast<std::uint8_t>(e.height));
    Put16(b, 0);
    Put16(b, 1);
    Put16(b, static_cast<std::uint32_t>(e.bpp));
    Put32(b, static_cast<std::uint32_t>(e.data.size()));
    Put32(b, offset);
    offset += static_cast<std::uint32_t>(e.data.size());
  }
  for (const IconEntry& e : entries) b.insert(b.end(), e.data.begin(), e.data.end());
  return b;
}

// Writes bytes to a file in the test output folder and returns its path.
inline std::string WriteTestFile(const std::string& name, const Bytes& bytes) {
  const std::string path = std::string(BEVEL_TEST_OUT) + "/" + name;
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return path;
}

inline Bytes ReadTestFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace bevel::testing
