// Presses on the simple gadgets: buttons, check boxes, options, hyperlinks and the spin.
//
// A click completes on release (the update pass sees state 1 or 3); here the gadget is only
// armed. Toggle buttons, check boxes and options keep their on/off state in bit 2:
//
//   state before the press   0   2
//   while held over it       1   3
//   released elsewhere       0   2   (release.cpp: the press is cancelled, on/off stays)
#include "toolkit/frame/press_common.h"
#include "toolkit/frame/press_handling.h"

namespace bevel::detail {

using press::kGone;
using press::N;

namespace {

// Arms an on/off gadget: 0 -> 1 and 2 -> 3; other states are left alone.
void ArmToggle(Gadget& g) {
  if (g.state == 0) {
    g.state = 1;
  } else if (g.state == 2) {
    g.state = 3;
  }
}

}  // namespace

void PressButton(Gadget& g, const FrameInput&) {
  if (N(g, 1, 0) <= 0) return;
  if (g.flags & BUTTON_TOGGLE) {
    ArmToggle(g);
  } else {
    g.state = 1;
  }
}

void PressCheckBox(Gadget& g, const FrameInput&) {
  if (N(g, 1, 0) <= 0) return;
  ArmToggle(g);
}

void PressHyperLink(Gadget& g, const FrameInput&) {
  if (N(g, 1, 0) <= 0) return;
  g.state = 2;
}

// Upper half part 1, lower half part 2; by default the upper half counts up. The first frame of
// a press steps at once, then every FramesPerTenth + 1 frames while held.
void PressSpin(Gadget& g, const FrameInput& in) {
  ToolkitState& ts = Toolkit();
  const int gy = in.oy + g.y;
  const double middle = gy + g.height - g.height / 2.0 - 1;
  const int part = in.my < middle ? 1 : 2;
  if (N(g, 1, part - 1) <= 0) return;
  g.state = part;
  press::SetEvent(g);
  if (!press::RepeatDue(g)) return;
  g.repeatDelay = ts.FramesPerTenth;
  const int d = (g.flags & SPIN_REVERSED) ? 2 : 1;
  if (part + d == 3) {
    if (g.value > g.minimum) {
      const int answer = N(g, 9, -1);
      if (answer == kGone) return;
      if (answer) --g.value;
    }
  } else if (part == d) {
    if (g.value < g.maximum) {
      const int answer = N(g, 9, 1);
      if (answer == kGone) return;
      if (answer) ++g.value;
    }
  }
}

}  // namespace bevel::detail
