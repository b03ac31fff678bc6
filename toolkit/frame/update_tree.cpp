// Update step of Tree and TreeList: expander clicks expand or collapse a node, check-box clicks
// toggle the tick, the wheel scrolls through the visible nodes, and a click is reported.
//
// Nodes are one flat chain in display order; a node's subtree is the run of deeper items after
// it. A TreeList reads its nodes from the file system one level ahead of what is shown, so its
// subtree changes when a node opens or closes.
#include <climits>
#include <cstddef>

#include "toolkit/frame/update_pass.h"
#include "toolkit/gadgets/items.h"
#include "toolkit/model/toolkit_state.h"

namespace bevel::detail {
namespace {

// Nodes shown when scrolled to: those whose ancestors are all expanded. Only the wheel needs the
// count, so it is walked only when there is a notch to apply.
long long VisibleNodeCount(const Gadget& g) {
  long long visible = 0;
  int hideDeeperThan = INT_MAX;  // level of the collapsed node whose subtree is being skipped
  for (const GadgetItem& item : g.items) {
    if (item.itemLevel > hideDeeperThan) continue;
    ++visible;
    hideDeeperThan = (item.itemState & ITEM_EXPANDED) ? INT_MAX : item.itemLevel;
  }
  return visible;
}

bool HasItem(const Gadget* g, std::size_t index) {
  return g != nullptr && index < g->items.size();
}

// A click on the expander of node `index`: one action per click, expand a collapsed node or
// collapse an expanded one, each offered to the handlers first. A collapse takes the selection
// out of the hidden subtree onto the node.
void ToggleNode(Gadget*& g, std::size_t index) {
  const auto item = static_cast<std::intptr_t>(index);
  const bool expanded = (g->items[index].itemState & ITEM_EXPANDED) != 0;
  if (!N(g, expanded ? EVENT_COLLAPSE : EVENT_EXPAND, item) || !HasItem(g, index)) return;
  const int node = static_cast<int>(index);
  if (expanded) {
    g->items[index].itemState &= ~ITEM_EXPANDED;
    const int selected = g->value - 1;
    if (selected > node && selected <= node + DescendantCount(*g, node)) g->value = node + 1;
    if (g->type == GADGET_TREELIST) CollapseTreeListNode(*g, node);
  } else {
    g->items[index].itemState |= ITEM_EXPANDED;
    if (g->type == GADGET_TREELIST) ExpandTreeListNode(*g, node);
  }
}

}  // namespace

void UpdateTree(Gadget& gadget, const FrameInput& in) {
  Gadget* g = &gadget;
  // Handlers and TreeList reading change the items, so the walk re-reads the live count.
  for (std::size_t i = 0; HasItem(g, i); ++i) {
    const auto item = static_cast<std::intptr_t>(i);
    if (g->items[i].itemState & ITEM_EXPANDER_CLICKED) {
      g->items[i].itemState &= ~ITEM_EXPANDER_CLICKED;
      MakeEventGadget(*g);
      N(g, EVENT_EXPANDER, item);
      if (!HasItem(g, i)) continue;
      ToggleNode(g, i);
      if (!HasItem(g, i)) continue;
    }
    if ((g->flags & LIST_CHECKBOXES) && (g->items[i].itemState & ITEM_CHECK_CLICKED)) {
      g->items[i].itemState = (g->items[i].itemState & ~ITEM_CHECK_CLICKED) ^ ITEM_CHECKED;
      MakeEventGadget(*g);
      N(g, EVENT_TREE_CHECK, item);
    }
  }
  if (g == nullptr) return;

  if (in.wheel != 0 && Toolkit().OpenPopupIndex == -1 && Inside(*g, in)) {
    WheelScroll(g, in.wheel, VisibleNodeCount(*g));
    if (g == nullptr) return;
  }
  if (g->state >= 1) {
    g->state = 0;
    N(g, EVENT_CLICK, 0);
  }
}

}  // namespace bevel::detail
