// The row gadgets' frame with its built-in scroll bar, and the item check box.
#include "toolkit/render/list_parts.h"

#include <algorithm>
#include <cmath>

#include "services/services.h"
#include "toolkit/render/draw_helpers.h"
#include "toolkit/render/renderers.h"

namespace bevel::detail {
namespace {

constexpr int kBarWidth = 14;
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

ListFrame DrawListFrame(const Gadget& g, int x, int y, int w, int h, int face, int text,
                        int itemCount, int hdr, bool alwaysBar) {
  DrawBevel(x, y, w, h, BEVEL_SUNKEN | BEVEL_NOFILL, face);
  const int rows = g.rows;
  const int n = itemCount;
  ListFrame frame;
  frame.scrollBar = (n > rows && n > 0) || alwaysBar;
  const int barX = x + w - 16;
  const int up = frame.scrollBar && g.state == 2 ? 1 : 0;
  const int down = frame.scrollBar && g.state == 3 ? 1 : 0;
  if (frame.scrollBar) {
    DrawBevel(barX, y + 2, kBarWidth, kBarWidth, BEVEL_THIN | (up ? BEVEL_SUNKEN : 0), face);
    DrawBevel(barX, y + h - 16, kBarWidth, kBarWidth, BEVEL_THIN | (down ? BEVEL_SUNKEN : 0), face);
    Box(barX, y + 16, kBarWidth, h - 32, ShadeColour(SHADE_TRACK, face));
    frame.margin = 18;
  }
  Box(x + 2, y + 2, w - frame.margin, h - 4, GadgetColour(g, COLOR_LIGHT));
  if (!frame.scrollBar) return frame;

  // The thumb covers rows / n of the track, which is (rows + hdr - 2) rows of 14 pixels when
  // the height matches rows; it moves by that track's share of one item per scrolled item.
  const int track = h - 32;
  if (track > 0) {
    const double trackRows = static_cast<double>(rows) + hdr - 2;
    const double per = n > rows ? trackRows / n : 0.0;
    int top = PinToInt(std::nearbyint(per * kRowHeight * g.topItem + y + 16));
    const double length = n >= rows && n > 0
                              ? static_cast<double>(rows) / n * trackRows * kRowHeight
                              : static_cast<double>(track);
    int thumb = PinToInt(std::ceil(length));
    if (static_cast<long long>(top) + thumb > y + h - 16) --thumb;
    // A topItem or rows that do not fit the items (records set up by hand) would put the thumb
    // off the track; keep it on the track instead. Fitting values never move here.
    // Very long lists would shrink the thumb to nothing (and drop its last pixel on the last
    // page): it keeps a few pixels so the position stays visible.
    thumb = std::clamp(thumb, std::min(4, track), track);
    top = std::clamp(top, y + 16, y + 16 + track - thumb);
    DrawBevel(barX, top, kBarWidth, thumb, BEVEL_THIN | (g.state == 4 ? BEVEL_SUNKEN : 0), face);
  }

  // Arrows: up rows of 1, 3, 5, 7 pixels, down rows of 7, 5, 3, 1, moved one pixel right and
  // down while pressed.
  for (int k = 0; k < 4; ++k) {
    RowRun(y + 7 + up + k, x + w - 10 + up - k, x + w - 10 + up + k, text);
    RowRun(y + h - 11 + down + k, x + w - 13 + down + k, x + w - 7 + down - k, text);
  }
  return frame;
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
