// A press on a String (and the text field of an editable ComboBox): the field takes the
// keyboard focus and a caret-placement point.
//
// The renderer is the only place that knows where characters land, so the press leaves the
// click as a pick point and a state telling the renderer which ends to place there:
//
//   frame of the press   state 4   both ends at the point: a caret, no selection
//   later held frames    state 3   only the caret follows the mouse: a drag selects
//
// so even a click that lasts one frame leaves both ends valid. Until the renderer has placed
// them, a field that had no caret gets both ends at the end of its text.
#include <algorithm>

#include "toolkit/frame/press_common.h"
#include "toolkit/frame/press_handling.h"

namespace bevel::detail {

using press::N;

namespace {

// The renderer reads a pick coordinate of 0 as "no point", and a point above the first line's
// top (2) as lying on no line: keep the point on the field's first text row and column.
constexpr int kFirstPickX = 1;
constexpr int kFirstPickY = 2;

}  // namespace

namespace press {

void TakeTextFocus(Gadget& g, const FrameInput& in) {
  ToolkitState& ts = Toolkit();
  if (N(g, 1, 0) != press::kAllowed) return;
  const int old = g.state;
  g.state = old >= 2 ? 3 : 4;
  if (g.selectionStart < 0 || g.cursor < 0) {
    const int length = static_cast<int>(std::min<std::size_t>(g.text.size(), 0x7fffffff));
    g.selectionStart = length;
    g.cursor = length;
  }
  const int gx = in.ox + g.x, gy = in.oy + g.y;
  g.pickX = std::max(in.mx - gx, kFirstPickX);
  g.pickY = std::max(in.my - gy, kFirstPickY);
  g.blinkPhase = ts.BlinkFrames - 1;
  g.blinkPhase2 = ts.BlinkFrames;
  g.altCode = 0;
  SetEvent(g);
  if (old == 0) N(g, 11, 0);  // focus gained; nothing follows, so a vanished gadget is fine
}

}  // namespace press

void PressString(Gadget& g, const FrameInput& in) {
  press::TakeTextFocus(g, in);
}

}  // namespace bevel::detail
