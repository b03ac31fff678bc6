// Update step of ColumnList and FileList, and the wheel rule that lists, trees and the open
// combo box list share.
//
// The per-item work (check boxes, hover bits) visits every item on purpose; it allocates
// nothing. The wheel never walks the items.
#include <algorithm>

#include "toolkit/frame/update_pass.h"
#include "toolkit/model/toolkit_state.h"

namespace bevel::detail {

void WheelScroll(Gadget*& g, int wheel, long long count) {
  const long long rows = std::max(g->rows, 0);
  if (wheel == 0 || count <= rows) return;
  // In 64 bits: an enormous wheel value must not overflow before it is clamped.
  const long long top = std::clamp(g->topItem - 3LL * wheel, 0LL, count - rows);
  if (top == g->topItem) return;
  if (N(g, EVENT_SCROLL, static_cast<std::intptr_t>(top - g->topItem))) {
    g->topItem = static_cast<int>(top);
  }
}

void UpdateList(Gadget& gadget, const FrameInput& in) {
  Gadget* g = &gadget;
  // a. The wheel, unless a drop-down is open: it belongs to the open list then.
  if (Toolkit().OpenPopupIndex == -1 && Inside(*g, in)) {
    WheelScroll(g, in.wheel, static_cast<long long>(g->items.size()));
    if (g == nullptr) return;
  }
  // b. A row click (the selection itself was made by press handling).
  if (g->state >= 1) {
    g->state = 0;
    N(g, EVENT_CLICK, 0);
    if (g == nullptr) return;
  }
  // c. Pending check-box clicks toggle the tick (bits 1 -> 2, 3 -> 0); hover marks end with
  // the frame. Handlers may change the items, so the walk re-reads the live count.
  const bool checkBoxes = (g->flags & LIST_CHECKBOXES) != 0;
  for (std::size_t i = 0; i < g->items.size(); ++i) {
    GadgetItem& item = g->items[i];
    item.itemState &= ~ITEM_HOVER;
    if (!checkBoxes || (item.itemState & ITEM_CHECK_CLICKED) == 0) continue;
    item.itemState = (item.itemState & ~ITEM_CHECK_CLICKED) ^ ITEM_CHECKED;
    MakeEventGadget(*g);
    N(g, EVENT_CHECK, static_cast<std::intptr_t>(i));
    if (g == nullptr) return;
  }
  // d. A header column was released: it becomes the clicked column.
  if (g->pressedColumn != 0) {
    g->clickedRow = g->pressedColumn;
    g->pressedColumn = 0;
    N(g, EVENT_HEADER, g->clickedRow - 1);
  }
}

}  // namespace bevel::detail
