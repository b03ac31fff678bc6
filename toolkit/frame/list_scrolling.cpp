// The scroll bar built into lists, trees and the open combo box list, and the wheel rule they
// share.
//
// Scroll bar geometry, from the list's top (screen rows), for a list of height h:
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
namespace {

constexpr int kRow = 14;

}  // namespace

int ListScrollBarPress(Gadget& g, const FrameInput& in, int itemCount, int listTop, int listHeight,
                       int hdr) {
  const int gx = in.ox + g.x;
  const int w = g.width, h = listHeight, gy = listTop;
  const int mx = in.mx, my = in.my;
  if (mx < gx + w - 16 || mx > gx + w - 2) return g.state;
  if (!RepeatDue(g)) return g.state;

  const long long n = itemCount;
  const long long rows = g.rows;
  // Pixels the thumb moves per item; 0 for an empty list (the thumb then fills the track).
  const double trackRows = static_cast<double>(g.rows) + hdr - 2;
  const double perItem = n > 0 ? trackRows / itemCount * kRow : 0.0;
  const double thumbLength =
      n >= rows && n > 0 ? std::ceil(static_cast<double>(g.rows) / itemCount * trackRows * kRow)
                         : static_cast<double>(h - 32);
  const double thumbTop = n < 1 ? gy + 16.0 : gy + perItem * g.topItem + 16;
  const long long lastTop = std::max(0LL, n - rows);

  if (my >= gy + 2 && my < gy + 16) {
    if (g.topItem >= 1) StepTo(g, g.topItem, g.topItem - 1LL);
    g.repeatDelay = Toolkit().FramesPerTenth;
    return 2;
  }
  if (my >= gy + h - 16 && my < gy + h - 2) {
    if (g.topItem < n - rows) StepTo(g, g.topItem, g.topItem + 1LL);
    g.repeatDelay = Toolkit().FramesPerTenth;
    return 3;
  }
  if (g.state != 4 && my >= gy + 16 && my < thumbTop) {
    StepTo(g, g.topItem, g.topItem <= rows - 2 ? 0 : g.topItem - rows + 1);
    g.repeatDelay = PageRepeat();
    return g.state;
  }
  if (g.state != 4 && my >= thumbTop + thumbLength && my < gy + h - 16) {
    StepTo(g, g.topItem, std::max(0LL, std::min<long long>(g.topItem + rows - 1, n - rows)));
    g.repeatDelay = PageRepeat();
    return g.state;
  }
  if (my < gy + 2 || my >= gy + h - 2) return g.state;

  // The thumb. The first frame keeps where it was grabbed; later frames put the thumb position
  // that holds the mouse at the grab offset. A mouse beyond either end of the track takes the
  // first or the last position (the drag does not stall when moved quickly past an end).
  if (g.hoverItem == -1) {
    g.hoverItem = static_cast<int>(std::clamp(my - thumbTop + 2, -30000.0, 30000.0));
    return 4;
  }
  if (n < 1) return 4;
  const double offset = g.hoverItem;
  long long t = 0;
  if (perItem > 0) {
    // Thumb position of t: gy + 16 + perItem x t; t is the last with
    // position + offset - perItem < my <= position + offset.
    const double exact = (my - (gy + 16) - offset) / perItem;
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
