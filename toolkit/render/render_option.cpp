// Option: a round 14 x 14 mark built from shaded rings, its dot, and a left-aligned caption.
#include "services/services.h"
#include "toolkit/render/draw_helpers.h"
#include "toolkit/render/renderers.h"

namespace bevel {
namespace {

// Inclusive runs relative to the mark's corner.
struct Mark {
  int x, y;
  void Row(int row, int c0, int c1, int colour) const {
    Line(x + c0, y + row, c1 - c0 + 1, 0, colour);
  }
  void Column(int col, int r0, int r1, int colour) const {
    Line(x + col, y + r0, 0, r1 - r0 + 1, colour);
  }
  void Diagonal(int x0, int y0, int x1, int y1, int colour) const {
    LineBetween(x + x0, y + y0, x + x1, y + y1, colour);
  }
  void Pixel(int px, int py, int colour) const { Plot(x + px, y + py, colour); }
};

}  // namespace

void RenderOption(Gadget& g, int x, int y, int face, int text) {
  const Mark m{x, y + (g.height - 14) / 2};
  const int outerDark = ShadeColour(SHADE_INNER_DARK, face);
  m.Row(0, 4, 9, outerDark);
  m.Column(0, 4, 9, outerDark);
  m.Diagonal(1, 3, 4, 0, outerDark);
  m.Diagonal(1, 10, 3, 12, outerDark);
  m.Diagonal(10, 1, 12, 3, outerDark);
  const int innerDark = ShadeColour(SHADE_THIN_DARK, face);
  m.Row(1, 4, 9, innerDark);
  m.Column(1, 4, 9, innerDark);
  m.Diagonal(2, 3, 4, 1, innerDark);
  m.Pixel(2, 10, innerDark);
  m.Pixel(10, 2, innerDark);
  const int outerLight = ShadeColour(SHADE_OUTER_LIGHT, face);
  m.Row(13, 4, 9, outerLight);
  m.Column(13, 4, 9, outerLight);
  m.Diagonal(10, 12, 13, 9, outerLight);
  m.Pixel(3, 12, outerLight);
  m.Pixel(12, 3, outerLight);
  const int innerLight = ShadeColour(SHADE_INNER_LIGHT, face);
  m.Row(12, 4, 9, innerLight);
  m.Column(12, 4, 9, innerLight);
  m.Diagonal(10, 11, 12, 9, innerLight);
  m.Pixel(3, 11, innerLight);
  m.Pixel(11, 3, innerLight);
  const bool dim = g.disabled != 0 || g.state == 1 || g.state == 3;
  const int inside = dim ? face : GadgetColour(g, COLOR_LIGHT);
  Box(m.x + 3, m.y + 3, 8, 8, inside);
  m.Row(2, 4, 9, inside);
  m.Row(11, 4, 9, inside);
  m.Column(2, 4, 9, inside);
  m.Column(11, 4, 9, inside);
  if (g.state == 2 || g.state == 3) {
    m.Row(5, 6, 7, text);
    m.Row(6, 5, 8, text);
    m.Row(7, 5, 8, text);
    m.Row(8, 6, 7, text);
  }
  DrawTextBlock(x + 17, y, g.width - 34, g.height, g.text, ALIGN_LEFT, text, true);
}

}  // namespace bevel
