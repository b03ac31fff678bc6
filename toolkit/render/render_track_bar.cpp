// TrackBar: a sunken groove, tick marks at the ends (and at every value with FLAG_TICKS) and a
// pointed thumb, horizontal (pointing down, minimum at the left) or vertical (pointing right,
// minimum at the bottom).
//
// Positions along the bar are floor(span / range * (v - minimum)) (ceil for the vertical
// ticks), computed exactly in integers, so the maximum always lands on the end tick.
#include <algorithm>

#include "services/services.h"
#include "toolkit/render/draw_helpers.h"
#include "toolkit/render/list_parts.h"
#include "toolkit/render/renderers.h"

namespace bevel {
namespace {

// Ticks and the thumb keep 5 pixels from each end; the groove is 4 pixels wide.
constexpr int kEndInset = 5;
constexpr int kTickStart = 22;
// Gadgets are at most 16-bit wide; a larger span is held here, which bounds the tick loop and
// keeps the products below in 64 bits.
constexpr long long kSpanLimit = 1LL << 16;

struct ThumbColours {
  int outer1, inner1, outer2, inner2;  // top-left outer and inner, bottom-right outer and inner
};

long long FloorDiv(long long a, long long b) {
  const long long q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

long long CeilDiv(long long a, long long b) {
  return -FloorDiv(-a, b);
}

// floor or ceil of span / range * k. range and |k| stay below 2^33 (differences of two ints).
long long Along(long long span, long long range, long long k, bool roundUp) {
  span = std::clamp(span, -kSpanLimit, kSpanLimit);
  return roundUp ? CeilDiv(span * k, range) : FloorDiv(span * k, range);
}

// Draws `tick(offset)` for the position of every value strictly between minimum and maximum.
// With more values than pixels consecutive positions differ by at most one, so then every
// offset between the first and the last inner position is a tick and the values need not be
// visited one by one; otherwise there are fewer values than pixels of the gadget.
template <class Tick>
void ForInnerTicks(long long span, long long range, bool roundUp, Tick tick) {
  if (range < 2) return;
  if (range > std::clamp(span < 0 ? -span : span, 0LL, kSpanLimit)) {
    const long long a = Along(span, range, 1, roundUp);
    const long long b = Along(span, range, range - 1, roundUp);
    for (long long o = std::min(a, b); o <= std::max(a, b); ++o) tick(o);
    return;
  }
  for (long long k = 1; k < range; ++k) tick(Along(span, range, k, roundUp));
}

void Diagonal(int x, int y, int dx, int dy, int count, int colour) {
  for (int k = 0; k < count; ++k) Plot(x + k * dx, y + k * dy, colour);
}

void DrawHorizontal(const Gadget& g, int x, int y, int face, int text, const ThumbColours& c,
                    long long range) {
  const int w = detail::PinToInt(g.width), h = detail::PinToInt(g.height);
  const int darkest = ShadeColour(SHADE_OUTER_DARK, face);
  const int light = ShadeColour(SHADE_OUTER_LIGHT, face);
  detail::RowRun(y + 7, x, x + w - 1, darkest);
  detail::ColumnRun(x, y + 7, y + 9, darkest);
  detail::RowRun(y + 8, x + 1, x + w - 1, ShadeColour(SHADE_INNER_DARK, face));
  detail::RowRun(y + 10, x, x + w - 1, light);
  detail::ColumnRun(x + w - 1, y + 8, y + 10, light);
  detail::RowRun(y + 9, x + 1, x + w - 2, face);
  if (range <= 0) return;

  const long long span = w - 11;
  const auto tick = [&](long long offset) {
    detail::ColumnRun(detail::PinToInt(x + kEndInset + offset), y + kTickStart, y + h - 1, text);
  };
  tick(0);
  tick(span);
  if (g.flags & FLAG_TICKS) ForInnerTicks(span, range, false, tick);

  const int tx = detail::PinToInt(
      x + kEndInset + Along(span, range, static_cast<long long>(g.value) - g.minimum, false));
  Box(tx - 3, y + 2, 7, 16, face);
  Plot(tx, y + 18, face);
  detail::RowRun(y, tx - 5, tx + 4, c.outer1);
  detail::ColumnRun(tx - 5, y, y + 15, c.outer1);
  Diagonal(tx - 5, y + 15, 1, 1, 5, c.outer1);
  detail::RowRun(y + 1, tx - 4, tx + 3, c.inner1);
  detail::ColumnRun(tx - 4, y + 1, y + 15, c.inner1);
  Diagonal(tx - 4, y + 15, 1, 1, 4, c.inner1);
  detail::ColumnRun(tx + 5, y, y + 15, c.outer2);
  Diagonal(tx + 5, y + 15, -1, 1, 6, c.outer2);
  detail::ColumnRun(tx + 4, y + 1, y + 15, c.inner2);
  Diagonal(tx + 4, y + 15, -1, 1, 5, c.inner2);
}

void DrawVertical(const Gadget& g, int x, int y, int face, int text, const ThumbColours& c,
                  long long range) {
  const int w = detail::PinToInt(g.width), h = detail::PinToInt(g.height);
  const int darkest = ShadeColour(SHADE_OUTER_DARK, face);
  const int light = ShadeColour(SHADE_OUTER_LIGHT, face);
  detail::ColumnRun(x + 7, y, y + h - 1, darkest);
  detail::RowRun(y, x + 7, x + 9, darkest);
  detail::ColumnRun(x + 8, y + 1, y + h - 1, ShadeColour(SHADE_INNER_DARK, face));
  detail::ColumnRun(x + 10, y, y + h - 1, light);
  detail::RowRun(y + h - 1, x + 8, x + 10, light);
  detail::ColumnRun(x + 9, y + 1, y + h - 2, face);
  if (range <= 0) return;

  // Ticks count from the top here, the thumb from the bottom.
  const long long span = h - 11;
  const auto tick = [&](long long offset) {
    detail::RowRun(detail::PinToInt(y + kEndInset + offset), x + kTickStart, x + w - 1, text);
  };
  tick(0);
  tick(span);
  if (g.flags & FLAG_TICKS) ForInnerTicks(span, range, true, tick);

  const int ty = detail::PinToInt(
      y + h - 6 - Along(span, range, static_cast<long long>(g.value) - g.minimum, false));
  Box(x + 2, ty - 3, 16, 7, face);
  Plot(x + 18, ty, face);
  detail::ColumnRun(x, ty - 5, ty + 4, c.outer1);
  detail::RowRun(ty - 5, x, x + 15, c.outer1);
  Diagonal(x + 15, ty - 5, 1, 1, 5, c.outer1);
  detail::ColumnRun(x + 1, ty - 4, ty + 3, c.inner1);
  detail::RowRun(ty - 4, x + 1, x + 15, c.inner1);
  Diagonal(x + 15, ty - 4, 1, 1, 4, c.inner1);
  detail::RowRun(ty + 5, x, x + 15, c.outer2);
  Diagonal(x + 15, ty + 5, 1, -1, 6, c.outer2);
  detail::RowRun(ty + 4, x + 1, x + 15, c.inner2);
  Diagonal(x + 15, ty + 4, 1, -1, 5, c.inner2);
}

}  // namespace

void RenderTrackBar(Gadget& g, int x, int y, int face, int text) {
  // While dragged (state 3) the thumb's light and dark edges swap, so it looks pressed.
  const bool dragged = g.state == 3;
  const int c1 = ShadeColour(dragged ? SHADE_OUTER_DARK : SHADE_OUTER_LIGHT, face);
  const int c2 = ShadeColour(dragged ? SHADE_INNER_DARK : SHADE_INNER_LIGHT, face);
  const int c3 = ShadeColour(dragged ? SHADE_OUTER_LIGHT : SHADE_OUTER_DARK, face);
  const int c4 = ShadeColour(dragged ? SHADE_INNER_LIGHT : SHADE_INNER_DARK, face);
  const ThumbColours colours{c1, c2, c3, c4};
  const long long range = static_cast<long long>(g.maximum) - g.minimum;
  x = detail::PinToInt(x), y = detail::PinToInt(y);
  if (g.flags & FLAG_VERTICAL) {
    DrawVertical(g, x, y, face, text, colours, range);
  } else {
    DrawHorizontal(g, x, y, face, text, colours, range);
  }
}

}  // namespace bevel
