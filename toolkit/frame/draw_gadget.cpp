// The draw dispatch: absolute position, font and colours of a gadget, then its class's renderer.
#include "toolkit/frame/draw_gadget.h"

#include "services/services.h"
#include "toolkit/model/colours.h"
#include "toolkit/model/gadget_class.h"

namespace bevel {

void DrawGadget(Gadget& g, int originX, int originY) {
  const detail::RenderFn render = detail::ClassOf(g).render;
  if (render == nullptr) return;
  SetDrawFont(GadgetColour(g, COLOR_FONT));
  SetDrawMode(DRAW_TRANSPARENT);
  const int text = GadgetColour(g, g.disabled ? COLOR_SHADOW : COLOR_TEXT);
  const int face = GadgetColour(g, COLOR_FACE);
  render(g, originX + g.x, originY + g.y, face, text);
}

}  // namespace bevel
