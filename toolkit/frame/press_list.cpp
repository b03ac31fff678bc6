// Presses on ColumnList and FileList: item check boxes, header columns, rows with single,
// multi and extended selection, the right button, file list navigation and the scroll bar.
//
// Item bit 0x20 marks a row already handled by the current press, so that holding the button
// on a row acts once: a multi-select row toggles once, an extended-select row is selected once,
// and dragging onto another row acts on that one. The anchor is the row newly acted on in this
// frame; every other row then loses its mark (and, in extended mode without Ctrl, its
// selection), and Shift fills the range from the previous selection up to the anchor.
//
// Rows: item i (1-based) is visible when topItem < i <= topItem + rows and spans the screen
// rows gy + (i - topItem + hdr - 1) x 14 + 2 .. gy + (i - topItem + hdr) x 14 + 1.
#include <algorithm>
#include <cstddef>
#include <string_view>

#include "toolkit/frame/press_common.h"
#include "toolkit/frame/press_handling.h"
#include "toolkit/gadgets/column_entries.h"
#include "toolkit/gadgets/file_list.h"

namespace bevel::detail {

using press::kGone;
using press::N;

namespace {

constexpr int kRow = 14;
constexpr int kCheckColumn = 14;
// The record keeps the number of added columns in a byte.
constexpr int kMaxExtraColumns = 255;

int ItemCount(const Gadget& g) {
  return static_cast<int>(std::min<std::size_t>(g.items.size(), 0x7fffffff));
}

// The visible item (1-based) whose row holds screen row my, 0 for none.
int RowAt(const Gadget& g, int gy, int my, int hdr) {
  const long long below =
      static_cast<long long>(my) - gy - 1;  // row k holds (k-1)*14 < below <= k*14
  if (below < 1) return 0;
  const long long k = (below + kRow - 1) / kRow - hdr;
  if (k < 1 || k > g.rows) return 0;
  const long long i = static_cast<long long>(g.topItem) + k;
  return i >= 1 && i <= ItemCount(g) ? static_cast<int>(i) : 0;
}

// The anchor pass: run over every item once (no allocation). Returns false when the gadget
// is gone.
bool AnchorPass(Gadget& g, int anchor, int rangeStart, bool extended, bool ctrl, bool shift) {
  const int low = std::min(rangeStart, anchor);
  const int high = std::max(rangeStart, anchor);
  for (std::size_t k = 0; k < g.items.size(); ++k) {
    const int i = static_cast<int>(k) + 1;
    if (i == anchor) continue;
    int& state = g.items[k].itemState;
    state &= ~ITEM_HOVER;
    if (!extended) continue;
    if (!ctrl) state &= ~ITEM_SELECTED;
    // Range start included, anchor excluded.
    if (shift && rangeStart > 0 && i >= low && i <= high) {
      const int answer = N(g, 4, i - 1);
      if (answer == kGone) return false;
      // A handler may have removed items.
      if (answer && k < g.items.size()) g.items[k].itemState |= ITEM_SELECTED;
    }
  }
  return true;
}

}  // namespace

void PressList(Gadget& g, const FrameInput& in) {
  const int number = g.number;
  if (N(g, 1, 0) == kGone) return;
  const int gx = in.ox + g.x, gy = in.oy + g.y;
  const int w = g.width, h = g.height;
  const int mx = in.mx, my = in.my;
  const int hdr = (g.flags & LIST_NO_HEADER) ? 0 : 1;
  const int chk = (g.flags & LIST_CHECKBOXES) ? kCheckColumn : 0;
  const bool scrollBar = ItemCount(g) > g.rows || (g.flags & LIST_ALWAYS_SCROLLBAR);

  if (my > gy + 1 && my < gy + h - 2) {
    const bool ctrl = press::CtrlHeld();
    const bool shift = press::ShiftHeld();
    const int row = RowAt(g, gy, my, hdr);

    if (chk) {
      const int pressed = row != 0 && mx <= gx + kCheckColumn && in.left ? row : 0;
      // A pending check stays only on the box still held; every item is visited because the
      // marked row may have scrolled out of view during the press.
      for (std::size_t k = 0; k < g.items.size(); ++k) {
        if (static_cast<int>(k) + 1 != pressed) g.items[k].itemState &= ~ITEM_CHECK_CLICKED;
      }
      if (pressed != 0) {
        const int answer = N(g, 6, pressed - 1);
        if (answer == kGone) return;
        if (answer && pressed <= ItemCount(g)) {
          g.items[static_cast<std::size_t>(pressed - 1)].itemState |= ITEM_CHECK_CLICKED;
        }
      }
    }

    const bool noSelection = (g.flags & LIST_NO_SELECTION) != 0;
    const bool multi = (g.flags & LIST_MULTI_SELECT) != 0;
    const bool extended = !multi && (g.flags & LIST_EXTENDED_SELECT) != 0;
    const bool headerPressable = hdr == 1 && (g.flags & LIST_HEADER_FIXED) == 0;
    int anchor = 0, rangeStart = 0;
    bool rowDone = false;  // overlapping column edges must not act on the row twice

    const int columns = std::clamp(g.columnCount, 0, kMaxExtraColumns);
    std::size_t columnPos = 0;
    int left = ReadColumnEntry(g.columns, columnPos).left + chk;
    for (int col = 0; col <= columns; ++col) {
      const bool lastColumn = col == columns;
      const int right =
          lastColumn ? w - (scrollBar ? 18 : 4) : ReadColumnEntry(g.columns, columnPos).left + chk;
      const bool inColumn = mx >= gx + left + 2 && mx < gx + right + 2;
      left = right;

      if (headerPressable) {
        if (g.pressedColumn == col + 1) g.pressedColumn = 0;
        if (inColumn && my >= gy + 2 && my < gy + 16 && in.left) {
          g.pressedColumn = col + 1;
          g.state = 0;
        }
      }

      if (row == 0 || !inColumn || rowDone) continue;
      rowDone = true;
      const int i = row;
      if (!noSelection) g.state = 1;
      if (in.doubleClick) g.activated = 1;
      g.clickedRow = col + 1;
      if (in.right && !in.left) {
        if (N(g, 5, i - 1) == kGone) return;
        continue;
      }
      if (noSelection) continue;
      if (i > ItemCount(g)) continue;  // a handler removed it
      const std::size_t k = static_cast<std::size_t>(i - 1);

      if (multi) {
        if ((g.items[k].itemState & ITEM_HOVER) == 0) {
          const int answer = N(g, 4, i - 1);
          if (answer == kGone) return;
          if (answer && k < g.items.size()) {
            g.items[k].itemState ^= ITEM_SELECTED;
            g.items[k].itemState |= ITEM_HOVER;
          }
        }
        if (k < g.items.size() && (g.items[k].itemState & ITEM_HOVER)) {
          anchor = i;
          g.value = i;
          press::SetEvent(g);
        }
      } else if (extended) {
        if (g.items[k].itemState & ITEM_HOVER) {
          anchor = 0;
          rangeStart = 0;
        } else {
          const int answer = N(g, 4, i - 1);
          if (answer == kGone) return;
          if (answer && k < g.items.size()) {
            int& state = g.items[k].itemState;
            state |= ITEM_HOVER;
            if (ctrl) {
              state ^= ITEM_SELECTED;
            } else {
              state |= ITEM_SELECTED;
            }
            anchor = i;
            rangeStart = g.value;
          } else {
            anchor = 0;
          }
        }
        if (k < g.items.size() && (g.items[k].itemState & ITEM_HOVER)) {
          if (!shift) g.value = i;
          press::SetEvent(g);
        }
      } else {
        const int answer = N(g, 4, i - 1);
        if (answer == kGone) return;
        if (answer) {
          g.value = i;
          press::SetEvent(g);
        }
      }
    }

    if (anchor != 0 && !AnchorPass(g, anchor, rangeStart, extended, ctrl, shift)) return;

    // A double click on the selected entry of a file list opens it (a drive, "..", or a
    // directory; a file does nothing). The list is refilled, so nothing else may follow.
    if (in.doubleClick && g.type == GADGET_FILELIST && (g.flags & FILES_NO_OPEN) == 0 && rowDone &&
        row == g.value) {
      OpenFileListEntry(g, row - 1);
      return;
    }
  }

  if (scrollBar && in.left) {
    const int state = ListScrollBarPress(g, in, ItemCount(g), gy, h, hdr);
    if (!press::Alive(g, number)) return;
    g.state = state;
  }
}

}  // namespace bevel::detail
