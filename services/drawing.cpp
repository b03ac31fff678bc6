// Drawing sessions and the shape primitives: plots, lines and boxes, in the normal, invert and
// outline modes. Text and images live in their own files.
#include <algorithm>
#include <cstdlib>

#include "services/internal/service_state.h"
#include "services/services.h"

namespace bevel {
namespace {

using detail::Services;
using detail::Surface;
__extension__ typedef __int128 Int128;

Surface* Target() {
  return Services().drawing.target;
}

std::uint32_t Colour(int colour) {
  return colour == USE_PEN ? Services().drawing.pen : static_cast<std::uint32_t>(colour) & 0xFFFFFF;
}

bool Inverting() {
  return (Services().drawing.mode & DRAW_INVERT) != 0;
}

// One pixel in the session's mode. Caller guarantees a session.
void PutPixel(Surface& s, long long x, long long y, std::uint32_t colour) {
  if (x < 0 || y < 0 || x >= s.width || y >= s.height) return;
  std::uint32_t& p = s.At(static_cast<int>(x), static_cast<int>(y));
  p = Inverting() ? (p ^ 0xFFFFFF) : detail::StoredColour(s, colour);
}

void Rect(Surface& s, long long x, long long y, long long w, long long h, std::uint32_t colour) {
  if (Inverting()) {
    detail::InvertRect(s, x, y, w, h);
  } else {
    detail::FillRect(s, x, y, w, h, colour);
  }
}

// A line from (x0, y0) towards (x1, y1), one pixel per step along the major axis, the minor
// coordinate rounded half up (exact for straight and 45-degree lines). The end point is drawn
// only when includeEnd. Only the steps whose major coordinate lies on the surface are walked,
// so far-off coordinates cost nothing.
void StepLine(Surface& s, long long x0, long long y0, long long x1, long long y1,
              std::uint32_t colour, bool includeEnd) {
  const long long dx = x1 - x0, dy = y1 - y0;
  const bool xMajor = std::llabs(dx) >= std::llabs(dy);
  const long long major0 = xMajor ? x0 : y0, minor0 = xMajor ? y0 : x0;
  const long long dMajor = xMajor ? dx : dy, dMinor = xMajor ? dy : dx;
  const long long n = std::llabs(dMajor);
  if (n == 0) {
    if (includeEnd) PutPixel(s, x0, y0, colour);
    return;
  }
  const long long sMajor = dMajor > 0 ? 1 : -1, sMinor = dMinor >= 0 ? 1 : -1;
  const long long aMinor = std::llabs(dMinor);
  const long long limit = xMajor ? s.width : s.height;
  // Steps i with 0 <= major0 + sMajor * i < limit.
  long long first = 0, last = includeEnd ? n : n - 1;
  if (sMajor > 0) {
    first = std::max(first, -major0);
    last = std::min(last, limit - 1 - major0);
  } else {
    first = std::max(first, major0 - (limit - 1));
    last = std::min(last, major0);
  }
  for (long long i = first; i <= last; ++i) {
    // 128-bit: with far-off coordinates the product exceeds 64 bits.
    const auto q = (static_cast<Int128>(2) * i * aMinor + n) / (2 * static_cast<Int128>(n));
    const long long minor = minor0 + sMinor * static_cast<long long>(q);
    const long long major = major0 + sMajor * i;
    if (xMajor) {
      PutPixel(s, major, minor, colour);
    } else {
      PutPixel(s, minor, major, colour);
    }
  }
}

}  // namespace

int BeginDrawing(int target) {
  EndDrawing();
  Surface* surface = detail::TargetSurface(target);
  if (!surface) return 0;
  detail::DrawingSession& d = Services().drawing;
  d.target = surface;
  d.targetId = target;
  d.mode = 0;
  d.pen = 0;
  d.font = detail::kSystemFont;
  return 1;
}

void EndDrawing() {
  Services().drawing = detail::DrawingSession{};
}

DrawingState CurrentDrawing() {
  const detail::DrawingSession& d = Services().drawing;
  if (d.target == nullptr) return {};
  return {d.targetId, d.mode, static_cast<int>(d.pen), d.font};
}

void ResumeDrawing(const DrawingState& state) {
  if (state.target == 0 || BeginDrawing(state.target) == 0) {
    EndDrawing();
    return;
  }
  detail::DrawingSession& d = Services().drawing;
  d.mode = state.mode & 7;
  d.pen = static_cast<std::uint32_t>(state.pen) & 0xFFFFFF;
  d.font = state.font;
}

void SetDrawMode(int mode) {
  if (Target()) Services().drawing.mode = mode & 7;
}

void SetPenColour(int colour) {
  if (Target()) Services().drawing.pen = static_cast<std::uint32_t>(colour) & 0xFFFFFF;
}

void Plot(int x, int y, int colour) {
  if (Surface* s = Target()) PutPixel(*s, x, y, Colour(colour));
}

int ReadPixel(int x, int y) {
  const Surface* s = Target();
  if (!s || !s->Contains(x, y)) return -1;
  return static_cast<int>(s->At(x, y) & 0xFFFFFF);
}

void Line(int x, int y, int w, int h, int colour) {
  Surface* s = Target();
  if (!s || (w == 0 && h == 0)) return;
  const std::uint32_t c = Colour(colour);
  // Straight lines are the common case (bevels, grooves): draw them as boxes.
  if (h == 0) {
    const long long x0 = w > 0 ? x : static_cast<long long>(x) + w + 1;
    Rect(*s, x0, y, std::llabs(w), 1, c);
  } else if (w == 0) {
    const long long y0 = h > 0 ? y : static_cast<long long>(y) + h + 1;
    Rect(*s, x, y0, 1, std::llabs(h), c);
  } else {
    StepLine(*s, x, y, static_cast<long long>(x) + w, static_cast<long long>(y) + h, c, false);
  }
}

void LineBetween(int x1, int y1, int x2, int y2, int colour) {
  if (Surface* s = Target()) StepLine(*s, x1, y1, x2, y2, Colour(colour), true);
}

void Box(int x, int y, int w, int h, int colour) {
  Surface* s = Target();
  if (!s || w <= 0 || h <= 0) return;
  const std::uint32_t c = Colour(colour);
  if ((Services().drawing.mode & DRAW_OUTLINE) == 0 || w <= 2 || h <= 2) {
    Rect(*s, x, y, w, h, c);
    return;
  }
  // Four non-overlapping strips, so that inverting never flips a corner twice.
  const long long lx = x, ly = y;
  Rect(*s, lx, ly, w, 1, c);
  Rect(*s, lx, ly + h - 1, w, 1, c);
  Rect(*s, lx, ly + 1, 1, h - 2, c);
  Rect(*s, lx + w - 1, ly + 1, 1, h - 2, c);
}

}  // namespace bevel
