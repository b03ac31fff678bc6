// The visible rows of a Tree or TreeList: its items in display order, without the ones inside a
// collapsed branch.
//
// A frame needs the number of rows (for the scroll bar), the item on each visible row, and, for
// the connection lines, the rows above and below the view that lines reach into it. Walking the
// whole chain for that every frame made a big tree cost its size each frame; the index is built
// once per change instead (O(items)), after which each of those questions costs O(1) or the
// depth of the tree.
//
// Invariant kept by the callers: every change of a tree's items (adding, inserting, removing,
// clearing) or of an item's expanded bit is followed by TreeRowsChanged before the next frame.
// Item texts, colours, data and the other state bits do not change the rows.
#pragma once

#include "toolkit/model/gadget.h"

namespace bevel::detail {

// The index goes stale; the next TreeRows call rebuilds it. Any gadget may be passed.
void TreeRowsChanged(Gadget& g);
// The rows, rebuilt first when stale.
const TreeRowIndex& TreeRows(Gadget& g);

// Number of visible rows.
inline int TreeRowCount(const TreeRowIndex& rows) {
  return static_cast<int>(rows.item.size());
}

}  // namespace bevel::detail
