// HyperLink: highlighted (state 1, the hover colour) while the mouse is over it, if the handlers
// allow; a click (state 2) completes on release.
#include "toolkit/frame/behaviour.h"

namespace bevel::detail {

void PressHyperLink(Gadget& g, const FrameInput&) {
  if (Ask(g, EVENT_PRESS)) g.state = 2;
}

void UpdateHyperLink(Gadget& g, const FrameInput& in) {
  // Unlike the other gadgets, a link counts its left and top edges as inside.
  const long long left = static_cast<long long>(in.ox) + g.x;
  const long long top = static_cast<long long>(in.oy) + g.y;
  const bool inside = g.disabled == 0 && g.hidden == 0 && in.mx >= left && in.mx < left + g.width &&
                      in.my >= top && in.my < top + g.height;
  if (!inside) {
    g.state = 0;
    return;
  }
  if (g.state == 2) {
    g.state = 0;
    SetEvent(g);
    Ask(g, EVENT_CLICK);
  }
  // A refused highlight is asked for again in every frame the mouse stays over the link.
  if (g.state == 0 && Ask(g, EVENT_HOVER)) g.state = 1;
}

}  // namespace bevel::detail
