// CheckBox: a sunken 14 x 14 box (left, or right with ALIGN_RIGHT), its tick, and the caption.
#include "services/services.h"
#include "toolkit/render/draw_helpers.h"
#include "toolkit/render/renderers.h"

namespace bevel {

void RenderCheckBox(Gadget& g, int x, int y, int face, int text) {
  const int bx = x + ((g.flags & ALIGN_RIGHT) != 0 ? g.width - 14 : 0);
  const int by = y + (g.height - 14) / 2;
  DrawBevel(bx, by, 14, 14, BEVEL_SUNKEN | BEVEL_NOFILL, face);
  // Held or disabled, the box shows the face colour instead of the light one.
  const bool dim = g.disabled != 0 || g.state == 1 || g.state == 3;
  Box(bx + 2, by + 2, 10, 10, dim ? face : GadgetColour(g, COLOR_LIGHT));
  if (g.state == 2 || g.state == 3) {
    static constexpr int kTickTop[8] = {6, 7, 8, 7, 6, 5, 4, 3};  // columns 3..10
    for (int i = 0; i < 8; ++i) Line(bx + 3 + i, by + kTickTop[i], 0, 3, text);
  }
  int align = g.flags & (ALIGN_LEFT | ALIGN_RIGHT | ALIGN_CENTER);
  if ((align & ALIGN_RIGHT) == 0) align |= ALIGN_LEFT;
  DrawTextBlock(x + 17, y, g.width - 34, g.height, g.text, align, text, true);
}

}  // namespace bevel
