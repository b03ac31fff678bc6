// CheckBox and Option: on/off gadgets armed by the press (0 -> 1, 2 -> 3) and settled on release.
// A check box toggles; an option is set by any click (a set option stays set) and clears the
// other options of its group.
#include "toolkit/frame/behaviour.h"
#include "toolkit/gadgets/option_group.h"
#include "toolkit/toolkit.h"

namespace bevel::detail {

void PressCheckBox(Gadget& g, const FrameInput&) {
  if (Ask(g, EVENT_PRESS)) ArmToggle(g);
}

void ReleaseCheckBox(Gadget& g) {
  DisarmToggle(g);
}

void UpdateCheckBox(Gadget& g, const FrameInput&) {
  if (g.state != 1 && g.state != 3) return;
  SetEvent(g);
  g.state = g.state == 1 ? 2 : 0;
  Ask(g, EVENT_CLICK);
}

void UpdateOption(Gadget& g, const FrameInput&) {
  if (g.state != 1 && g.state != 3) return;
  SetEvent(g);
  SetOption(g);
  Ask(g, EVENT_CLICK);
}

}  // namespace bevel::detail
