// Attribute and record commands: enabling, colours, activation, existence,
// geometry, and the record-handle accessors that event handlers use.
#include <algorithm>
#include <string>

#include "toolkit/gadgets/gadget_rules.h"
#include "toolkit/model/toolkit_state.h"

namespace bevel {

int DisableGadget(int number, int flag) {
  Gadget* gadget = Toolkit().GadgetList.Find(number);
  if (gadget == nullptr) return 0;
  gadget->disabled = flag != 0 ? 1 : 0;
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
  switch (gadget->type) {
    case GADGET_COLUMNLIST:
    case GADGET_TREE:
    case GADGET_FILELIST:
    case GADGET_STRING:
    case GADGET_COMBOBOX:
      return gadget->activated;
    case GADGET_HYPERLINK:
    case GADGET_IMAGEBUTTON:
      return gadget->hoverColour;  // HyperLink: the hover colour; ImageButton: its image
    default:
      return 0;
  }
}

int GadgetExists(int number) {
  return Toolkit().GadgetList.Contains(number) ? 1 : 0;
}

int ResizeGadget(int number, int x, int y, int width, int height) {
  Gadget* gadget = Toolkit().GadgetList.Find(number);
  if (gadget == nullptr) return 0;
  if (x != KEEP_VALUE) gadget->x = x;
  if (y != KEEP_VALUE) gadget->y = y;
  if (width != KEEP_VALUE) gadget->width = width;
  if (height != KEEP_VALUE) {
    if (detail::TakesRowCount(gadget->type)) {
      // A row count. A ColumnList with a header keeps its header row, as at creation.
      gadget->rows = std::max(height, 0);
      gadget->height = detail::RowsToHeight(gadget->type, gadget->flags, gadget->rows);
    } else {
      gadget->height = height;
    }
  }
  return 1;
}

Gadget* GadgetRecord(int number) {
  return Toolkit().GadgetList.Find(number);
}

int RecordNumber(const Gadget* record) {
  return record == nullptr ? 0 : record->number;
}

std::string RecordItemText(const Gadget* record, int index) {
  return record == nullptr ? std::string() : GetItemText(record->number, index);
}

int ClickedColumn(const Gadget* record) {
  if (record == nullptr || record->type != GADGET_COLUMNLIST) return 0;
  return record->clickedRow - 1;
}

}  // namespace bevel
