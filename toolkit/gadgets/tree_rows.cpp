// Building the visible-row index of a tree (toolkit/gadgets/tree_rows.h).
#include "toolkit/gadgets/tree_rows.h"

#include <vector>

#include "toolkit/gadgets/list_layout.h"

namespace bevel::detail {

void TreeRowsChanged(Gadget& g) {
  g.treeRows.stale = true;
}

const TreeRowIndex& TreeRows(Gadget& g) {
  TreeRowIndex& rows = g.treeRows;
  if (!rows.stale) return rows;
  rows.item.clear();
  rows.up.clear();
  rows.next.clear();
  // One walk: a collapsed node with children hides the deeper items after it. The rows whose
  // `next` is still open wait on a stack of strictly rising levels; a row closes every waiting
  // row of its own level or deeper, and the one left on top is its `up`.
  std::vector<int> waiting;
  int collapsed = 0;
  for (std::size_t idx = 0; idx < g.items.size(); ++idx) {
    const int level = TreeLevel(g.items[idx]);
    if (collapsed != 0 && level <= collapsed) collapsed = 0;
    if (collapsed != 0) continue;
    rows.item.push_back(static_cast<int>(idx));
    rows.up.push_back(0);
    rows.next.push_back(0);
    const int row = static_cast<int>(rows.item.size());
    while (!waiting.empty() &&
           TreeLevel(g.items[static_cast<std::size_t>(rows.item[waiting.back() - 1])]) >= level) {
      rows.next[static_cast<std::size_t>(waiting.back() - 1)] = row;
      waiting.pop_back();
    }
    rows.up[static_cast<std::size_t>(row - 1)] = waiting.empty() ? 0 : waiting.back();
    waiting.push_back(row);
    const bool hasChildren = idx + 1 < g.items.size() && TreeLevel(g.items[idx + 1]) > level;
    if (hasChildren && (g.items[idx].itemState & ITEM_EXPANDED) == 0) collapsed = level;
  }
  rows.stale = false;
  return rows;
}

}  // namespace bevel::detail
