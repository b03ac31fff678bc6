// The draw dispatch: absolute position, font and colours of a gadget, then its renderer.
#include "services/services.h"
#include "toolkit/core/toolkit_state.h"
#include "toolkit/gadgets/gadget_class.h"
#include "toolkit/render/renderers.h"

namespace bevel {

int GadgetColour(const Gadget& g, int slot) {
  const int index = SlotIndex(slot);
  if (index < 0) return 0;
  const int own = g.colors[static_cast<std::size_t>(index)];
  return own != -1 ? own : Toolkit().GadgetScheme[static_cast<std::size_t>(index)];
}

void DrawGadget(Gadget& g, int originX, int originY) {
  const detail::GadgetClass* cls = detail::ClassOf(g.type);
  if (!cls || !cls->render) return;
  SetDrawFont(GadgetColour(g, COLOR_FONT));
  SetDrawMode(DRAW_TRANSPARENT);
  const int text = GadgetColour(g, g.disabled ? COLOR_SHADOW : COLOR_TEXT);
  const int face = GadgetColour(g, COLOR_FACE);
  cls->render(g, originX + g.x, originY + g.y, face, text);
}

}  // namespace bevel
