// Pieces the gadget types' behaviour files share.
#include "toolkit/frame/behaviour.h"
#include "toolkit/model/toolkit_state.h"

namespace bevel::detail {

void SetEvent(const Gadget& g) {
  if (!g.dead) Toolkit().EventGadget = g.number;
}

void ArmToggle(Gadget& g) {
  if (g.state == 0) {
    g.state = 1;
  } else if (g.state == 2) {
    g.state = 3;
  }
}

void DisarmToggle(Gadget& g) {
  if (g.state == 1) {
    g.state = 0;
  } else if (g.state == 3) {
    g.state = 2;
  }
}

void ReleaseIdle(Gadget& g) {
  g.state = 0;
}

bool RepeatDue(Gadget& g) {
  if (g.repeatDelay >= 1) {
    --g.repeatDelay;
    return false;
  }
  return true;
}

int PageRepeat() {
  return Toolkit().FramesPerTenth / 3 * 4;
}

bool InsideRect(const FrameInput& in, long long left, long long top, long long width,
                long long height) {
  return in.mx > left && in.mx < left + width - 1 && in.my > top && in.my < top + height - 1;
}

bool Inside(const Gadget& g, const FrameInput& in) {
  if (g.disabled != 0 || g.hidden != 0) return false;
  return InsideRect(in, static_cast<long long>(in.ox) + g.x, static_cast<long long>(in.oy) + g.y,
                    g.width, g.height);
}

}  // namespace bevel::detail
