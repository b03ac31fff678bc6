// Update step of the ComboBox.
//
// A box without a cursor (selectionStart < 0) is in list mode: its drop-down list opens and
// closes here. Press handling moves dropState; this step completes the move:
//
//   dropState  set by                           here becomes          events
//   0 closed   -                                 0                     -
//   1          arrow pressed while closed        2 open (or 0 refused) 14
//   2 open     -                                 2                     -
//   3          arrow pressed while open          0 closed              15
//   5          field pressed while closed        2 open (or 0 refused) 14
//   6          field pressed while open          0 closed              15
//   dropClose  an item picked in the open list   0 closed, text = item 15
//
// The step 1 -> 2 and 3 -> 0 is "one up, wrapping from 4 to 0". OpenPopupIndex names the one
// gadget whose drop-down is open; it is set on opening and cleared on closing.
//
// A box with a cursor (an editable box with the focus) is a text field.
#include <string>
#include <utility>

#include "services/services.h"
#include "toolkit/frame/update_pass.h"
#include "toolkit/gadgets/gadget_rules.h"
#include "toolkit/gadgets/items.h"
#include "toolkit/model/toolkit_state.h"
#include "toolkit/text/key_editor.h"

namespace bevel::detail {
namespace {

// Opening asks the handlers first; a refused opening leaves the box closed.
void Open(Gadget*& g) {
  if (N(g, EVENT_DROP_OPEN, 0)) {
    g->dropState = 2;
    Toolkit().OpenPopupIndex = g->listIndex;
  } else if (g != nullptr) {
    g->dropState = 0;
  }
}

void Close(Gadget*& g) {
  g->dropState = 0;
  g->dropClose = 0;
  Toolkit().OpenPopupIndex = -1;
  N(g, EVENT_DROP_CLOSED, 0);
}

// a. Typing search of an editable box about to open: the first item whose display text starts
// with the typed text is selected, its display text completes the field, and the list scrolls
// to show it.
void SelectTypedItem(Gadget*& g) {
  const std::size_t typed = g->text.size();
  for (std::size_t i = 0; i < g->items.size(); ++i) {
    std::string shown = DisplayText(g->items[i].itemText);
    if (shown.size() < typed || shown.compare(0, typed, g->text) != 0) continue;
    const int index = static_cast<int>(i) + 1;
    g->value = index;
    g->text = std::move(shown);
    int top = g->topItem;
    if (index > g->topItem + g->rows) {
      top = index - g->rows;  // the item becomes the last visible row
    } else if (index <= g->topItem) {
      top = index - 1;  // the first visible row
    }
    if (top != g->topItem && N(g, EVENT_SCROLL, top - g->topItem)) g->topItem = top;
    return;
  }
}

// c. The wheel over the open list. The list lies below the field, or above the box when the
// event function found no room below (dropUp); with fewer items than rows it is shorter.
void WheelOpenList(Gadget*& g, const FrameInput& in) {
  const int openIndex = Toolkit().OpenPopupIndex;
  if (in.wheel == 0 || g->disabled != 0 || g->hidden != 0) return;
  if (openIndex != -1 && openIndex != g->listIndex) return;
  const long long count = static_cast<long long>(g->items.size());
  const long long listHeight =
      count < g->rows ? count * kRowHeight + kListFrame : static_cast<long long>(g->height);
  const long long boxTop = static_cast<long long>(in.oy) + g->y;
  const long long listTop = g->dropUp != 0 ? boxTop - listHeight : boxTop + TextHeight(" ") + 4;
  if (!InsideRect(in, static_cast<long long>(in.ox) + g->x, listTop, g->width, listHeight)) return;
  WheelScroll(g, in.wheel, count);
}

}  // namespace

void UpdateComboBox(Gadget& gadget, const FrameInput& in) {
  Gadget* g = &gadget;
  if (g->selectionStart >= 0) {
    // An editable box with the focus is a text field (which also gives up its open list).
    UpdateTextField(*g, Toolkit().WindowList.Find(g->window));
    return;
  }

  if (g->dropState == 1 && (g->flags & COMBO_EDITABLE) && !g->text.empty()) {
    SelectTypedItem(g);
    if (g == nullptr) return;
  }

  // b. The drop-down cycle (table above).
  switch (g->dropState) {
    case 1:
    case 5:
      Open(g);
      break;
    case 3:
    case 6:
      Close(g);
      break;
    default:
      break;
  }
  if (g == nullptr) return;

  // c. While open.
  if (g->dropState >= 2) {
    WheelOpenList(g, in);
    if (g == nullptr) return;
    if (g->state >= 1) g->state = 0;
  }

  // d. An item was picked: the list closes with the item's text as shown (inline codes
  // removed, as every other way of selecting an item stores it).
  if (g->dropClose != 0) {
    const bool picked = g->value >= 1 && g->value <= static_cast<int>(g->items.size());
    g->text = picked ? DisplayText(g->items[static_cast<std::size_t>(g->value - 1)].itemText)
                     : std::string();
    MakeEventGadget(*g);
    Close(g);
  }
}

}  // namespace bevel::detail
