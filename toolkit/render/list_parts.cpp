// The row gadgets' frame with its built-in scroll bar, and the item check box.
#include "toolkit/render/list_parts.h"

#include <algorithm>
#include <cmath>

#include "services/services.h"
#include "toolkit/render/draw_helpers.h"
#include "toolkit/render/renderers.h"

namespace bevel::detail {
namespace {

// The arrows: four rows from 5 below the arrow box's top, centred on its column 6.
constexpr int kArrowTop = 5;
constexpr int kArrowCentre = 6;
// Far outside any surface, yet far from the ends of int, so sums of a few stay defined.
constexpr long long kPinLimit = 1LL << 28;
// Top row of each of the tick's eight 3-pixel columns, relative to the box origin.
constexpr int kTickTop[8] = {5, 6, 7, 6, 5, 4, 3, 2};

}  // namespace

int PinToInt(long long v) {
  return static_cast<int>(std::clamp(v, -kPinLimit, kPinLimit));
}

int PinToInt(double v) {
  if (std::isnan(v)) return 0;
  const auto limit = static_cast<double>(kPinLimit);
  return static_cast<int>(std::clamp(v, -limit, limit));
}

void RowRun(int y, int x0, int x1, int colour) {
  if (x1 >= x0) Line(x0, y, x1 - x0 + 1, 0, colour);
}

void ColumnRun(int x, int y0, int y1, int colour) {
  if (y1 >= y0) Line(x, y0, 0, y1 - y0 + 1, colour);
}

void FillRect(const Rect& r, int colour) {
  Box(PinToInt(r.x), PinToInt(r.y), PinToInt(r.w), PinToInt(r.h), colour);
}

void DrawListFrame(const Gadget& g, const RowLayout& layout, long long itemCount, int face,
                   int text) {
  const Rect& frame = layout.frame;
  DrawBevel(PinToInt(frame.x), PinToInt(frame.y), PinToInt(frame.w), PinToInt(frame.h),
            BEVEL_SUNKEN | BEVEL_NOFILL, face);
  const ListBar bar = layout.Bar(itemCount);
  const int up = layout.scrollBar && g.state == 2 ? 1 : 0;
  const int down = layout.scrollBar && g.state == 3 ? 1 : 0;
  const auto drawButton = [&](const Rect& r, bool pressed) {
    DrawBevel(PinToInt(r.x), PinToInt(r.y), PinToInt(r.w), PinToInt(r.h),
              BEVEL_THIN | (pressed ? BEVEL_SUNKEN : 0), face);
  };
  if (layout.scrollBar) {
    drawButton(bar.up, up != 0);
    drawButton(bar.down, down != 0);
    FillRect(bar.track, ShadeColour(SHADE_TRACK, face));
  }
  FillRect(layout.RowsArea(), GadgetColour(g, COLOR_LIGHT));
  if (!layout.scrollBar) return;

  const Rect thumb = layout.Thumb(bar, itemCount);
  if (thumb.h > 0) drawButton(thumb, g.state == 4);

  // Arrows: up rows of 1, 3, 5, 7 pixels, down rows of 7, 5, 3, 1, moved one pixel right and
  // down while pressed.
  const int bx = PinToInt(bar.up.x) + kArrowCentre;
  const int upTop = PinToInt(bar.up.y) + kArrowTop, downTop = PinToInt(bar.down.y) + kArrowTop;
  for (int k = 0; k < 4; ++k) {
    RowRun(upTop + up + k, bx + up - k, bx + up + k, text);
    RowRun(downTop + down + k, bx - 3 + down + k, bx + 3 + down - k, text);
  }
}

void DrawItemCheckBox(int ox, int oy, int itemState, int face, int text) {
  RowRun(oy, ox + 3, ox + 13, text);
  ColumnRun(ox + 3, oy, oy + 11, text);
  RowRun(oy + 11, ox + 4, ox + 14, text);
  ColumnRun(ox + 14, oy, oy + 11, text);
  if (itemState & ITEM_CHECK_CLICKED) Box(ox + 4, oy + 1, 10, 10, face);
  if (itemState & ITEM_CHECKED) {
    for (int c = 0; c < 8; ++c) ColumnRun(ox + 5 + c, oy + kTickTop[c], oy + kTickTop[c] + 2, text);
  }
}

}  // namespace bevel::detail
