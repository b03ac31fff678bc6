// Button: a 2-pixel bevel, sunken while held or toggled on, with its caption block.
#include "toolkit/render/draw_helpers.h"
#include "toolkit/render/renderers.h"

namespace bevel {

void RenderButton(Gadget& g, int x, int y, int face, int text) {
  const int p = g.state >= 1 ? 1 : 0;
  DrawBevel(x, y, g.width, g.height, p ? BEVEL_SUNKEN : 0, face);
  int align = g.flags & (ALIGN_LEFT | ALIGN_RIGHT | ALIGN_CENTER);
  if ((align & (ALIGN_LEFT | ALIGN_RIGHT)) == 0) align |= ALIGN_CENTER;
  // The caption moves with the pressed face.
  DrawTextBlock(x + p + 5, y + p, g.width - 10, g.height, g.text, align, text, true);
}

}  // namespace bevel
