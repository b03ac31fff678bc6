// Update steps of the TrackBar and the ScrollBar: the release of a drag or of an arrow is
// reported, and the wheel moves a scroll bar.
#include <algorithm>

#include "toolkit/frame/update_pass.h"
#include "toolkit/model/toolkit_state.h"

namespace bevel::detail {

void UpdateTrackBar(Gadget& gadget, const FrameInput&) {
  Gadget* g = &gadget;
  // 3 and above: the thumb was dragged (5 while held outside). The page steps of states 1 and
  // 2 were reported as they happened.
  if (g->state >= 3) {
    N(g, EVENT_CLICK, 0);
    if (g == nullptr) return;
  }
  g->state = 0;
}

void UpdateScrollBar(Gadget& gadget, const FrameInput& in) {
  Gadget* g = &gadget;
  if (g->state != 0) {
    N(g, EVENT_CLICK, 0);
    if (g == nullptr) return;
  }
  g->state = 0;

  // The wheel moves by a twentieth of the range per notch (at least 1 for any range of 1 or
  // more), against the wheel: away from the user goes towards the minimum. Not while a
  // drop-down is open: the notch belongs to the open list that may cover the bar.
  if (in.wheel == 0 || Toolkit().OpenPopupIndex != -1 || !Inside(*g, in)) return;
  const long long low = g->minimum;
  const long long range = std::max(0LL, static_cast<long long>(g->maximum) - low);
  const long long step = (range + 19) / 20;  // ceil(range x 0.05)
  // The value stays within minimum .. maximum - page + 1 (a page below 1 counts as 1; a page
  // larger than the range leaves only the minimum), as SetGadgetState keeps it.
  const long long high =
      std::max(low, static_cast<long long>(g->maximum) - std::max(g->rows, 1) + 1);
  const long long value = std::clamp(g->value - static_cast<long long>(in.wheel) * step, low, high);
  if (value == g->value) return;
  if (N(g, EVENT_SCROLL, static_cast<std::intptr_t>(value - g->value))) {
    g->value = static_cast<int>(value);
    MakeEventGadget(*g);
  }
}

}  // namespace bevel::detail
