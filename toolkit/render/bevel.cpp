// The 3-D bevel: 2-pixel raised or sunken, or thin; edges drawn in order, later over earlier.
#include <algorithm>

#include "services/services.h"
#include "toolkit/render/draw_helpers.h"

namespace bevel {
namespace {

// Inclusive ranges: a row from column x0 to x1, a column from row y0 to y1.
// Inclusive runs, clipped to the bevel's own rectangle: edges of a bevel narrower or lower
// than its edge width never spill outside it; empty ranges draw nothing.
struct Edges {
  int left, top, right, bottom;
  void Row(int y, int x0, int x1, int colour) const {
    x0 = std::max(x0, left);
    x1 = std::min(x1, right);
    if (y >= top && y <= bottom && x1 >= x0) Line(x0, y, x1 - x0 + 1, 0, colour);
  }
  void Column(int x, int y0, int y1, int colour) const {
    y0 = std::max(y0, top);
    y1 = std::min(y1, bottom);
    if (x >= left && x <= right && y1 >= y0) Line(x, y0, 0, y1 - y0 + 1, colour);
  }
};

}  // namespace

void DrawBevel(int x, int y, int w, int h, int style, int colour) {
  if (w <= 0 || h <= 0) return;
  const bool thin = (style & BEVEL_THIN) != 0;
  const bool sunken = (style & BEVEL_SUNKEN) != 0;
  if ((style & BEVEL_NOFILL) == 0) {
    const int b = thin ? 1 : 2;
    Box(x + b, y + b, w - 2 * b, h - 2 * b, ShadeColour(1.0f, colour));
  }
  const int r = x + w - 1, bottom = y + h - 1;
  const Edges e{x, y, r, bottom};
  auto Row = [&e](int yy, int x0, int x1, int c) { e.Row(yy, x0, x1, c); };
  auto Column = [&e](int xx, int y0, int y1, int c) { e.Column(xx, y0, y1, c); };
  if (thin) {
    const int topLeft = ShadeColour(sunken ? SHADE_THIN_DARK : SHADE_INNER_LIGHT, colour);
    const int bottomRight = ShadeColour(sunken ? SHADE_INNER_LIGHT : SHADE_THIN_DARK, colour);
    Row(y, x, r - 1, topLeft);
    Column(x, y, bottom, topLeft);
    Row(bottom, x + 1, r, bottomRight);
    Column(r, y, bottom, bottomRight);
    return;
  }
  const int outerLight = ShadeColour(SHADE_OUTER_LIGHT, colour);
  const int innerLight = ShadeColour(SHADE_INNER_LIGHT, colour);
  const int outerDark = ShadeColour(SHADE_OUTER_DARK, colour);
  const int innerDark = ShadeColour(SHADE_INNER_DARK, colour);
  if (!sunken) {
    Row(y, x, r - 1, outerLight);
    Column(x, y, bottom, outerLight);
    Row(y + 1, x + 1, r - 2, innerLight);
    Column(x + 1, y + 1, bottom - 1, innerLight);
    Row(bottom, x + 1, r, outerDark);
    Column(r, y, bottom, outerDark);
    Row(bottom - 1, x + 2, r - 1, innerDark);
    Column(r - 1, y + 1, bottom - 1, innerDark);
  } else {
    Row(y, x, r, outerDark);
    Column(x, y, bottom - 1, outerDark);
    Row(y + 1, x + 1, r - 1, innerDark);
    Column(x + 1, y + 1, bottom - 2, innerDark);
    Row(bottom, x, r, outerLight);
    Column(r, y + 1, bottom, outerLight);
    Row(bottom - 1, x + 1, r - 1, innerLight);
    Column(r - 1, y + 2, bottom - 1, innerLight);
  }
}

}  // namespace bevel
