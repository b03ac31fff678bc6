// HyperLink: its text, in the hover colour while the mouse is over it.
#include "toolkit/render/draw_helpers.h"
#include "toolkit/render/renderers.h"

namespace bevel {

void RenderHyperLink(Gadget& g, int x, int y, int, int text) {
  int align = g.flags & (ALIGN_LEFT | ALIGN_RIGHT | ALIGN_CENTER);
  if ((align & (ALIGN_RIGHT | ALIGN_CENTER)) == 0) align |= ALIGN_LEFT;
  DrawTextBlock(x, y, g.width, g.height, g.text, align, g.state != 0 ? g.hoverColour : text, false);
}

}  // namespace bevel
