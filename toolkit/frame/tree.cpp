// Tree and TreeList: the label selects, the expand box and the check box are armed by the press
// (bits 0x08 and 0x01) and completed on release, a double click on the selected label expands or
// collapses it at once, the scroll bar and the wheel scroll the visible rows.
//
// Row r (1-based among the visible nodes) and its parts lie where the renderer draws them
// (toolkit/gadgets/list_layout.h): indented by d = 17 x level, the level's column d - 15 .. d + 1
// takes the expand box, d + 2 .. d + 15 the check box, and the label runs from d + chk + 2 up to
// the scroll bar. Levels are taken as the renderer draws them (1 .. 127).
//
// Nodes are one flat chain in display order; a node's subtree is the run of deeper items after
// it. A TreeList reads its nodes from the file system one level ahead of what is shown, so its
// subtree changes when a node opens or closes.
//
// A frame costs what the visible rows cost: rows come from the row index (tree_rows.h), and the
// walks that clear or complete press marks run only while some item may carry one (itemMarks).
#include <cstddef>

#include "toolkit/frame/behaviour.h"
#include "toolkit/gadgets/items.h"
#include "toolkit/gadgets/list_layout.h"
#include "toolkit/gadgets/tree_rows.h"
#include "toolkit/model/lifetime.h"
#include "toolkit/model/toolkit_state.h"

namespace bevel::detail {
namespace {

bool HasChildren(const Gadget& g, std::size_t index) {
  return index + 1 < g.items.size() && TreeLevel(g.items[index + 1]) > TreeLevel(g.items[index]);
}

bool HasItem(const Gadget& g, std::size_t index) {
  return index < g.items.size();
}

// The number of visible nodes (the children of a collapsed node take no rows) and the index of
// the node on visible row `wanted` (-1 when there is none).
struct VisibleRows {
  int count = 0;
  long long found = -1;
};

VisibleRows RowsOf(Gadget& g, long long wanted) {
  const TreeRowIndex& index = TreeRows(g);
  VisibleRows rows;
  rows.count = TreeRowCount(index);
  if (wanted >= 1 && wanted <= rows.count) {
    rows.found = index.item[static_cast<std::size_t>(wanted - 1)];
  }
  return rows;
}

// Clears the given mark bits on every item; afterwards no item carries a mark.
void ClearMarks(Gadget& g, int bits) {
  if (!g.itemMarks) return;
  for (GadgetItem& item : g.items) item.itemState &= ~bits;
  g.itemMarks = false;
}

// Expands a collapsed node or collapses an expanded one, each offered to the handlers first
// (EVENT_EXPAND, EVENT_COLLAPSE). A collapse takes the selection out of the hidden subtree onto
// the node. A TreeList reads its directory entries one level ahead.
void ToggleNode(Gadget& g, std::size_t index) {
  const auto item = static_cast<std::intptr_t>(index);
  const bool expanded = (g.items[index].itemState & ITEM_EXPANDED) != 0;
  if (!Ask(g, expanded ? EVENT_COLLAPSE : EVENT_EXPAND, item) || !HasItem(g, index)) return;
  const int node = static_cast<int>(index);
  TreeRowsChanged(g);
  if (expanded) {
    g.items[index].itemState &= ~ITEM_EXPANDED;
    const int selected = g.value - 1;
    if (selected > node && selected <= node + DescendantCount(g, node)) g.value = node + 1;
    if (g.type == GADGET_TREELIST) CollapseTreeListNode(g, node);
  } else {
    g.items[index].itemState |= ITEM_EXPANDED;
    if (g.type == GADGET_TREELIST) ExpandTreeListNode(g, node);
  }
}

}  // namespace

void PressTree(Gadget& g, const FrameInput& in) {
  Ask(g, EVENT_PRESS);  // the press itself cannot be refused
  const int mx = in.mx, my = in.my;
  const Rect frame = GadgetRect(g, in);

  // The visible row under the mouse, if any (where the slots lie does not depend on how many
  // rows the tree has).
  const RowLayout slots = TreeLayout(g, frame, 0);
  const VisibleRows rows = RowsOf(g, slots.Inside().Holds(my) ? slots.RowAt(my) : 0);
  const RowLayout layout = TreeLayout(g, frame, rows.count);

  // Which of the pressed node's parts is held in this frame.
  long long boxItem = -1, checkItem = -1;
  const long long idx = in.left ? rows.found : -1;
  int level = 0;
  if (idx >= 0) {
    const std::size_t k = static_cast<std::size_t>(idx);
    level = TreeLevel(g.items[k]);
    if (HasChildren(g, k) && layout.ExpandColumns(level).Holds(mx)) boxItem = idx;
    if (layout.check && layout.TreeCheckColumns(level).Holds(mx)) checkItem = idx;
  }
  // Marks stay only on the parts still held; a marked node may have scrolled out of view.
  if (g.itemMarks) {
    for (std::size_t k = 0; k < g.items.size(); ++k) {
      const long long i = static_cast<long long>(k);
      if (i != boxItem) g.items[k].itemState &= ~ITEM_EXPANDER_CLICKED;
      if (layout.check && i != checkItem) g.items[k].itemState &= ~ITEM_CHECK_CLICKED;
    }
    g.itemMarks = false;
  }

  if (idx >= 0) {
    const int i = static_cast<int>(idx) + 1;
    const std::size_t k = static_cast<std::size_t>(idx);
    const bool onLabel = layout.RowColumns(RowLayout::Indent(level) + layout.check).Holds(mx);
    // A handler may have removed items: the index is checked again before each use.
    if (onLabel && (g.flags & LIST_NO_SELECTION) == 0 && Ask(g, EVENT_SELECT, i - 1) &&
        HasItem(g, k)) {
      g.state = 1;
      g.value = i;
      SetEvent(g);
    }
    if (boxItem >= 0 && Ask(g, EVENT_EXPANDER_PRESS, i - 1) && HasItem(g, k)) {
      g.items[k].itemState |= ITEM_EXPANDER_CLICKED;
      g.itemMarks = true;
    }
    if (checkItem >= 0 && Ask(g, EVENT_CHECK_PRESS, i - 1) && HasItem(g, k)) {
      g.items[k].itemState |= ITEM_CHECK_CLICKED;
      g.itemMarks = true;
    }
    // A double click on the label: only there, so that a double click on the expand box does
    // not toggle the node twice (once here and once through the box on release).
    if (in.doubleClick && onLabel) {
      MarkActivated(g);
      if (i == g.value && HasItem(g, k) && (HasChildren(g, k) || g.type == GADGET_TREELIST)) {
        ToggleNode(g, k);
      }
    }
  }

  if (layout.scrollBar && in.left) {
    // Visible rows may have changed with a toggle above.
    const int count = RowsOf(g, 0).count;
    g.state = ListScrollBarPress(g, in, TreeLayout(g, frame, count), count);
  }
}

void ReleaseTree(Gadget& g) {
  g.state = 0;
  ClearMarks(g, ITEM_EXPANDER_CLICKED | ((g.flags & LIST_CHECKBOXES) ? ITEM_CHECK_CLICKED : 0));
}

void UpdateTree(Gadget& g, const FrameInput& in) {
  // Handlers and TreeList reading change the items, so the walk re-reads the live count. It
  // completes every mark, so afterwards none is left.
  const bool marks = g.itemMarks;
  for (std::size_t i = 0; marks && HasItem(g, i); ++i) {
    const auto item = static_cast<std::intptr_t>(i);
    if (g.items[i].itemState & ITEM_EXPANDER_CLICKED) {
      g.items[i].itemState &= ~ITEM_EXPANDER_CLICKED;
      SetEvent(g);
      Ask(g, EVENT_EXPANDER, item);
      if (HasItem(g, i)) ToggleNode(g, i);
      if (!HasItem(g, i)) continue;
    }
    if ((g.flags & LIST_CHECKBOXES) && (g.items[i].itemState & ITEM_CHECK_CLICKED)) {
      g.items[i].itemState = (g.items[i].itemState & ~ITEM_CHECK_CLICKED) ^ ITEM_CHECKED;
      SetEvent(g);
      Ask(g, EVENT_CHECK_PRESS, item);
    }
  }
  if (marks) g.itemMarks = false;
  // The rows counted as they are drawn: an item without a level, or deeper than 127, hides
  // nothing that the tree shows.
  if (in.wheel != 0 && Toolkit().OpenPopupIndex == -1 && Inside(g, in)) {
    WheelScroll(g, in.wheel, RowsOf(g, 0).count);
  }
  if (g.state >= 1) {
    g.state = 0;
    Ask(g, EVENT_CLICK);
  }
}

}  // namespace bevel::detail
