// Attribute and record commands: enabling, hiding, colours, activation, existence,
// geometry, and the record-handle accessors that event handlers use.
#include <algorithm>
#include <string>

#include "toolkit/gadgets/gadget_rules.h"
#include "toolkit/gadgets/list_layout.h"
#include "toolkit/model/coordinates.h"
#include "toolkit/model/gadget_class.h"
#include "toolkit/model/lifetime.h"
#include "toolkit/model/toolkit_state.h"

namespace bevel {

int DisableGadget(int number, int flag) {
  Gadget* gadget = Toolkit().GadgetList.Find(number);
  if (gadget == nullptr) return 0;
  gadget->disabled = flag != 0 ? 1 : 0;
  return 1;
}

int HideGadget(int number, int hidden) {
  ToolkitState& tk = Toolkit();
  Gadget* gadget = tk.GadgetList.Find(number);
  if (gadget == nullptr) return 0;
  gadget->hidden = hidden != 0 ? 1 : 0;
  if (gadget->hidden == 0) return 1;
  // Nothing unseen may hold the keyboard or the presses an open drop-down claims. The list
  // closes first: a combo box with its list open has no focus to lose.
  gadget->dropState = gadget->dropClose = 0;
  if (gadget->listIndex == tk.OpenPopupIndex) tk.OpenPopupIndex = -1;
  if (const detail::BlurFn loseFocus = detail::ClassOf(*gadget).loseFocus) loseFocus(*gadget);
  return 1;
}

int SetGadgetColor(int number, int slot, int value) {
  // The result is 0 whether or not the gadget exists. Without a
  // gadget nothing changes (SetColorSlot would otherwise change the gadget scheme).
  if (ColorScheme* colors = GetGadgetColors(number)) SetColorSlot(slot, value, colors);
  return 0;
}

ColorScheme* GetGadgetColors(int number) {
  Gadget* gadget = Toolkit().GadgetList.Find(number);
  return gadget == nullptr ? nullptr : &gadget->colors;
}

int GadgetActivated(int number) {
  const Gadget* gadget = Toolkit().GadgetList.Find(number);
  if (gadget == nullptr) return 0;
  const unsigned flags = detail::ClassOf(*gadget).flags;
  if (flags & detail::CLASS_ACTIVATES) return detail::Activated(*gadget) ? 1 : 0;
  // A HyperLink gives its hover colour, an ImageButton its sprite.
  if (flags & detail::CLASS_ACTIVATED_IS_EXTRA) return gadget->hoverColour;
  return 0;
}

int GadgetExists(int number) {
  return Toolkit().GadgetList.Contains(number) ? 1 : 0;
}

int ResizeGadget(int number, int x, int y, int width, int height) {
  Gadget* gadget = Toolkit().GadgetList.Find(number);
  if (gadget == nullptr) return 0;
  if (x != KEEP_VALUE) gadget->x = detail::ClampCoordinate(x);
  if (y != KEEP_VALUE) gadget->y = detail::ClampCoordinate(y);
  if (width != KEEP_VALUE) gadget->width = detail::ClampCoordinate(width);
  if (height != KEEP_VALUE) {
    if (const detail::RowsFn rowsToHeight = detail::ClassOf(*gadget).rowsToHeight) {
      // A row count. A ColumnList with a header keeps its header row, as at creation.
      gadget->rows = detail::ClampRows(height);
      gadget->height = rowsToHeight(gadget->flags, gadget->rows);
    } else {
      gadget->height = detail::ClampCoordinate(height);
    }
  }
  return 1;
}

Gadget* GadgetRecord(int number) {
  const Gadget* gadget = Toolkit().GadgetList.Find(number);
  return gadget == nullptr ? nullptr : detail::GadgetList::HandleOf(*gadget);
}

int RecordNumber(const Gadget* record) {
  const Gadget* gadget = Toolkit().GadgetList.FromHandle(record);
  return gadget == nullptr ? 0 : gadget->number;
}

std::string RecordItemText(const Gadget* record, int index) {
  const Gadget* gadget = Toolkit().GadgetList.FromHandle(record);
  return gadget == nullptr ? std::string() : GetItemText(gadget->number, index);
}

int ClickedColumn(const Gadget* record) {
  const Gadget* gadget = Toolkit().GadgetList.FromHandle(record);
  if (gadget == nullptr || gadget->type != GADGET_COLUMNLIST) return 0;
  return gadget->clickedRow - 1;
}

}  // namespace bevel
