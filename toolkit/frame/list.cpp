// ColumnList and FileList: item check boxes, header columns, rows with single, multi and
// extended selection, the right button, file list navigation and the scroll bar.
//
// Item bit 0x20 marks a row already handled by the current press, so that holding the button
// on a row acts once: a multi-select row toggles once, an extended-select row is selected once,
// and dragging onto another row acts on that one. The anchor is the row newly acted on in this
// frame; every other row then loses its mark (and, in extended mode without Ctrl, its
// selection), and Shift fills the range from the previous selection up to the anchor.
//
// Rows: item i (1-based) is visible when topItem < i <= topItem + rows and spans the screen
// rows gy + (i - topItem + hdr - 1) x 14 + 2 .. gy + (i - topItem + hdr) x 14 + 1.
//
// On release, the update step reports a row click (EVENT_CLICK), settles pending check-box
// clicks (EVENT_CHECK_TOGGLE) and a released header column (EVENT_HEADER), and the wheel
// scrolls the rows.
#include <algorithm>
#include <cstddef>

#include "toolkit/frame/behaviour.h"
#include "toolkit/gadgets/column_entries.h"
#include "toolkit/gadgets/file_list.h"
#include "toolkit/model/keys.h"
#include "toolkit/model/lifetime.h"
#include "toolkit/model/toolkit_state.h"

namespace bevel::detail {
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

// The anchor pass: run over every item once (no allocation).
void AnchorPass(Gadget& g, int anchor, int rangeStart, bool extended, bool ctrl, bool shift) {
  const int low = std::min(rangeStart, anchor);
  const int high = std::max(rangeStart, anchor);
  for (std::size_t k = 0; k < g.items.size(); ++k) {
    const int i = static_cast<int>(k) + 1;
    if (i == anchor) continue;
    int& state = g.items[k].itemState;
    state &= ~ITEM_HOVER;
    if (!extended) continue;
    if (!ctrl) state &= ~ITEM_SELECTED;
    // Range start included, anchor excluded. A handler may have removed items.
    if (shift && rangeStart > 0 && i >= low && i <= high && Ask(g, EVENT_SELECT, i - 1) &&
        k < g.items.size()) {
      g.items[k].itemState |= ITEM_SELECTED;
    }
  }
}

}  // namespace

void PressList(Gadget& g, const FrameInput& in) {
  Ask(g, EVENT_PRESS);  // the press itself cannot be refused
  const int gx = in.ox + g.x, gy = in.oy + g.y;
  const int w = g.width, h = g.height;
  const int mx = in.mx, my = in.my;
  const int hdr = (g.flags & LIST_NO_HEADER) ? 0 : 1;
  const int chk = (g.flags & LIST_CHECKBOXES) ? kCheckColumn : 0;
  const bool scrollBar = ItemCount(g) > g.rows || (g.flags & LIST_ALWAYS_SCROLLBAR);

  if (my > gy + 1 && my < gy + h - 2) {
    const bool ctrl = CtrlHeld();
    const bool shift = ShiftHeld();
    const int row = RowAt(g, gy, my, hdr);

    if (chk) {
      const int pressed = row != 0 && mx <= gx + kCheckColumn && in.left ? row : 0;
      // A pending check stays only on the box still held; every item is visited because the
      // marked row may have scrolled out of view during the press.
      for (std::size_t k = 0; k < g.items.size(); ++k) {
        if (static_cast<int>(k) + 1 != pressed) g.items[k].itemState &= ~ITEM_CHECK_CLICKED;
      }
      if (pressed != 0 && Ask(g, EVENT_CHECK_PRESS, pressed - 1) && pressed <= ItemCount(g)) {
        g.items[static_cast<std::size_t>(pressed - 1)].itemState |= ITEM_CHECK_CLICKED;
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
      if (in.doubleClick) MarkActivated(g);
      g.clickedRow = col + 1;
      if (in.right && !in.left) {
        Ask(g, EVENT_RIGHT_PRESS, i - 1);
        continue;
      }
      if (noSelection) continue;
      if (i > ItemCount(g)) continue;  // a handler removed it
      const std::size_t k = static_cast<std::size_t>(i - 1);

      if (multi) {
        if ((g.items[k].itemState & ITEM_HOVER) == 0 && Ask(g, EVENT_SELECT, i - 1) &&
            k < g.items.size()) {
          g.items[k].itemState ^= ITEM_SELECTED;
          g.items[k].itemState |= ITEM_HOVER;
        }
        if (k < g.items.size() && (g.items[k].itemState & ITEM_HOVER)) {
          anchor = i;
          g.value = i;
          SetEvent(g);
        }
      } else if (extended) {
        if (g.items[k].itemState & ITEM_HOVER) {
          anchor = 0;
          rangeStart = 0;
        } else if (Ask(g, EVENT_SELECT, i - 1) && k < g.items.size()) {
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
        if (k < g.items.size() && (g.items[k].itemState & ITEM_HOVER)) {
          if (!shift) g.value = i;
          SetEvent(g);
        }
      } else if (Ask(g, EVENT_SELECT, i - 1)) {
        g.value = i;
        SetEvent(g);
      }
    }

    if (anchor != 0) AnchorPass(g, anchor, rangeStart, extended, ctrl, shift);

    // A double click on the selected entry of a file list opens it (a drive, "..", or a
    // directory; a file does nothing). The list is refilled, so nothing else may follow; a list
    // closed by a handler meanwhile is not refilled.
    if (in.doubleClick && g.type == GADGET_FILELIST && (g.flags & FILES_NO_OPEN) == 0 && rowDone &&
        row == g.value && !g.dead) {
      OpenFileListEntry(g, row - 1);
      return;
    }
  }

  if (scrollBar && in.left) g.state = ListScrollBarPress(g, in, ItemCount(g), gy, h, hdr);
}

void ReleaseList(Gadget& g) {
  g.state = 0;
  const int bits = ITEM_HOVER | ((g.flags & LIST_CHECKBOXES) ? ITEM_CHECK_CLICKED : 0);
  for (GadgetItem& item : g.items) item.itemState &= ~bits;
  g.pressedColumn = 0;
}

// The per-item work (check boxes, hover bits) visits every item on purpose; it allocates
// nothing. The wheel never walks the items.
void UpdateList(Gadget& g, const FrameInput& in) {
  // a. The wheel, unless a drop-down is open: it belongs to the open list then.
  if (Toolkit().OpenPopupIndex == -1 && Inside(g, in)) {
    WheelScroll(g, in.wheel, static_cast<long long>(g.items.size()));
  }
  // b. A row click (the selection itself was made by press handling).
  if (g.state >= 1) {
    g.state = 0;
    Ask(g, EVENT_CLICK);
  }
  // c. Pending check-box clicks toggle the tick (bits 1 -> 2, 3 -> 0); hover marks end with
  // the frame. Handlers may change the items, so the walk re-reads the live count.
  const bool checkBoxes = (g.flags & LIST_CHECKBOXES) != 0;
  for (std::size_t i = 0; i < g.items.size(); ++i) {
    GadgetItem& item = g.items[i];
    item.itemState &= ~ITEM_HOVER;
    if (!checkBoxes || (item.itemState & ITEM_CHECK_CLICKED) == 0) continue;
    item.itemState = (item.itemState & ~ITEM_CHECK_CLICKED) ^ ITEM_CHECKED;
    SetEvent(g);
    Ask(g, EVENT_CHECK_TOGGLE, static_cast<std::intptr_t>(i));
  }
  // d. A header column was released: it becomes the clicked column.
  if (g.pressedColumn != 0) {
    g.clickedRow = g.pressedColumn;
    g.pressedColumn = 0;
    Ask(g, EVENT_HEADER, g.clickedRow - 1);
  }
}

}  // namespace bevel::detail
