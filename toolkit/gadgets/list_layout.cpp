// Where the parts of the list-like gadgets lie on the screen.
#include "toolkit/gadgets/list_layout.h"

#include <algorithm>
#include <cmath>

namespace bevel::detail {

long long RowLayout::RowAt(long long py) const {
  const long long below = py - (frame.y + kFrameInset);
  if (below < 0) return 0;
  const long long slot = below / kRowHeight + 1 - hdr;
  return slot >= 1 && slot <= rows ? topItem + slot : 0;
}

ListBar RowLayout::Bar(long long n) const {
  ListBar bar;
  const long long left = frame.Right() - kBarInset;
  bar.up = {left, frame.y + kFrameInset, kBarWidth, kBarWidth};
  bar.down = {left, frame.Bottom() - kBarInset, kBarWidth, kBarWidth};
  bar.track = {left, bar.up.Bottom(), kBarWidth, frame.h - 2 * kBarInset};
  bar.pressColumns = {left, frame.Right() - kBevelOuter};
  // The track holds rows + hdr - 2 rows when the height matches the rows; the thumb covers
  // rows / n of it and moves by the track's share of one row per scrolled row. Evaluated in
  // this order by press and drawing alike, so both see the same doubles.
  const double trackRows = static_cast<double>(rows) + hdr - 2;
  const auto count = static_cast<double>(n);
  bar.step = n > 0 ? trackRows / count * kRowHeight : 0.0;
  bar.thumbTop = bar.step * static_cast<double>(topItem) + static_cast<double>(frame.y) +
                 (kFrameInset + kBarWidth);
  bar.thumbLength = n >= rows && n > 0
                        ? std::ceil(static_cast<double>(rows) / count * trackRows * kRowHeight)
                        : static_cast<double>(bar.track.h);
  return bar;
}

Rect RowLayout::Thumb(const ListBar& bar, long long n) const {
  const long long track = bar.track.h;
  if (track <= 0) return {bar.track.x, bar.track.y, kBarWidth, 0};
  // Far-off values (records set up by hand) are held where the clamps below still see them.
  constexpr double kFar = 1e15;
  const double exact = n > rows ? bar.thumbTop : static_cast<double>(bar.track.y);
  long long top = static_cast<long long>(std::nearbyint(std::clamp(exact, -kFar, kFar)));
  long long thumb = static_cast<long long>(std::clamp(bar.thumbLength, 0.0, kFar));
  if (top + thumb > bar.down.y) --thumb;
  thumb = std::clamp(thumb, std::min<long long>(kMinThumb, track), track);
  top = std::clamp(top, bar.track.y, bar.track.y + track - thumb);
  return {bar.track.x, top, kBarWidth, thumb};
}

namespace {

// Rows in a frame; the bar shows when more rows exist than fit (or always, when asked).
RowLayout FramedRows(const Gadget& g, Rect frame, long long n, int hdr, bool alwaysBar) {
  RowLayout layout;
  layout.frame = frame;
  layout.hdr = hdr;
  layout.rows = g.rows;
  layout.topItem = g.topItem;
  layout.scrollBar = (n > g.rows && n > 0) || alwaysBar;
  layout.image = (g.flags & LIST_IMAGES) ? kImageColumn : 0;
  return layout;
}

}  // namespace

RowLayout ListLayout(const Gadget& g, Rect frame, long long itemCount) {
  RowLayout layout = FramedRows(g, frame, itemCount, (g.flags & LIST_NO_HEADER) ? 0 : 1,
                                (g.flags & LIST_ALWAYS_SCROLLBAR) != 0);
  layout.check = (g.flags & LIST_CHECKBOXES) ? kCheckColumn : 0;
  return layout;
}

RowLayout TreeLayout(const Gadget& g, Rect frame, long long visibleRows) {
  RowLayout layout = FramedRows(g, frame, visibleRows, 0, false);
  layout.check = (g.flags & LIST_CHECKBOXES) ? kCheckColumn : 0;
  return layout;
}

long long ComboListHeight(const Gadget& g) {
  const auto count = static_cast<long long>(g.items.size());
  return count < g.rows ? FramedRowsHeight(count, 0) : g.height;
}

ComboLayout ComboBoxLayout(const Gadget& g, long long x, long long y, long long w, int fieldHeight,
                           long long listHeight) {
  ComboLayout combo;
  combo.field = {x, y, w, fieldHeight};
  combo.dropButton = {x + w - kBarInset, y + kFrameInset, kBarWidth, fieldHeight - kListFrame};
  combo.dropColumns = {x + w - kBarInset, x + w - kBevelOuter};
  const long long top = g.dropUp ? y - listHeight : y + fieldHeight;
  combo.list =
      FramedRows(g, {x, top, w, listHeight}, static_cast<long long>(g.items.size()), 0, false);
  return combo;
}

long long ComboLayout::PickRow(long long py) const {
  const long long below = py - (list.frame.y + kFrameInset);
  if (below < 0) return 0;
  const long long row = list.topItem + below / kRowHeight + 1;
  return list.RowTop(row) - list.frame.y <= list.frame.h - kPickRowClearance ? row : 0;
}

Span ComboLayout::PickColumns() const {
  const Rect& frame = list.frame;
  return {frame.x + kBevelOuter, list.scrollBar ? frame.Right() - kBarInset : frame.Right()};
}

CalendarFace CalendarFaceIn(const Rect& area) {
  return {area.x + (area.w - kFaceWidth) / 2, area.y + (area.h - kFaceHeight) / 2};
}

Rect DateDropDown(long long x, long long y, long long fieldHeight, bool up) {
  return {x, up ? y - kCalendarHeight : y + fieldHeight, kCalendarWidth, kCalendarHeight};
}

}  // namespace bevel::detail
