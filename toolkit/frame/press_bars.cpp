// Presses on the TrackBar and the ScrollBar (FLAG_VERTICAL: vertical).
//
// TrackBar states while held: 1 paging down, 2 paging up (a page press never turns round
// while held), 3 dragging the thumb; 5 a drag with the mouse off the bar (release.cpp), which
// resumes when it returns.
//
// ScrollBar states while held: 2 back arrow, 3 forward arrow, 4 dragging the thumb (grab
// offset in hoverItem), 5 a drag with the mouse off the bar. Along the bar (pos from its start,
// len its length): arrows 15 pixels at each end, the track between, thumb at p + 14 .. with
// length T.
//
// Ranges are computed in 64 bits: maximum - minimum can exceed an int.
#include <algorithm>
#include <cmath>

#include "toolkit/frame/press_common.h"
#include "toolkit/frame/press_handling.h"

namespace bevel::detail {

using press::kGone;
using press::N;

namespace {

// Sets value to target when it differs and the handlers allow the step (kind 9 with the
// difference). False when the gadget is gone.
bool StepValueTo(Gadget& g, long long target) {
  const long long difference = target - g.value;
  if (difference == 0) return true;
  const int answer = N(g, 9, static_cast<std::intptr_t>(difference));
  if (answer == kGone) return false;
  if (answer) g.value = static_cast<int>(target);
  return true;
}

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
    if (k >= 0 && !StepValueTo(g, g.minimum + k)) return;
    press::SetEvent(g);
    return;
  }

  if (!press::RepeatDue(g)) return;
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
  g.repeatDelay = press::PageRepeat();
  if (decrease) {
    if (!StepValueTo(g, std::max<long long>(static_cast<long long>(g.value) - page, g.minimum))) {
      return;
    }
    g.state = 1;
    press::SetEvent(g);
  } else if (increase) {
    if (!StepValueTo(g, std::min<long long>(static_cast<long long>(g.value) + page, g.maximum))) {
      return;
    }
    g.state = 2;
    press::SetEvent(g);
  } else {
    const int answer = N(g, 1, 0);
    if (answer == kGone) return;
    if (answer) g.state = 3;
  }
}

void PressScrollBar(Gadget& g, const FrameInput& in) {
  ToolkitState& ts = Toolkit();
  if (N(g, 1, 0) == kGone) return;
  const bool vertical = (g.flags & FLAG_VERTICAL) != 0;
  const int gx = in.ox + g.x, gy = in.oy + g.y;
  const int pos = vertical ? in.my - gy : in.mx - gx;
  const int len = vertical ? g.height : g.width;
  const long long page = g.rows;
  const long long minimum = g.minimum, maximum = g.maximum;
  const long long span = maximum - minimum;
  const long long lastValue = maximum - page + 1;  // the value that shows the last page

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
    if (!press::RepeatDue(g)) return;
    if (zone == 1) {
      if (g.value > minimum) {
        const int answer = N(g, 9, -1);
        if (answer == kGone) return;
        if (answer) --g.value;
      }
      g.state = 2;
      g.repeatDelay = ts.FramesPerTenth;
    } else if (zone == 2) {
      if (g.value < lastValue) {
        const int answer = N(g, 9, 1);
        if (answer == kGone) return;
        if (answer) ++g.value;
      }
      g.state = 3;
      g.repeatDelay = ts.FramesPerTenth;
    } else if (zone == 3) {
      // A page never moves the other way, even from a value set outside the range.
      const long long target = std::max(static_cast<long long>(g.value) - page, minimum);
      if (target < g.value && !StepValueTo(g, target)) return;
      g.repeatDelay = press::PageRepeat();
    } else {
      const long long target = std::min(static_cast<long long>(g.value) + page, lastValue);
      if (target > g.value && !StepValueTo(g, target)) return;
      g.repeatDelay = press::PageRepeat();
    }
    press::SetEvent(g);
    return;
  }

  g.state = 4;
  if (g.hoverItem == -1) {
    g.hoverItem = static_cast<int>(std::clamp(pos - p - 14, -30000.0, 30000.0));
    press::SetEvent(g);
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
    if (!StepValueTo(g, v)) return;
  }
  press::SetEvent(g);
}

}  // namespace bevel::detail
