// ScrollBar (FLAG_VERTICAL: vertical). States while held: 2 back arrow, 3 forward arrow, 4
// dragging the thumb (grab offset in hoverItem), 5 a drag with the mouse off the bar. Along the
// bar (pos from its start, len its length): arrows 15 pixels at each end, the track between,
// thumb at p + 14 .. with length T. The release is reported; the wheel moves the bar.
//
// Ranges are computed in 64 bits: maximum - minimum can exceed an int. The value stays within
// minimum .. maximum - page + 1 as SetGadgetState keeps it: a page below 1 counts as 1 for the
// value, while the thumb is placed with the page as stored, as the renderer draws it.
#include <algorithm>
#include <cmath>

#include "toolkit/frame/behaviour.h"
#include "toolkit/model/toolkit_state.h"

namespace bevel::detail {

void PressScrollBar(Gadget& g, const FrameInput& in) {
  Ask(g, EVENT_PRESS);  // the press itself cannot be refused
  const bool vertical = (g.flags & FLAG_VERTICAL) != 0;
  const int gx = in.ox + g.x, gy = in.oy + g.y;
  const int pos = vertical ? in.my - gy : in.mx - gx;
  const int len = vertical ? g.height : g.width;
  const long long page = g.rows;
  const long long valuePage = std::max(page, 1LL);
  const long long minimum = g.minimum, maximum = g.maximum;
  const long long span = maximum - minimum;
  const long long lastValue = maximum - valuePage + 1;  // the value that shows the last page

  double t = len - 28;
  double s = 0;
  if (maximum >= minimum) {
    t = std::min(static_cast<double>(page) / static_cast<double>(span + 1) * (len - 28),
                 static_cast<double>(len - 28));
    if (page <= span) s = (len - t - 28) / static_cast<double>(span - page + 1);
  }
  const double p = std::floor(s * static_cast<double>(static_cast<long long>(g.value) - minimum));
  const double thumbEnd = p + std::ceil(t) + 14;

  // Arrows and pages repeat while held; the thumb is not a repeated action.
  int zone = 0;  // 1 back arrow, 2 forward arrow, 3 page back, 4 page forward, 0 thumb
  if (g.state < 4) {
    if (pos < 15) {
      zone = 1;
    } else if (pos >= len - 15) {
      zone = 2;
    } else if (pos < p + 14) {
      zone = 3;
    } else if (pos >= thumbEnd) {
      zone = 4;
    }
  }
  if (zone != 0) {
    if (!RepeatDue(g)) return;
    const int arrowRepeat = Toolkit().FramesPerTenth;
    if (zone == 1) {
      if (g.value > minimum) StepTo(g, g.value, g.value - 1LL);
      g.state = 2;
      g.repeatDelay = arrowRepeat;
    } else if (zone == 2) {
      if (g.value < lastValue) StepTo(g, g.value, g.value + 1LL);
      g.state = 3;
      g.repeatDelay = arrowRepeat;
    } else if (zone == 3) {
      // A page never moves the other way, even from a value set outside the range.
      const long long target = std::max(static_cast<long long>(g.value) - valuePage, minimum);
      if (target < g.value) StepTo(g, g.value, target);
      g.repeatDelay = PageRepeat();
    } else {
      const long long target = std::min(static_cast<long long>(g.value) + valuePage, lastValue);
      if (target > g.value) StepTo(g, g.value, target);
      g.repeatDelay = PageRepeat();
    }
    SetEvent(g);
    return;
  }

  g.state = 4;
  if (g.hoverItem == -1) {
    g.hoverItem = static_cast<int>(std::clamp(pos - p - 14, -30000.0, 30000.0));
    SetEvent(g);
    return;
  }
  // Thumb position of v: q(v) = s x (v - minimum) + 14. v is chosen when q(v) + offset >= pos
  // (or v is the last value) and q(v) + offset - s < pos (or v is the first). The first
  // condition holds from some v on, the second up to some v, so one v remains:
  // v - minimum = ceil((pos - 14 - offset) / s), held to the first and last value.
  if (lastValue >= minimum) {
    const double offset = g.hoverItem;
    long long v = minimum;
    if (s > 0) {
      const double k = std::ceil((pos - 14 - offset) / s);
      v = minimum +
          static_cast<long long>(std::clamp(k, 0.0, static_cast<double>(lastValue - minimum)));
    } else if (14 + offset < pos) {
      v = lastValue;
    }
    StepTo(g, g.value, v);
  }
  SetEvent(g);
}

void ReleaseScrollBar(Gadget& g) {
  // A thumb drag stays armed (5) while the mouse is off the bar.
  g.state = g.state < 4 ? 0 : 5;
}

void UpdateScrollBar(Gadget& g, const FrameInput& in) {
  if (g.state != 0) Ask(g, EVENT_CLICK);
  g.state = 0;

  // The wheel moves by a twentieth of the range per notch (at least 1 for any range of 1 or
  // more), against the wheel: away from the user goes towards the minimum. Not while a
  // drop-down is open: the notch belongs to the open list that may cover the bar.
  if (in.wheel == 0 || Toolkit().OpenPopupIndex != -1 || !Inside(g, in)) return;
  const long long low = g.minimum;
  const long long range = std::max(0LL, static_cast<long long>(g.maximum) - low);
  const long long step = (range + 19) / 20;  // ceil(range x 0.05)
  // The value stays within minimum .. maximum - page + 1 (a page below 1 counts as 1; a page
  // larger than the range leaves only the minimum), as SetGadgetState keeps it.
  const long long high = std::max(low, static_cast<long long>(g.maximum) - std::max(g.rows, 1) + 1);
  const long long value = std::clamp(g.value - static_cast<long long>(in.wheel) * step, low, high);
  if (StepTo(g, g.value, value)) SetEvent(g);
}

}  // namespace bevel::detail
