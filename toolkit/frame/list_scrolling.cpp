// The scroll bar built into lists, trees and the open combo box list, and the wheel rule they
// share.
//
// Scroll bar parts (toolkit/gadgets/list_layout.h), from the list's top, for a list of height h:
//   2 .. 15            up arrow            topItem - 1, repeated every FramesPerTenth frames
//   16 .. thumb top    page up             topItem - (rows - 1), repeated at 4/3 that period
//   thumb              drag                grab offset kept in hoverItem until the update pass
//   below the thumb    page down           topItem + (rows - 1)
//   h - 16 .. h - 3    down arrow          topItem + 1
// The track is (rows + hdr - 2) rows of 14 pixels; the thumb covers rows / n of it and moves by
// (rows + hdr - 2) / n x 14 pixels per item.
#include <algorithm>
#include <cmath>

#include "toolkit/frame/behaviour.h"
#include "toolkit/model/toolkit_state.h"

namespace bevel::detail {

int ListScrollBarPress(Gadget& g, const FrameInput& in, const RowLayout& layout,
                       long long itemCount) {
  const ListBar bar = layout.Bar(itemCount);
  const int mx = in.mx, my = in.my;
  if (!bar.pressColumns.Holds(mx)) return g.state;
  if (!RepeatDue(g)) return g.state;

  const long long n = itemCount;
  const long long rows = g.rows;
  const long long lastTop = std::max(0LL, n - rows);

  if (bar.up.Rows().Holds(my)) {
    if (g.topItem >= 1) StepTo(g, g.topItem, g.topItem - 1LL);
    g.repeatDelay = Toolkit().FramesPerTenth;
    return 2;
  }
  if (bar.down.Rows().Holds(my)) {
    if (g.topItem < n - rows) StepTo(g, g.topItem, g.topItem + 1LL);
    g.repeatDelay = Toolkit().FramesPerTenth;
    return 3;
  }
  const Span track = bar.track.Rows();
  const Rect thumb = layout.Thumb(bar, itemCount);
  if (g.state != 4 && my >= track.lo && my < thumb.y) {
    StepTo(g, g.topItem, g.topItem <= rows - 2 ? 0 : g.topItem - rows + 1);
    g.repeatDelay = PageRepeat();
    return g.state;
  }
  if (g.state != 4 && my >= thumb.Bottom() && my < track.hi) {
    StepTo(g, g.topItem, std::max(0LL, std::min<long long>(g.topItem + rows - 1, n - rows)));
    g.repeatDelay = PageRepeat();
    return g.state;
  }
  if (my < bar.up.y || my >= bar.down.Bottom()) return g.state;

  // The thumb. The first frame keeps where it was grabbed; later frames put the thumb position
  // that holds the mouse at the grab offset. A mouse beyond either end of the track takes the
  // first or the last position (the drag does not stall when moved quickly past an end).
  if (g.hoverItem == -1) {
    g.hoverItem = static_cast<int>(std::clamp(my - bar.thumbTop + 2, -30000.0, 30000.0));
    return 4;
  }
  if (n < 1) return 4;
  const double offset = g.hoverItem;
  long long t = 0;
  if (bar.step > 0) {
    // Thumb position of t: track top + step x t; t is the last with
    // position + offset - step < my <= position + offset.
    const double exact = (my - static_cast<double>(track.lo) - offset) / bar.step;
    t = static_cast<long long>(std::clamp(std::ceil(exact), 0.0, static_cast<double>(n - 1)));
  }
  StepTo(g, g.topItem, std::clamp(t, 0LL, lastTop));
  return 4;
}

void WheelScroll(Gadget& g, int wheel, long long count) {
  const long long rows = std::max(g.rows, 0);
  if (wheel == 0 || count <= rows) return;
  // In 64 bits: an enormous wheel value must not overflow before it is clamped.
  StepTo(g, g.topItem, std::clamp(g.topItem - 3LL * wheel, 0LL, count - rows));
}

}  // namespace bevel::detail
