// ColumnList and FileList: item check boxes, header columns, rows with single, multi and
// extended selection, the right button, file list navigation and the scroll bar.
//
// Item bit 0x20 marks a row already handled by the current press, so that holding the button
// on a row acts once: a multi-select row toggles once, an extended-select row is selected once,
// and dragging onto another row acts on that one. The anchor is the row newly acted on in this
// frame; every other row then loses its mark (and, in extended mode without Ctrl, its
// selection), and Shift fills the range from the previous selection up to the anchor.
//
// Rows, header cells, the check box column and the scroll bar lie where the renderer draws
// them: toolkit/gadgets/list_layout.h.
//
// On release, the update step reports a row click (EVENT_CLICK), settles pending check-box
// clicks (EVENT_CHECK_TOGGLE) and a released header column (EVENT_HEADER), and the wheel
// scrolls the rows.
#include <algorithm>
#include <cstddef>

#include "toolkit/frame/behaviour.h"
#include "toolkit/gadgets/column_entries.h"
#include "toolkit/gadgets/file_list.h"
#include "toolkit/gadgets/list_layout.h"
#include "toolkit/model/keys.h"
#include "toolkit/model/lifetime.h"
#include "toolkit/model/toolkit_state.h"

namespace bevel::detail {
namespace {

int ItemCount(const Gadget& g) {
  return static_cast<int>(std::min<std::size_t>(g.items.size(), 0x7fffffff));
}

// The item (1-based) drawn on the screen row my, 0 for none.
int ItemAt(const Gadget& g, const RowLayout& layout, int my) {
  const long long i = layout.RowAt(my);
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
  const RowLayout layout = ListLayout(g, GadgetRect(g, in), ItemCount(g));
  const int mx = in.mx, my = in.my;

  if (layout.Inside().Holds(my)) {
    const bool ctrl = CtrlHeld();
    const bool shift = ShiftHeld();
    const int row = ItemAt(g, layout, my);

    if (layout.check) {
      const int pressed = row != 0 && layout.OnListCheckBox(mx) && in.left ? row : 0;
      // A pending check stays only on the box still held; every item is visited because the
      // marked row may have scrolled out of view during the press.
      for (std::size_t k = 0; k < g.items.size(); ++k) {
        if (static_cast<int>(k) + 1 != pressed) g.items[k].itemState &= ~ITEM_CHECK_CLICKED;
      }
      if (pressed != 0 && Ask(g, EVENT_CHECK_PRESS, pressed - 1) && pressed <= ItemCount(g)) {
        g.items[static_cast<std::size_t>(pressed - 1)].itemState |= ITEM_CHECK_CLICKED;
        g.itemMarks = true;
      }
    }

    const bool noSelection = (g.flags & LIST_NO_SELECTION) != 0;
    const bool multi = (g.flags & LIST_MULTI_SELECT) != 0;
    const bool extended = !multi && (g.flags & LIST_EXTENDED_SELECT) != 0;
    const bool headerPressable = layout.hdr == 1 && (g.flags & LIST_HEADER_FIXED) == 0;
    int anchor = 0, rangeStart = 0;
    bool rowDone = false;  // overlapping column edges must not act on the row twice

    const int columns = std::clamp(g.columnCount, 0, kMaxExtraColumns);
    std::size_t columnPos = 0;
    long long left = layout.ColumnEdge(ReadColumnEntry(g.columns, columnPos).left);
    for (int col = 0; col <= columns; ++col) {
      const bool lastColumn = col == columns;
      const long long right = lastColumn
                                  ? layout.LastColumnRight()
                                  : layout.ColumnEdge(ReadColumnEntry(g.columns, columnPos).left);
      const Rect header = layout.HeaderCell(left, right);
      const bool inColumn = header.Columns().Holds(mx);
      left = right;

      if (headerPressable) {
        if (g.pressedColumn == col + 1) g.pressedColumn = 0;
        if (header.Holds(mx, my) && in.left) {
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
          g.itemMarks = true;
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
          g.itemMarks = true;
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
      } else if (Ask(g, EVENT_SELECT, i - 1) && i <= ItemCount(g)) {
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

  if (layout.scrollBar && in.left) g.state = ListScrollBarPress(g, in, layout, ItemCount(g));
}

void ReleaseList(Gadget& g) {
  g.state = 0;
  const int bits = ITEM_HOVER | ((g.flags & LIST_CHECKBOXES) ? ITEM_CHECK_CLICKED : 0);
  if (g.itemMarks) {
    for (GadgetItem& item : g.items) item.itemState &= ~bits;
    g.itemMarks = false;
  }
  g.pressedColumn = 0;
}

// The per-item work (check boxes, hover bits) visits every item, and only while some item may
// carry a mark (itemMarks), so a frame of a long list without marks costs what its rows cost.
// It allocates nothing. The wheel never walks the items.
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
  const bool marks = g.itemMarks;
  for (std::size_t i = 0; marks && i < g.items.size(); ++i) {
    GadgetItem& item = g.items[i];
    item.itemState &= ~ITEM_HOVER;
    if (!checkBoxes || (item.itemState & ITEM_CHECK_CLICKED) == 0) continue;
    item.itemState = (item.itemState & ~ITEM_CHECK_CLICKED) ^ ITEM_CHECKED;
    SetEvent(g);
    Ask(g, EVENT_CHECK_TOGGLE, static_cast<std::intptr_t>(i));
  }
  if (marks) g.itemMarks = false;
  // d. A header column was released: it becomes the clicked column.
  if (g.pressedColumn != 0) {
    g.clickedRow = g.pressedColumn;
    g.pressedColumn = 0;
    Ask(g, EVENT_HEADER, g.clickedRow - 1);
  }
}

}  // namespace bevel::detail
