// ComboBox: the drop button, the text field, and the rows and scroll bar of the open list.
//
// The field is TextHeight(" ") + 4 high at the gadget's top; the gadget's height is that of the
// open list, which shrinks to n x 14 + 4 for fewer items than rows and lies below the field, or
// above it with dropUp (decided every frame: where the list fits on the screen). The field, the
// drop button and the open list's rows lie where the renderer draws them
// (toolkit/gadgets/list_layout.h).
//
// dropState, as the press and the update step move it (the update completes each step once the
// button is up; the press asks EVENT_DROP_PRESS, the opening EVENT_DROP_OPEN):
//
//   dropState  set by                           update makes it        events
//   0 closed   -                                 0                      -
//   1          arrow pressed while closed        2 open (or 0 refused)  14
//   2 open     -                                 2                      -
//   3          arrow pressed while open          0 closed               15
//   5          field of a fixed box pressed      2 open (or 0 refused)  14
//              while closed
//   6          field pressed while open          0 closed               15
//   dropClose  an item picked in the open list   0 closed, text = item  15
//
// An editable box's field closes the list at once and takes the keyboard focus; a box with a
// cursor (selectionStart >= 0) is a text field (string.cpp). OpenPopupIndex names the one gadget
// whose drop-down is open; it is set on opening and cleared on closing.
#include <algorithm>
#include <cstddef>
#include <string>
#include <utility>

#include "services/services.h"
#include "toolkit/frame/behaviour.h"
#include "toolkit/gadgets/items.h"
#include "toolkit/gadgets/list_layout.h"
#include "toolkit/model/colours.h"
#include "toolkit/model/toolkit_state.h"

namespace bevel::detail {
namespace {

int ItemCount(const Gadget& g) {
  return static_cast<int>(std::min<std::size_t>(g.items.size(), 0x7fffffff));
}

// The field's height, in the gadget's font. Caller: a drawing session is open.
int FieldHeight(const Gadget& g) {
  SetDrawFont(GadgetColour(g, COLOR_FONT));
  return ComboFieldHeight(TextHeight(" "));
}

// The box as it lies on the screen in this frame, the open list's place included.
ComboLayout Layout(const Gadget& g, const FrameInput& in) {
  const Rect box = GadgetRect(g, in);
  return ComboBoxLayout(g, box.x, box.y, box.w, FieldHeight(g), ComboListHeight(g));
}

// Closes the list (an open list, or one about to close, is reported closed; one only about to
// open, 5, is just dropped).
void CloseList(Gadget& g) {
  ToolkitState& tk = Toolkit();
  const bool open = g.dropState >= 2 && g.dropState != 5;
  if (open && tk.OpenPopupIndex == g.listIndex) tk.OpenPopupIndex = -1;
  g.dropState = 0;
  g.dropClose = 0;
  if (open) Ask(g, EVENT_DROP_CLOSED);
}

// Opening asks the handlers first; a refused opening leaves the box closed.
void Open(Gadget& g) {
  if (Ask(g, EVENT_DROP_OPEN)) {
    g.dropState = 2;
    Toolkit().OpenPopupIndex = g.listIndex;
  } else {
    g.dropState = 0;
  }
}

// Typing search of an editable box about to open: the first item whose display text starts
// with the typed text is selected, its display text completes the field, and the list scrolls
// to show it.
void SelectTypedItem(Gadget& g) {
  const std::size_t typed = g.text.size();
  for (std::size_t i = 0; i < g.items.size(); ++i) {
    std::string shown = DisplayText(g.items[i].itemText);
    if (shown.size() < typed || shown.compare(0, typed, g.text) != 0) continue;
    const int index = static_cast<int>(i) + 1;
    g.value = index;
    g.text = std::move(shown);
    int top = g.topItem;
    if (index > g.topItem + g.rows) {
      top = index - g.rows;  // the item becomes the last visible row
    } else if (index <= g.topItem) {
      top = index - 1;  // the first visible row
    }
    StepTo(g, g.topItem, top);
    return;
  }
}

// The wheel over the open list.
void WheelOpenList(Gadget& g, const FrameInput& in) {
  const int openIndex = Toolkit().OpenPopupIndex;
  if (in.wheel == 0 || g.disabled != 0 || g.hidden != 0) return;
  if (openIndex != -1 && openIndex != g.listIndex) return;
  const Rect list = Layout(g, in).list.frame;
  if (!InsideRect(in, list.x, list.y, list.w, list.h)) return;
  WheelScroll(g, in.wheel, static_cast<long long>(g.items.size()));
}

}  // namespace

bool HitComboBox(const Gadget& g, const FrameInput& in) {
  // Closed: the field only. Open: the field and its list below (or above) it.
  const ComboLayout combo = Layout(g, in);
  const Rect area = g.dropState >= 2
                        ? FieldWithDropDown(combo.field, combo.list.frame, g.dropUp != 0)
                        : combo.field;
  return area.Holds(in.mx, in.my);
}

void PlaceComboList(Gadget& g, const FrameInput& in, int screenHeight) {
  const Rect box = GadgetRect(g, in);
  g.dropUp = box.y + FieldHeight(g) + ComboListHeight(g) > screenHeight;
}

void PressComboBox(Gadget& g, const FrameInput& in) {
  Ask(g, EVENT_PRESS);  // the press itself cannot be refused
  const int mx = in.mx, my = in.my;
  const ComboLayout combo = Layout(g, in);

  if (combo.field.Rows().Holds(my)) {
    if (combo.dropColumns.Holds(mx)) {
      // The drop button: arms opening (0 -> 1) or closing (2 -> 3); both complete on release.
      if ((g.dropState == 0 || g.dropState == 2) && Ask(g, EVENT_DROP_PRESS)) {
        const bool wasClosed = g.dropState == 0;
        ++g.dropState;
        if (wasClosed) {
          g.selectionStart = -1;
          g.cursor = -1;
          g.state = 0;
        }
      }
    } else if (g.flags & COMBO_EDITABLE) {
      if (g.dropState != 1 && g.dropState != 3) {
        CloseList(g);
        TakeTextFocus(g, in);
      }
    } else if (g.dropState == 2) {
      g.dropState = 6;  // the update step closes it and reports EVENT_DROP_CLOSED once
    } else if (g.dropState == 0 && Ask(g, EVENT_DROP_PRESS)) {
      g.dropState = 5;
    }
    return;
  }

  // The open list (the field was handled above, even when the list lies over it upward).
  if (g.dropState < 2 || g.dropState > 4) return;
  if (!combo.list.frame.Rows().Holds(my)) return;
  const int n = ItemCount(g);
  if (combo.PickColumns().Holds(mx)) {
    const long long i = combo.PickRow(my);
    // A handler may have removed items: the row is checked again after it was asked.
    if (i >= 1 && i <= n && Ask(g, EVENT_SELECT, static_cast<std::intptr_t>(i - 1)) &&
        i <= ItemCount(g)) {
      g.value = static_cast<int>(i);
      g.state = 1;
      g.dropClose = 1;
    }
  }
  if (combo.list.scrollBar) g.state = ListScrollBarPress(g, in, combo.list, n);
}

void ReleaseDropDown(Gadget& g) {
  g.state = 0;
  if (g.dropState == 1) {
    g.dropState = 0;
  } else if (g.dropState == 3) {
    g.dropState = 2;
  }
}

void UpdateComboBox(Gadget& g, const FrameInput& in) {
  if (g.selectionStart >= 0) {
    // An editable box with the focus is a text field, and has no list open. Only its own entry
    // is cleared: another gadget's open list keeps its index.
    ToolkitState& tk = Toolkit();
    if (tk.OpenPopupIndex == g.listIndex) tk.OpenPopupIndex = -1;
    UpdateTextField(g);
    return;
  }

  if (g.dropState == 1 && (g.flags & COMBO_EDITABLE) && !g.text.empty()) SelectTypedItem(g);

  // The drop-down cycle (table above).
  switch (g.dropState) {
    case 1:
    case 5:
      Open(g);
      break;
    case 3:
    case 6:
      CloseList(g);
      break;
    default:
      break;
  }

  // While open.
  if (g.dropState >= 2) {
    WheelOpenList(g, in);
    if (g.state >= 1) g.state = 0;
  }

  // An item was picked: the list closes with the item's text as shown (inline codes removed,
  // as every other way of selecting an item stores it).
  if (g.dropClose != 0) {
    const bool picked = g.value >= 1 && g.value <= ItemCount(g);
    g.text = picked ? DisplayText(g.items[static_cast<std::size_t>(g.value - 1)].itemText)
                    : std::string();
    SetEvent(g);
    CloseList(g);
  }
}

bool ComboTakesFocus(const Gadget& g) {
  return (g.flags & COMBO_EDITABLE) != 0;
}

bool ComboLosesFocus(Gadget& g) {
  // A list box, or an open list (whose state stands for its pressed scroll bar parts), has no
  // focus to lose.
  if ((g.flags & COMBO_EDITABLE) == 0 || g.dropState >= 2) return false;
  return LoseTextFocus(g);
}

bool ComboKeepsKeyRepeat(const Gadget& g) {
  return g.selectionStart >= 0;
}

}  // namespace bevel::detail
