// Picture files: BMP and ICO parsed here, PNG through SDL_image.
//
// The BMP and ICO parsers are our own so that every size and offset taken from a file is checked
// against the bytes actually read before anything is allocated or indexed: a header may claim
// any size, and only ValidSurfaceSize pictures whose pixel data is really present get a surface.
//
// Index of this file:
// [SECTION] Bytes and files
// [SECTION] DIB headers (shared by BMP and ICO)
// [SECTION] DIB pixels
// [SECTION] PNG
// [SECTION] ICO
// [SECTION] Public functions
#include "services/internal/image_codec.h"

#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdio>
#include <cstring>
#include <new>
#include <vector>

namespace bevel::detail {
namespace {

// The biggest picture we accept is 16384 x 16384 x 32 bits (1 GiB); a file longer than that plus
// room for headers cannot be one of ours, so reading stops there.
constexpr std::size_t kMaxFileBytes = (std::size_t{1} << 30) + (std::size_t{1} << 20);

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiRle8 = 1;
constexpr std::uint32_t kBiRle4 = 2;
constexpr std::uint32_t kBiBitfields = 3;
constexpr std::uint32_t kBiAlphaBitfields = 6;

// Bound on the picture size of run-length data, see DecodeRle.
constexpr std::size_t kRlePixelsPerByte = 256;
constexpr std::size_t kRleSlackPixels = 1 << 16;

// Bound on the picture size of PNG data, see DecodePng.
constexpr std::uint64_t kDeflateMaxRatio = 1032;
constexpr std::uint64_t kPngSlackBytes = 1 << 16;

constexpr std::array<std::uint8_t, 8> kPngSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

// =============================================================================================
// [SECTION] Bytes and files
// =============================================================================================

// A read-only window on file bytes. Every read is preceded by Has(); the readers assume it.
struct Bytes {
  const std::uint8_t* data = nullptr;
  std::size_t size = 0;

  bool Has(std::size_t pos, std::size_t n) const { return pos <= size && n <= size - pos; }
  std::uint16_t U16(std::size_t pos) const {
    return static_cast<std::uint16_t>(data[pos] | data[pos + 1] << 8);
  }
  std::uint32_t U32(std::size_t pos) const {
    return static_cast<std::uint32_t>(data[pos]) | static_cast<std::uint32_t>(data[pos + 1]) << 8 |
           static_cast<std::uint32_t>(data[pos + 2]) << 16 |
           static_cast<std::uint32_t>(data[pos + 3]) << 24;
  }
  std::int32_t I32(std::size_t pos) const { return static_cast<std::int32_t>(U32(pos)); }
  Bytes Sub(std::size_t pos, std::size_t n) const { return Bytes{data + pos, n}; }
};

// Reads a whole file in chunks (no reliance on ftell, which lies for directories and pipes).
bool ReadFile(const std::string& utf8Path, std::vector<std::uint8_t>& out) {
  std::FILE* f = std::fopen(utf8Path.c_str(), "rb");
  if (!f) return false;
  constexpr std::size_t kChunk = 1 << 16;
  bool ok = true;
  out.clear();
  for (;;) {
    const std::size_t at = out.size();
    if (at >= kMaxFileBytes) {
      ok = false;
      break;
    }
    out.resize(at + kChunk);
    const std::size_t got = std::fread(out.data() + at, 1, kChunk, f);
    out.resize(at + got);
    if (got < kChunk) {
      ok = std::ferror(f) == 0;
      break;
    }
  }
  std::fclose(f);
  return ok && !out.empty();
}

std::uint32_t Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
  return (r & 255) | (g & 255) << 8 | (b & 255) << 16;
}

// =============================================================================================
// [SECTION] DIB headers (shared by BMP and ICO)
// =============================================================================================

// One colour channel described by a bit mask, scaled to 8 bits.
struct Channel {
  std::uint32_t mask = 0;
  int shift = 0;
  std::uint32_t max = 0;  // mask >> shift

  explicit Channel(std::uint32_t m = 0) : mask(m) {
    if (m == 0) return;
    shift = std::countr_zero(m);
    max = m >> shift;
  }
  std::uint32_t Of(std::uint32_t px) const {
    if (max == 0) return 0;
    const std::uint64_t v = (px & mask) >> shift;
    return static_cast<std::uint32_t>((v * 255 + max / 2) / max);
  }
};

struct Dib {
  int width = 0;
  int height = 0;  // rows of the picture (for icons: half the header's height)
  bool topDown = false;
  int bpp = 0;
  std::uint32_t compression = kBiRgb;
  std::array<std::uint32_t, 3> masks{};  // red, green, blue for 16 and 32 bits
  std::size_t palettePos = 0;
  std::size_t paletteCount = 0;
  std::size_t paletteStride = 4;
  std::size_t end = 0;  // first byte after header, masks and palette

  std::size_t RowBytes() const {
    return (static_cast<std::size_t>(width) * static_cast<std::size_t>(bpp) + 31) / 32 * 4;
  }
};

// Parses the DIB header starting at pos. In an icon the header's height counts the colour
// rows and the AND mask rows together, rows are always bottom-up and only BI_RGB is allowed.
bool ParseDib(Bytes b, std::size_t pos, bool icon, Dib& d) {
  if (!b.Has(pos, 4)) return false;
  const std::uint32_t headerSize = b.U32(pos);
  long long width = 0;
  long long height = 0;
  std::size_t coloursUsed = 0;
  if (headerSize == 12) {  // OS/2 core header: 16-bit sizes, 3-byte palette entries
    if (!b.Has(pos, 12)) return false;
    width = b.U16(pos + 4);
    height = b.U16(pos + 6);
    d.bpp = b.U16(pos + 10);
    d.paletteStride = 3;
  } else if (headerSize == 40 || headerSize == 52 || headerSize == 56 || headerSize == 64 ||
             headerSize == 108 || headerSize == 124) {
    if (!b.Has(pos, headerSize)) return false;
    width = b.I32(pos + 4);
    height = b.I32(pos + 8);
    d.bpp = b.U16(pos + 14);
    d.compression = b.U32(pos + 16);
    coloursUsed = b.U32(pos + 32);
    // The OS/2 2.x header reuses compression codes 3 and 4 for formats we do not read.
    if (headerSize == 64 && d.compression > kBiRle4) return false;
  } else {
    return false;
  }
  d.end = pos + headerSize;

  if (icon) {
    if (height <= 0 || height % 2 != 0) return false;
    height /= 2;
  }
  d.topDown = height < 0;
  if (d.topDown) height = -height;
  if (width <= 0 || height <= 0 || width > kMaxSurfaceSide || height > kMaxSurfaceSide) {
    return false;
  }
  d.width = static_cast<int>(width);
  d.height = static_cast<int>(height);

  switch (d.compression) {
    case kBiRgb:
      if (d.bpp != 1 && d.bpp != 4 && d.bpp != 8 && d.bpp != 16 && d.bpp != 24 && d.bpp != 32) {
        return false;
      }
      break;
    case kBiRle8:
    case kBiRle4:
      // Run-length data is always stored bottom-up.
      if (d.topDown || d.bpp != (d.compression == kBiRle8 ? 8 : 4)) return false;
      break;
    case kBiBitfields:
    case kBiAlphaBitfields:
      if (d.bpp != 16 && d.bpp != 32) return false;
      break;
    default:
      return false;
  }
  if (icon && d.compression != kBiRgb) return false;

  if (d.bpp == 16) d.masks = {0x7C00, 0x03E0, 0x001F};
  if (d.bpp == 32) d.masks = {0xFF0000, 0x00FF00, 0x0000FF};
  if (d.compression == kBiBitfields || d.compression == kBiAlphaBitfields) {
    // Version 2+ headers hold the masks themselves; after a 40-byte header they follow it.
    std::size_t at = pos + 40;
    if (headerSize == 40) {
      const std::size_t n = d.compression == kBiAlphaBitfields ? 16 : 12;
      if (!b.Has(d.end, n)) return false;
      d.end += n;
    }
    d.masks = {b.U32(at), b.U32(at + 4), b.U32(at + 8)};
  }

  if (d.bpp <= 8) {
    const std::size_t most = std::size_t{1} << d.bpp;
    d.paletteCount = coloursUsed == 0 ? most : std::min(coloursUsed, most);
    if (headerSize == 12) d.paletteCount = most;
    d.palettePos = d.end;
    if (!b.Has(d.end, d.paletteCount * d.paletteStride)) return false;
    d.end += d.paletteCount * d.paletteStride;
  }
  return true;
}

// =============================================================================================
// [SECTION] DIB pixels
// =============================================================================================

// Palette colours as pixels; indices past the palette are black.
std::array<std::uint32_t, 256> PaletteOf(Bytes b, const Dib& d) {
  std::array<std::uint32_t, 256> pal{};
  for (std::size_t i = 0; i < d.paletteCount; ++i) {
    const std::uint8_t* e = b.data + d.palettePos + i * d.paletteStride;
    pal[i] = Rgb(e[2], e[1], e[0]);
  }
  return pal;
}

// Uncompressed rows starting at pos into a new `out`, allocated only once the file is known
// to hold them all. keepAlpha: 32-bit pixels keep their top byte as alpha.
bool DecodeRows(Bytes b, std::size_t pos, const Dib& d, bool keepAlpha, Surface& out) {
  const std::size_t rowBytes = d.RowBytes();
  if (!b.Has(pos, rowBytes * static_cast<std::size_t>(d.height))) return false;
  out = Surface(d.width, d.height);
  const auto pal = PaletteOf(b, d);
  const Channel red(d.masks[0]), green(d.masks[1]), blue(d.masks[2]);
  for (int r = 0; r < d.height; ++r) {
    const std::uint8_t* src = b.data + pos + rowBytes * static_cast<std::size_t>(r);
    std::uint32_t* dst = out.Row(d.topDown ? r : d.height - 1 - r);
    for (int x = 0; x < d.width; ++x) {
      switch (d.bpp) {
        case 1:
          dst[x] = pal[(src[x >> 3] >> (7 - (x & 7))) & 1];
          break;
        case 4:
          dst[x] = pal[(src[x >> 1] >> ((x & 1) != 0 ? 0 : 4)) & 15];
          break;
        case 8:
          dst[x] = pal[src[x]];
          break;
        case 16: {
          const std::uint32_t px = static_cast<std::uint32_t>(src[2 * x] | src[2 * x + 1] << 8);
          dst[x] = Rgb(red.Of(px), green.Of(px), blue.Of(px));
          break;
        }
        case 24:
          dst[x] = Rgb(src[3 * x + 2], src[3 * x + 1], src[3 * x]);
          break;
        default: {  // 32
          const std::uint8_t* p = src + 4 * x;
          const std::uint32_t px =
              static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
              static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
          dst[x] = Rgb(red.Of(px), green.Of(px), blue.Of(px));
          if (keepAlpha) dst[x] |= static_cast<std::uint32_t>(p[3]) << 24;
          break;
        }
      }
    }
  }
  return true;
}

// BI_RLE8 / BI_RLE4 data starting at pos into a new `out`. Pixels the runs skip stay black.
// Data that ends before the end-of-bitmap code (or the last row) is a truncated file.
bool DecodeRle(Bytes b, std::size_t pos, const Dib& d, Surface& out) {
  // A run codes at most 255 pixels in 2 bytes. Refusing pictures far larger than their data
  // could code keeps a few bytes that claim 16384 x 16384 from costing a gigabyte; the margin
  // leaves room for skips and an early end-of-bitmap.
  const std::size_t pixels = static_cast<std::size_t>(d.width) * static_cast<std::size_t>(d.height);
  if (pixels > (b.size - pos) * kRlePixelsPerByte + kRleSlackPixels) return false;
  out = Surface(d.width, d.height);
  const auto pal = PaletteOf(b, d);
  const bool four = d.compression == kBiRle4;
  int x = 0;
  int row = 0;
  // Caller guarantees x < width and row < height.
  auto put = [&](std::uint32_t index) { out.At(x++, d.height - 1 - row) = pal[index]; };
  while (row < d.height) {
    if (!b.Has(pos, 2)) return false;
    const int n = b.data[pos];
    const int c = b.data[pos + 1];
    pos += 2;
    if (n > 0) {  // a run of n pixels
      // Pixels past the row's end are dropped, so x never exceeds the width.
      for (int i = 0; i < n && x < d.width; ++i) {
        put(four ? ((i & 1) != 0 ? c & 15 : c >> 4) : static_cast<std::uint32_t>(c));
      }
    } else if (c == 0) {  // end of line
      x = 0;
      ++row;
    } else if (c == 1) {  // end of bitmap
      return true;
    } else if (c == 2) {  // delta
      if (!b.Has(pos, 2)) return false;
      x = std::min(x + b.data[pos], d.width);
      row += b.data[pos + 1];
      pos += 2;
    } else {  // c literal pixels, padded to a 16-bit boundary
      const std::size_t bytes = four ? (static_cast<std::size_t>(c) + 1) / 2 : c;
      if (!b.Has(pos, bytes)) return false;
      for (int i = 0; i < c && x < d.width; ++i) {
        const std::uint8_t v = b.data[pos + (four ? i / 2 : i)];
        put(four ? ((i & 1) != 0 ? v & 15 : v >> 4) : v);
      }
      pos += (bytes + 1) & ~std::size_t{1};
    }
  }
  return true;
}

bool DecodeBmp(Bytes b, Surface& out) {
  if (!b.Has(0, 14) || b.data[0] != 'B' || b.data[1] != 'M') return false;
  Dib d;
  if (!ParseDib(b, 14, false, d)) return false;
  const std::size_t dataPos = b.U32(10);
  if (dataPos < d.end || dataPos >= b.size) return false;
  Surface s;
  const bool ok = d.compression == kBiRle8 || d.compression == kBiRle4
                      ? DecodeRle(b, dataPos, d, s)
                      : DecodeRows(b, dataPos, d, false, s);
  if (!ok) return false;
  out = std::move(s);
  return true;
}

// =============================================================================================
// [SECTION] PNG
// =============================================================================================

bool IsPng(Bytes b) {
  return b.Has(0, kPngSignature.size()) &&
         std::memcmp(b.data, kPngSignature.data(), kPngSignature.size()) == 0;
}

// Decodes PNG bytes with SDL_image. The size in the IHDR chunk is checked first so that the
// decoder never allocates for a picture we would refuse. Unless forceAlpha, a picture whose
// pixels are all opaque comes out as an opaque surface (top byte 0).
bool DecodePng(Bytes b, bool forceAlpha, Surface& out) {
  if (!IsPng(b) || !b.Has(8, 16) || std::memcmp(b.data + 12, "IHDR", 4) != 0) return false;
  const auto be32 = [&](std::size_t p) {
    return static_cast<std::uint32_t>(b.data[p]) << 24 |
           static_cast<std::uint32_t>(b.data[p + 1]) << 16 |
           static_cast<std::uint32_t>(b.data[p + 2]) << 8 | b.data[p + 3];
  };
  const std::uint32_t w = be32(16), h = be32(20);
  if (w == 0 || h == 0 || w > kMaxSurfaceSide || h > kMaxSurfaceSide) return false;
  if (b.size > static_cast<std::size_t>(INT32_MAX)) return false;
  // Deflate shrinks data at most about 1032:1, and a PNG row holds at least a filter byte and
  // one bit per pixel: a file too short for its claimed size is refused before SDL_image
  // allocates for that size.
  const std::uint64_t leastRaw = std::uint64_t{h} * (1 + (std::uint64_t{w} + 7) / 8);
  if (leastRaw > std::uint64_t{b.size} * kDeflateMaxRatio + kPngSlackBytes) return false;

  SDL_RWops* rw = SDL_RWFromConstMem(b.data, static_cast<int>(b.size));
  if (!rw) return false;
  SDL_Surface* decoded = IMG_LoadPNG_RW(rw);
  SDL_RWclose(rw);
  if (!decoded) return false;
  SDL_Surface* rgba = SDL_ConvertSurfaceFormat(decoded, SDL_PIXELFORMAT_ABGR8888, 0);
  SDL_FreeSurface(decoded);
  if (!rgba) return false;
  // SDL_PIXELFORMAT_ABGR8888 is 0xAABBGGRR in a 32-bit word: our layout.
  Surface s(rgba->w, rgba->h);
  SDL_LockSurface(rgba);
  for (int y = 0; y < rgba->h; ++y) {
    const auto* row = reinterpret_cast<const std::uint8_t*>(rgba->pixels) +
                      static_cast<std::size_t>(y) * static_cast<std::size_t>(rgba->pitch);
    std::memcpy(s.Row(y), row, static_cast<std::size_t>(rgba->w) * 4);
  }
  SDL_UnlockSurface(rgba);
  SDL_FreeSurface(rgba);
  bool opaque = true;
  for (const std::uint32_t p : s.pixels) opaque = opaque && (p >> 24) == 255;
  s.alpha = forceAlpha || !opaque;
  if (!s.alpha) {
    for (std::uint32_t& p : s.pixels) p &= 0xFFFFFF;
  }
  out = std::move(s);
  return true;
}

// =============================================================================================
// [SECTION] ICO
// =============================================================================================

bool IsIco(Bytes b) {
  return b.Has(0, 6) && b.U16(0) == 0 && (b.U16(2) == 1 || b.U16(2) == 2) && b.U16(4) > 0;
}

// An icon's picture from its DIB: colour rows, then the 1-bit AND mask (set = transparent).
// 32-bit pictures carry their own alpha; the mask is used only when every alpha byte is 0,
// as in icons written before alpha channels existed.
bool DecodeIconDib(Bytes b, Surface& out) {
  Dib d;
  if (!ParseDib(b, 0, true, d)) return false;
  Surface s;
  if (!DecodeRows(b, d.end, d, d.bpp == 32, s)) return false;
  const std::size_t maskPos = d.end + d.RowBytes() * static_cast<std::size_t>(d.height);
  const std::size_t maskRow = (static_cast<std::size_t>(d.width) + 31) / 32 * 4;
  if (!b.Has(maskPos, maskRow * static_cast<std::size_t>(d.height))) return false;
  bool anyAlpha = false;
  if (d.bpp == 32) {
    for (const std::uint32_t p : s.pixels) anyAlpha = anyAlpha || (p >> 24) != 0;
  }
  if (!anyAlpha) {
    for (int r = 0; r < d.height; ++r) {
      const std::uint8_t* m = b.data + maskPos + maskRow * static_cast<std::size_t>(r);
      std::uint32_t* dst = s.Row(d.height - 1 - r);
      for (int x = 0; x < d.width; ++x) {
        const bool transparent = ((m[x >> 3] >> (7 - (x & 7))) & 1) != 0;
        dst[x] = (dst[x] & 0xFFFFFF) | (transparent ? 0u : 0xFF000000u);
      }
    }
  }
  s.alpha = true;
  out = std::move(s);
  return true;
}

// Takes the largest entry, the deepest of equal sizes: icons are drawn scaled down better than up.
bool DecodeIco(Bytes b, Surface& out) {
  if (!IsIco(b)) return false;
  const std::size_t count = b.U16(4);
  if (!b.Has(6, 16 * count)) return false;
  std::size_t best = 0;
  long long bestArea = -1;
  int bestBpp = -1;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t e = 6 + 16 * i;
    const long long w = b.data[e] == 0 ? 256 : b.data[e];
    const long long h = b.data[e + 1] == 0 ? 256 : b.data[e + 1];
    const int bpp = b.U16(e + 6);
    if (w * h > bestArea || (w * h == bestArea && bpp > bestBpp)) {
      best = e;
      bestArea = w * h;
      bestBpp = bpp;
    }
  }
  const std::size_t bytes = b.U32(best + 8);
  const std::size_t offset = b.U32(best + 12);
  if (!b.Has(offset, bytes)) return false;
  const Bytes entry = b.Sub(offset, bytes);
  return IsPng(entry) ? DecodePng(entry, true, out) : DecodeIconDib(entry, out);
}

// Any picture file the toolkit reads, by content. PNG too: the icon themes that stand in for
// file-type icons ship their pictures as PNG.
bool DecodeAnyPicture(Bytes b, Surface& out) {
  if (IsPng(b)) return DecodePng(b, true, out);
  return IsIco(b) ? DecodeIco(b, out) : DecodeBmp(b, out);
}

// Runs a decoder on bytes. A picture that fits the size limits may still not fit in memory;
// that is a failed load, not an exception through the public API.
template <typename Decode>
bool DecodeWith(Bytes b, Surface& out, Decode decode) {
  try {
    return decode(b, out);
  } catch (const std::bad_alloc&) {
    return false;
  }
}

template <typename Decode>
bool LoadWith(const std::string& utf8Path, Surface& out, Decode decode) {
  try {
    std::vector<std::uint8_t> file;
    if (!ReadFile(utf8Path, file)) return false;
    return DecodeWith(Bytes{file.data(), file.size()}, out, decode);
  } catch (const std::bad_alloc&) {
    return false;
  }
}

}  // namespace

// =============================================================================================
// [SECTION] Public functions
// =============================================================================================

bool LoadBmp(const std::string& utf8Path, Surface& out) {
  return LoadWith(utf8Path, out, DecodeBmp);
}

bool LoadPicture(const std::string& utf8Path, Surface& out) {
  return LoadWith(utf8Path, out, DecodeAnyPicture);
}

bool DecodeBmpBytes(const std::uint8_t* data, std::size_t size, Surface& out) {
  return DecodeWith(Bytes{data, size}, out, DecodeBmp);
}

bool DecodePictureBytes(const std::uint8_t* data, std::size_t size, Surface& out) {
  return DecodeWith(Bytes{data, size}, out, DecodeAnyPicture);
}

bool LoadPng(const std::string& utf8Path, Surface& out) {
  return LoadWith(utf8Path, out, [](Bytes b, Surface& s) { return DecodePng(b, false, s); });
}

bool SavePng(const Surface& s, const std::string& utf8Path) {
  if (!ValidSurfaceSize(s.width, s.height) ||
      s.pixels.size() != static_cast<std::size_t>(s.width) * static_cast<std::size_t>(s.height)) {
    return false;
  }
  SDL_Surface* rgb =
      SDL_CreateRGBSurfaceWithFormat(0, s.width, s.height, 24, SDL_PIXELFORMAT_RGB24);
  if (!rgb) return false;
  SDL_LockSurface(rgb);
  for (int y = 0; y < s.height; ++y) {
    auto* row = static_cast<std::uint8_t*>(rgb->pixels) +
                static_cast<std::size_t>(y) * static_cast<std::size_t>(rgb->pitch);
    const std::uint32_t* from = s.Row(y);
    for (int x = 0; x < s.width; ++x) {
      row[3 * x] = static_cast<std::uint8_t>(from[x]);
      row[3 * x + 1] = static_cast<std::uint8_t>(from[x] >> 8);
      row[3 * x + 2] = static_cast<std::uint8_t>(from[x] >> 16);
    }
  }
  SDL_UnlockSurface(rgb);
  const bool ok = IMG_SavePNG(rgb, utf8Path.c_str()) == 0;
  SDL_FreeSurface(rgb);
  return ok;
}

}  // namespace bevel::detail
