// Update steps of the click gadgets: Button and ImageButton, CheckBox, Option, Spin and
// HyperLink. Press handling arms them (state 1 clicked, 3 on and clicked); the click completes
// here, in the first frame without a held button. The state changes before kind 2 is sent, so
// a handler reading the gadget sees the result.
#include "toolkit/frame/update_pass.h"
#include "toolkit/model/toolkit_state.h"

namespace bevel::detail {
namespace {

// Option groups are runs of adjacent Options in the gadget list: the group of a set option is
// every Option before and after it up to the first gadget of another type.
void ClearOptionGroup(const Gadget& option) {
  const GadgetList& list = Toolkit().GadgetList;
  for (int i = option.listIndex - 1; Gadget* other = list.At(i); --i) {
    if (other->type != GADGET_OPTION) break;
    other->state = 0;
  }
  for (int i = option.listIndex + 1; Gadget* other = list.At(i); ++i) {
    if (other->type != GADGET_OPTION) break;
    other->state = 0;
  }
}

}  // namespace

void UpdateButton(Gadget& gadget, const FrameInput&) {
  Gadget* g = &gadget;
  if (g->flags & BUTTON_TOGGLE) {
    if (g->state != 1 && g->state != 3) return;
    g->state = g->state == 1 ? 2 : 0;
  } else {
    if (g->state != 1) return;
    g->state = 0;
  }
  N(g, EVENT_CLICK, 0);
}

void UpdateCheckBox(Gadget& gadget, const FrameInput&) {
  Gadget* g = &gadget;
  if (g->state != 1 && g->state != 3) return;
  g->state = g->state == 1 ? 2 : 0;
  N(g, EVENT_CLICK, 0);
}

void UpdateOption(Gadget& gadget, const FrameInput&) {
  Gadget* g = &gadget;
  // 1 clicked, 3 clicked while set: either way the option is set afterwards (a click never
  // clears it) and is the only one of its group.
  if (g->state != 1 && g->state != 3) return;
  g->state = 2;
  ClearOptionGroup(*g);
  N(g, EVENT_CLICK, 0);
}

void UpdateSpin(Gadget& gadget, const FrameInput&) {
  Gadget* g = &gadget;
  // The arrows stepped the value while held; the release reports it once.
  if (g->state != 0) {
    N(g, EVENT_CLICK, 0);
    if (g == nullptr) return;
  }
  g->state = 0;
  g->repeatDelay = 0;
}

void UpdateHyperLink(Gadget& gadget, const FrameInput& in) {
  Gadget* g = &gadget;
  // Unlike the other gadgets, a link counts its left and top edges as inside.
  const long long left = static_cast<long long>(in.ox) + g->x;
  const long long top = static_cast<long long>(in.oy) + g->y;
  const bool inside = g->disabled == 0 && g->hidden == 0 && in.mx >= left &&
                      in.mx < left + g->width && in.my >= top && in.my < top + g->height;
  if (!inside) {
    g->state = 0;
    return;
  }
  if (g->state == 2) {  // clicked
    g->state = 0;
    MakeEventGadget(*g);
    N(g, EVENT_CLICK, 0);
    if (g == nullptr) return;
  }
  // A refused highlight is asked for again in every frame the mouse stays over the link.
  if (g->state == 0 && N(g, EVENT_HOVER, 0)) g->state = 1;
}

}  // namespace bevel::detail
