// Spin: two arrows, the upper half part 1 and the lower half part 2. By default the upper half
// counts up (SPIN_REVERSED swaps them). The first frame of a press steps at once, then every
// FramesPerTenth + 1 frames while held; the release reports the change once.
#include "toolkit/frame/behaviour.h"
#include "toolkit/model/toolkit_state.h"

namespace bevel::detail {

void PressSpin(Gadget& g, const FrameInput& in) {
  const int gy = in.oy + g.y;
  const double middle = gy + g.height - g.height / 2.0 - 1;
  const int part = in.my < middle ? 1 : 2;
  if (!Ask(g, EVENT_PRESS, part - 1)) return;
  g.state = part;
  SetEvent(g);
  if (!RepeatDue(g)) return;
  g.repeatDelay = Toolkit().FramesPerTenth;
  const int up = (g.flags & SPIN_REVERSED) ? 2 : 1;
  if (part != up) {
    if (g.value > g.minimum) StepTo(g, g.value, g.value - 1LL);
  } else if (g.value < g.maximum) {
    StepTo(g, g.value, g.value + 1LL);
  }
}

void UpdateSpin(Gadget& g, const FrameInput&) {
  if (g.state != 0) Ask(g, EVENT_CLICK);
  g.state = 0;
  g.repeatDelay = 0;
}

}  // namespace bevel::detail
