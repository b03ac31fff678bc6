// SetGadgetState, GetGadgetState, RecordState and SetDateLimits, by what the state means for the
// gadget's class (StateMeaning).
//
// Invariants kept by these commands:
// - a list's value is 0 (none) .. item count;
// - a String's selectionStart and cursor are -1 (no cursor) or 0 .. text length;
// - a bar's value lies in its range, a ScrollBar's in minimum .. maximum - page + 1 (or is the
//   minimum when the page exceeds the range);
// - a Date's or Calendar's date lies within its limits after every command that sets it.
#include <algorithm>
#include <cstdint>
#include <utility>

#include "toolkit/gadgets/date_parts.h"
#include "toolkit/gadgets/gadget_rules.h"
#include "toolkit/gadgets/items.h"
#include "toolkit/gadgets/option_group.h"
#include "toolkit/model/gadget_class.h"
#include "toolkit/model/toolkit_state.h"

namespace bevel {
namespace {

// v limited to lo .. hi; lo wins when the range is empty.
int ClampToRange(std::int64_t v, std::int64_t lo, std::int64_t hi) {
  return static_cast<int>(std::max(lo, std::min(v, hi)));
}

void SetScrollBarValue(Gadget& bar, int v) {
  // With the page larger than the range the upper end lies below the minimum; the value
  // is then the minimum. A page below 1 counts as 1 so the value never passes the maximum.
  const std::int64_t page = std::max(bar.rows, 1);
  const std::int64_t top = static_cast<std::int64_t>(bar.maximum) - page + 1;
  bar.value = top < bar.minimum ? bar.minimum : ClampToRange(v, bar.minimum, top);
}

void SetListSelection(Gadget& list, int v) {
  const auto count = static_cast<std::int64_t>(list.items.size());
  // v + 1 past the end selects the last item; -1 clears. A v <= -2 clears as well instead
  // of storing a negative selection.
  list.value = v < -1 ? 0 : static_cast<int>(std::min<std::int64_t>(std::int64_t{v} + 1, count));
  if (list.type == GADGET_COLUMNLIST || list.type == GADGET_FILELIST) list.clickedRow = 1;
  if (list.type == GADGET_COMBOBOX) {
    list.text = list.value >= 1 ? detail::DisplayText(list.items[list.value - 1].itemText) : "";
    detail::ClampTextPositions(list);
  }
}

void SetStringCursor(Gadget& field, int v) {
  const int length = static_cast<int>(field.text.size());
  if (v == -1 || v < -2) {
    // Any negative position other than -2 (end of text) removes the cursor, as
    // SetCursor does, instead of storing a position before the text.
    field.selectionStart = field.cursor = -1;
    field.state = 0;
  } else {
    // A position past the text (or -2) is the text length.
    const int position = v == -2 ? length : std::min(v, length);
    field.selectionStart = field.cursor = position;
    field.state = 1;
  }
  field.altCode = 0;
}

void SetDateValue(Gadget& gadget, int v) {
  v = std::max(v, 0);  // dates before 1970 lie outside the parts' ranges
  if (gadget.type == GADGET_DATE) {
    if (v == 0 && (gadget.flags & DATE_CHECKBOX)) {
      gadget.dateSet = 0;  // unchecked: the parts are kept for when it is checked again
      return;
    }
    gadget.dateSet = 1;
  }
  gadget.date = detail::SplitDate(v);
  detail::ApplyDateLimits(gadget);
}

int StateOf(const Gadget& gadget) {
  using detail::StateMeaning;
  switch (detail::ClassOf(gadget).state) {
    case StateMeaning::kValue:
    case StateMeaning::kScrollValue:
      return gadget.value;
    case StateMeaning::kSelection:
      return gadget.value - 1;
    case StateMeaning::kCursor:
      return gadget.cursor;
    case StateMeaning::kDate:
      // An unticked Date has no date; -1 without a year.
      return gadget.type == GADGET_DATE && gadget.dateSet == 0 ? 0 : detail::JoinDate(gadget.date);
    default:
      return gadget.state < 2 ? gadget.state : 1;  // a checked box or set option reads 1
  }
}

}  // namespace

int SetGadgetState(int number, int value) {
  using detail::StateMeaning;
  Gadget* gadget = Toolkit().GadgetList.Find(number);
  if (gadget == nullptr) return 0;
  switch (detail::ClassOf(*gadget).state) {
    case StateMeaning::kButton:
      // Without the toggle flag the state is stored as given: 1 makes the next update pass
      // report a click.
      gadget->state = (gadget->flags & BUTTON_TOGGLE) ? (value != 0 ? 2 : 0) : value;
      break;
    case StateMeaning::kCheck:
      gadget->state = value != 0 ? 2 : 0;
      break;
    case StateMeaning::kOption:
      if (value != 0) detail::SetOption(*gadget);
      break;
    case StateMeaning::kValue:
      gadget->value = ClampToRange(value, gadget->minimum, gadget->maximum);
      break;
    case StateMeaning::kScrollValue:
      SetScrollBarValue(*gadget, value);
      break;
    case StateMeaning::kSelection:
      SetListSelection(*gadget, value);
      break;
    case StateMeaning::kCursor:
      SetStringCursor(*gadget, value);
      break;
    case StateMeaning::kDate:
      SetDateValue(*gadget, value);
      break;
    case StateMeaning::kNone:
      break;
  }
  return 1;
}

int GetGadgetState(int number) {
  const Gadget* gadget = Toolkit().GadgetList.Find(number);
  return gadget == nullptr ? 0 : StateOf(*gadget);
}

int RecordState(const Gadget* record) {
  const Gadget* gadget = Toolkit().GadgetList.FromHandle(record);
  return gadget == nullptr ? 0 : StateOf(*gadget);
}

int SetDateLimits(int number, int lower, int upper) {
  Gadget* gadget = Toolkit().GadgetList.Find(number);
  if (gadget == nullptr) return 0;
  if (detail::ClassOf(*gadget).state != detail::StateMeaning::kDate) return 1;
  // A date of 0 (or below,
  // outside the parts' range) is no limit; limits given the wrong way round are swapped.
  DateParts low = lower > 0 ? detail::SplitDate(lower) : DateParts{};
  DateParts high = upper > 0 ? detail::SplitDate(upper) : DateParts{};
  if (low.year >= 0 && high.year >= 0 && detail::CompareDates(low, high) > 0) {
    std::swap(low, high);
  }
  gadget->minDate = low;
  gadget->maxDate = high;
  detail::ApplyDateLimits(*gadget);
  return 1;
}

}  // namespace bevel
