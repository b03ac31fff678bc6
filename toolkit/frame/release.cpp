// Release handling: what a gadget does in a frame in which a mouse button is held but the
// gadget cannot take the press (the mouse is elsewhere, or it is disabled or hidden). It
// cancels presses that would otherwise complete on the release of the button:
//
//   Button, ImageButton   state 0; toggle button 1 -> 0, 3 -> 2
//   CheckBox, Option      1 -> 0, 3 -> 2
//   Spin, HyperLink       state 0
//   Calendar              state 0
//   ColumnList, FileList  state 0, rows lose the press mark 0x20 (and a pending check 0x01),
//                         no header column held
//   ComboBox, Date        state 0, drop button presses 1 -> 0 and 3 -> 2
//   TrackBar              state 0 below 3, else 5: a thumb drag stays armed off the gadget
//   ScrollBar             state 0 below 4, else 5: likewise
//   Tree, TreeList        state 0, items lose the expander press 0x08 (and 0x01)
//
// Every item is visited: a mark can have scrolled out of view during the press.
#include "toolkit/frame/press_handling.h"

namespace bevel::detail {

namespace {

// Clears bits on every item of g.
void ClearItemBits(Gadget& g, int bits) {
  for (GadgetItem& item : g.items) item.itemState &= ~bits;
}

}  // namespace

void ReleaseButton(Gadget& g) {
  if ((g.flags & BUTTON_TOGGLE) == 0) {
    g.state = 0;
  } else {
    ReleaseCheckBox(g);
  }
}

void ReleaseCheckBox(Gadget& g) {
  if (g.state == 1) {
    g.state = 0;
  } else if (g.state == 3) {
    g.state = 2;
  }
}

void ReleaseIdle(Gadget& g) {
  g.state = 0;
}

void ReleaseList(Gadget& g) {
  g.state = 0;
  ClearItemBits(g, ITEM_HOVER | ((g.flags & LIST_CHECKBOXES) ? ITEM_CHECK_CLICKED : 0));
  g.pressedColumn = 0;
}

void ReleaseDropDown(Gadget& g) {
  g.state = 0;
  if (g.dropState == 1) {
    g.dropState = 0;
  } else if (g.dropState == 3) {
    g.dropState = 2;
  }
}

void ReleaseTrackBar(Gadget& g) {
  g.state = g.state < 3 ? 0 : 5;
}

void ReleaseScrollBar(Gadget& g) {
  g.state = g.state < 4 ? 0 : 5;
}

void ReleaseTree(Gadget& g) {
  g.state = 0;
  ClearItemBits(g, ITEM_EXPANDER_CLICKED | ((g.flags & LIST_CHECKBOXES) ? ITEM_CHECK_CLICKED : 0));
}

}  // namespace bevel::detail
