// Raster primitives on surfaces. Every operation clips to the surface first; coordinates are
// taken as 64-bit so that far-off positions and huge sizes cannot overflow.
#include <algorithm>
#include <cmath>

#include "services/internal/surface.h"

namespace bevel::detail {
namespace {

std::uint32_t Blend(std::uint32_t dst, std::uint32_t src) {
  const std::uint32_t a = src >> 24;
  if (a == 255) return src & 0xFFFFFF;
  if (a == 0) return dst;
  std::uint32_t out = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const std::uint32_t s = (src >> shift) & 255;
    const std::uint32_t d = (dst >> shift) & 255;
    out |= ((s * a + d * (255 - a) + 127) / 255) << shift;
  }
  return out | (dst & 0xFF000000);
}

}  // namespace

Rect ClipRect(const Surface& s, long long x, long long y, long long w, long long h) {
  Rect r;
  if (w <= 0 || h <= 0) return r;
  const long long x0 = std::max<long long>(x, 0);
  const long long y0 = std::max<long long>(y, 0);
  const long long x1 = std::min<long long>(x + w, s.width);
  const long long y1 = std::min<long long>(y + h, s.height);
  if (x0 >= x1 || y0 >= y1) return r;
  r.x0 = static_cast<int>(x0);
  r.y0 = static_cast<int>(y0);
  r.x1 = static_cast<int>(x1);
  r.y1 = static_cast<int>(y1);
  return r;
}

void FillRect(Surface& s, long long x, long long y, long long w, long long h,
              std::uint32_t colour) {
  const Rect r = ClipRect(s, x, y, w, h);
  if (r.Empty()) return;
  const std::uint32_t c = StoredColour(s, colour);
  for (int yy = r.y0; yy < r.y1; ++yy) {
    std::uint32_t* row = s.Row(yy);
    std::fill(row + r.x0, row + r.x1, c);
  }
}

void InvertRect(Surface& s, long long x, long long y, long long w, long long h) {
  const Rect r = ClipRect(s, x, y, w, h);
  for (int yy = r.y0; yy < r.y1; ++yy) {
    std::uint32_t* row = s.Row(yy);
    for (int xx = r.x0; xx < r.x1; ++xx) row[xx] ^= 0xFFFFFF;
  }
}

void CopySurface(Surface& dst, const Surface& src, long long x, long long y, bool keyed) {
  const Rect r = ClipRect(dst, x, y, src.width, src.height);
  if (r.Empty()) return;
  const int sx0 = static_cast<int>(r.x0 - x);
  for (int yy = r.y0; yy < r.y1; ++yy) {
    const std::uint32_t* from = src.Row(static_cast<int>(yy - y)) + sx0;
    std::uint32_t* to = dst.Row(yy) + r.x0;
    const int n = r.x1 - r.x0;
    if (!keyed) {
      for (int i = 0; i < n; ++i) to[i] = from[i] & 0xFFFFFF;
    } else {
      for (int i = 0; i < n; ++i) {
        if ((from[i] & 0xFFFFFF) != 0) to[i] = from[i] & 0xFFFFFF;
      }
    }
  }
}

void DrawScaled(Surface& dst, const Surface& src, long long x, long long y, long long w,
                long long h) {
  if (src.width <= 0 || src.height <= 0) return;
  const Rect r = ClipRect(dst, x, y, w, h);
  if (r.Empty()) return;
  for (int yy = r.y0; yy < r.y1; ++yy) {
    const int sy = static_cast<int>((yy - y) * src.height / h);
    const std::uint32_t* from = src.Row(sy);
    std::uint32_t* to = dst.Row(yy);
    if (w == src.width && !src.alpha) {
      // Drawn at its own width (the usual case): a plain row copy, no division per pixel.
      const std::uint32_t* run = from + (r.x0 - x);
      for (int xx = r.x0; xx < r.x1; ++xx) to[xx] = StoredColour(dst, *run++);
      continue;
    }
    for (int xx = r.x0; xx < r.x1; ++xx) {
      const int sx = static_cast<int>((xx - x) * src.width / w);
      to[xx] = StoredColour(dst, src.alpha ? Blend(to[xx], from[sx]) : from[sx]);
    }
  }
}

Surface Resized(const Surface& src, int w, int h) {
  Surface out(w, h);
  out.alpha = src.alpha;
  if (src.width <= 0 || src.height <= 0) return out;
  const double fx = static_cast<double>(src.width) / w;
  const double fy = static_cast<double>(src.height) / h;
  for (int y = 0; y < h; ++y) {
    const double syf = std::max(0.0, (y + 0.5) * fy - 0.5);
    const int y0 = std::min(static_cast<int>(syf), src.height - 1);
    const int y1 = std::min(y0 + 1, src.height - 1);
    const double ty = syf - y0;
    for (int x = 0; x < w; ++x) {
      const double sxf = std::max(0.0, (x + 0.5) * fx - 0.5);
      const int x0 = std::min(static_cast<int>(sxf), src.width - 1);
      const int x1 = std::min(x0 + 1, src.width - 1);
      const double tx = sxf - x0;
      std::uint32_t px = 0;
      for (int shift = 0; shift < 32; shift += 8) {
        auto ch = [&](int sx, int sy) {
          return static_cast<double>((src.At(sx, sy) >> shift) & 255);
        };
        const double top = ch(x0, y0) * (1 - tx) + ch(x1, y0) * tx;
        const double bottom = ch(x0, y1) * (1 - tx) + ch(x1, y1) * tx;
        const double v = top * (1 - ty) + bottom * ty;
        px |= static_cast<std::uint32_t>(std::lround(v)) << shift;
      }
      out.At(x, y) = px;
    }
  }
  return out;
}

}  // namespace bevel::detail
