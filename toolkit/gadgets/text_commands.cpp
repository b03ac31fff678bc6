// SetGadgetText, GetGadgetText, SetSelectionStart and SetCursor, by gadget type.
#include <algorithm>
#include <string>
#include <string_view>

#include "toolkit/gadgets/date_parts.h"
#include "toolkit/gadgets/file_list.h"
#include "toolkit/gadgets/gadget_rules.h"
#include "toolkit/gadgets/items.h"
#include "toolkit/model/gadget_class.h"
#include "toolkit/model/toolkit_state.h"

namespace bevel {
namespace {

// The text of the selected item (value is 1-based), "" when none is selected.
std::string SelectedItemText(const Gadget& list) {
  if (list.value < 1 || list.value > static_cast<int>(list.items.size())) return "";
  return list.items[static_cast<std::size_t>(list.value - 1)].itemText;
}

std::string_view DateMask(const Gadget& date) {
  return date.text.empty() ? std::string_view(detail::kDefaultDateMask)
                           : std::string_view(date.text);
}

void SetStringText(Gadget& field, std::string_view text) {
  field.text = detail::CutToMaximum(text, field.maximum, (field.flags & STRING_MULTILINE) != 0);
  const int length = static_cast<int>(field.text.size());
  if (field.state != 0 && field.selectionStart > length) {
    field.selectionStart = field.cursor = length;
  }
  // The caret alone may lie beyond the shorter text too (a selection running forwards).
  detail::ClampTextPositions(field);
}

// The types whose cursor the cursor commands set.
bool HasTextCursor(const Gadget& gadget) {
  const detail::GadgetClass& cls = detail::ClassOf(gadget);
  return (cls.flags & detail::CLASS_TEXT_FIELD) && cls.takesFocus(gadget);
}

enum class CursorEnd { kSelectionStart, kCursor };

// The shared body of SetSelectionStart and SetCursor: the end named is set, and the other end
// follows when it is -1 (no selection yet).
int SetCursorEnd(int number, int position, CursorEnd end) {
  Gadget* gadget = Toolkit().GadgetList.Find(number);
  if (gadget == nullptr) return 0;
  if (!HasTextCursor(*gadget)) return 1;
  if (position < 0) {
    gadget->selectionStart = gadget->cursor = -1;
    gadget->state = 0;  // the field loses its cursor
  } else {
    // A position past the text is the end, so no command stores an out-of-range position.
    position = std::min(position, static_cast<int>(gadget->text.size()));
    int& set = end == CursorEnd::kSelectionStart ? gadget->selectionStart : gadget->cursor;
    int& other = end == CursorEnd::kSelectionStart ? gadget->cursor : gadget->selectionStart;
    set = position;
    if (other == -1) other = position;
    gadget->state = 1;
  }
  gadget->altCode = 0;
  return 1;
}

}  // namespace

int SetGadgetText(int number, std::string_view text) {
  Gadget* gadget = Toolkit().GadgetList.Find(number);
  if (gadget == nullptr) return 0;
  gadget->history = {};  // the undo steps of a String or ComboBox no longer fit the text
  switch (gadget->type) {
    case GADGET_STRING:
      SetStringText(*gadget, text);
      break;
    case GADGET_COMBOBOX:
      gadget->text = detail::DisplayText(text);
      detail::ClampTextPositions(*gadget);  // An editable box's caret stays in the text
      break;
    case GADGET_FILELIST:
      gadget->text = detail::DirectoryPart(text);  // the pattern (extraText) is kept
      detail::FillFileList(*gadget);
      break;
    case GADGET_DATE:
      // An empty mask is the default mask, as at creation.
      gadget->text = text.empty() ? std::string_view(detail::kDefaultDateMask) : text;
      gadget->dateField = gadget->dateFieldType = 0;
      if (gadget->state < 3) gadget->state = 0;
      break;
    case GADGET_COLUMNLIST:
    case GADGET_TREE:
      break;
    default:
      gadget->text = text;
      break;
  }
  return 1;
}

std::string GetGadgetText(int number) {
  const Gadget* gadget = Toolkit().GadgetList.Find(number);
  if (gadget == nullptr) return "";
  switch (gadget->type) {
    case GADGET_COLUMNLIST:
    case GADGET_TREE:
      return SelectedItemText(*gadget);
    case GADGET_FILELIST:
      return std::string(detail::DirectoryPart(gadget->text)) + SelectedItemText(*gadget);
    case GADGET_DATE:
      if (gadget->date.year < 0) return "";  // no date at all
      return FormatDate(DateMask(*gadget), detail::JoinDate(gadget->date));
    default:
      return gadget->text;
  }
}

int SetSelectionStart(int number, int position) {
  return SetCursorEnd(number, position, CursorEnd::kSelectionStart);
}

int SetCursor(int number, int position) {
  return SetCursorEnd(number, position, CursorEnd::kCursor);
}

}  // namespace bevel
