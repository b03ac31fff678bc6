// A 32-bit picture in memory: the back buffer, a sprite or an image.
//
// Pixels are 0xAABBGGRR: the low 24 bits are the interface colour, the top byte is alpha and is
// meaningful only for images that carry transparency (alpha == true). Surfaces without alpha
// keep the top byte 0.
//
// Invariant: pixels.size() == width * height, width and height >= 0.
#pragma once

#include <cstdint>
#include <vector>

namespace bevel::detail {

// Largest side accepted for any surface; bigger requests fail instead of exhausting memory.
inline constexpr int kMaxSurfaceSide = 16384;

struct Surface {
  int width = 0;
  int height = 0;
  bool alpha = false;
  std::vector<std::uint32_t> pixels;

  Surface() = default;
  Surface(int w, int h, std::uint32_t fill = 0)
      : width(w),
        height(h),
        pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill) {}

  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
  std::uint32_t* Row(int y) { return pixels.data() + static_cast<std::size_t>(y) * width; }
  const std::uint32_t* Row(int y) const {
    return pixels.data() + static_cast<std::size_t>(y) * width;
  }
  // Caller guarantees Contains(x, y).
  std::uint32_t& At(int x, int y) { return Row(y)[x]; }
  std::uint32_t At(int x, int y) const { return Row(y)[x]; }
};

// A colour as stored on s: pictures with an alpha channel get opaque pixels.
inline std::uint32_t StoredColour(const Surface& s, std::uint32_t colour) {
  return (colour & 0xFFFFFF) | (s.alpha ? 0xFF000000u : 0u);
}

// True when a w x h surface may be created.
inline bool ValidSurfaceSize(int w, int h) {
  return w > 0 && h > 0 && w <= kMaxSurfaceSide && h <= kMaxSurfaceSide;
}

// A rectangle, half open: [x0, x1) x [y0, y1).
struct Rect {
  int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  bool Empty() const { return x0 >= x1 || y0 >= y1; }
};

// The part of (x, y, w, h) inside the surface; computed in 64 bits so far-off coordinates and
// huge sizes cannot overflow.
Rect ClipRect(const Surface& s, long long x, long long y, long long w, long long h);

// Raster primitives on a surface, all clipped. colour is 0x00BBGGRR.
void FillRect(Surface& s, long long x, long long y, long long w, long long h, std::uint32_t colour);
void InvertRect(Surface& s, long long x, long long y, long long w, long long h);
// Copies src to dst at (x, y); keyed: black source pixels are skipped.
void CopySurface(Surface& dst, const Surface& src, long long x, long long y, bool keyed);
// Draws src scaled to w x h at (x, y) (nearest neighbour), blending when src has alpha.
void DrawScaled(Surface& dst, const Surface& src, long long x, long long y, long long w,
                long long h);
// Bilinear resize (used by ResizeImage).
Surface Resized(const Surface& src, int w, int h);

}  // namespace bevel::detail
