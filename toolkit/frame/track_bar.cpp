// TrackBar (FLAG_VERTICAL: vertical). States while held: 1 paging down, 2 paging up (a page press
// never turns round while held), 3 dragging the thumb; 5 a drag with the mouse off the bar,
// which resumes when it returns. The release of a drag is reported; page steps are reported as
// they happen.
//
// Ranges are computed in 64 bits: maximum - minimum can exceed an int.
#include <algorithm>
#include <cmath>

#include "toolkit/frame/behaviour.h"

namespace bevel::detail {
namespace {

// The drag of a track bar: the value whose thumb centre band holds pos. Centre of value v is
// c(v) = floor(step x 2 x (v - minimum)) + 5 (mirrored to h - c when vertical), its band
// floor(c - step) <= pos < floor(c + step). Bands grow with v, so the last matching v is found
// by bisection instead of a walk over a range that may span billions. -1 when none matches.
long long DraggedIndex(double step, long long range, int pos, bool vertical, int h) {
  const auto centre = [&](long long k) {
    const long long c = static_cast<long long>(std::floor(step * 2 * static_cast<double>(k))) + 5;
    return vertical ? h - c : c;
  };
  const auto holds = [&](long long k) {
    const double c = static_cast<double>(centre(k));
    return std::floor(c - step) <= pos && pos < std::floor(c + step);
  };
  // Horizontal: bands move right as k grows, so "the band starts at or left of pos" holds up to
  // some k and the last match can only be that k. Vertical: bands move up, so "the band ends
  // right of pos" holds up to some k, likewise. Both predicates are monotone in k.
  const auto before = [&](long long k) {
    const double c = static_cast<double>(centre(k));
    return vertical ? pos < std::floor(c + step) : std::floor(c - step) <= pos;
  };
  if (!before(0)) return -1;
  long long lo = 0, hi = range;  // before(lo) holds; find the last k with before(k)
  while (lo < hi) {
    const long long mid = lo + (hi - lo + 1) / 2;
    if (before(mid)) {
      lo = mid;
    } else {
      hi = mid - 1;
    }
  }
  // Floor rounding can leave a one-pixel gap or overlap between neighbouring bands.
  for (long long k = lo; k >= 0 && k >= lo - 2; --k) {
    if (holds(k)) return k;
  }
  return -1;
}

}  // namespace

void PressTrackBar(Gadget& g, const FrameInput& in) {
  const bool vertical = (g.flags & FLAG_VERTICAL) != 0;
  const long long range = static_cast<long long>(g.maximum) - g.minimum;
  if (range < 1) return;
  const int gx = in.ox + g.x, gy = in.oy + g.y;
  const int h = g.height;
  const int track = (vertical ? g.height : g.width) - 11;
  const int pos = vertical ? in.my - gy : in.mx - gx;

  if (g.state >= 3) {
    g.state = 3;
    const double step = static_cast<double>(track) / static_cast<double>(range) / 2;
    const long long k = DraggedIndex(step, range, pos, vertical, h);
    if (k >= 0) StepTo(g, g.value, g.minimum + k);
    SetEvent(g);
    return;
  }

  if (!RepeatDue(g)) return;
  const double offset = static_cast<double>(g.value) - g.minimum;
  long long tc = static_cast<long long>(
                     std::floor(static_cast<double>(track) / static_cast<double>(range) * offset)) +
                 5;
  if (vertical) tc = h - tc;
  const bool before = pos < tc - 5;
  const bool after = pos >= tc + 5;
  const bool decrease = vertical ? after : before;
  const bool increase = vertical ? before : after;
  const long long page = (range + 4) / 5;  // ceil(range / 5)
  // A page press does not turn round while held: it waits until the thumb reaches the mouse.
  if ((decrease && g.state == 2) || (increase && g.state == 1)) return;
  g.repeatDelay = PageRepeat();
  if (decrease) {
    StepTo(g, g.value, std::max<long long>(static_cast<long long>(g.value) - page, g.minimum));
    g.state = 1;
    SetEvent(g);
  } else if (increase) {
    StepTo(g, g.value, std::min<long long>(static_cast<long long>(g.value) + page, g.maximum));
    g.state = 2;
    SetEvent(g);
  } else if (Ask(g, EVENT_PRESS)) {
    g.state = 3;
  }
}

void ReleaseTrackBar(Gadget& g) {
  // A thumb drag stays armed (5) while the mouse is off the bar.
  g.state = g.state < 3 ? 0 : 5;
}

void UpdateTrackBar(Gadget& g, const FrameInput&) {
  // 3 and above: the thumb was dragged (5 while held outside).
  if (g.state >= 3) Ask(g, EVENT_CLICK);
  g.state = 0;
}

}  // namespace bevel::detail
