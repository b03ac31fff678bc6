// Date: a field of date parts with a check box (DATE_CHECKBOX), up/down arrows (DATE_UPDOWN) or
// a button that drops a month calendar down (or up, where it fits on the screen).
//
// States left by the press for the update step: 2 a date part was clicked (the renderer
// selects the part under pickX), 3 / 4 up / down arrow held, 5 check box pressed; in the open
// calendar as for the Calendar gadget (calendar.cpp). 1..9 mean a date part has the keyboard
// focus.
//
// The calendar drop-down follows dropState:
//
//   dropState  set by                            update makes it        events
//   1          button pressed while closed       2 open (or 0 refused)  14, then 12
//   2 open     -                                 2                      -
//   3          button pressed while open         0 closed               15
//
// A refused opening closes the Date again, as it does a ComboBox: a dropState 2 without
// OpenPopupIndex would draw an open calendar that takes no clicks, and the next button press
// would count as a close.
#include <algorithm>
#include <cstddef>
#include <string>

#include "services/services.h"
#include "toolkit/frame/behaviour.h"
#include "toolkit/gadgets/date_parts.h"
#include "toolkit/gadgets/list_layout.h"
#include "toolkit/model/toolkit_state.h"
#include "toolkit/text/key_editor.h"

namespace bevel::detail {
namespace {

bool HoldsDate(const Gadget& g) {
  return g.date.year >= 0 && g.dateSet;
}

// State 5: the check box was clicked. Unticking removes the date, and with it the focused
// part, which the field then loses.
void ToggleCheckBox(Gadget& g) {
  Ask(g, EVENT_CHECK_TOGGLE);
  g.dateSet = g.dateSet != 0 ? 0 : 1;
  g.state = 0;
  SetEvent(g);
  if (g.dateSet == 0) {
    g.dateFieldType = 0;
    g.dateField = 0;
    Ask(g, EVENT_FOCUS_LOST);
  }
}

// The keyboard on the focused date part, with the auto-repeat wait of text fields: after a
// key acted, the next edit waits 200 ms, then about 33 ms while the same key stays held;
// releasing the key ends the wait at once.
void EditFocusedPart(Gadget& g) {
  if (KeyRepeatWaits(g) || g.disabled != 0) return;
  // The editor changes the date parts of the record itself; the text it returns is not the
  // Date's.
  const KeyEdit edit =
      KeyEditor(Toolkit().WindowList.Find(g.window), g, g.text, g.flags, g.maximum);
  if (edit.Handled()) StartKeyRepeat(g, edit.keyCode);
}

void CalendarDropDown(Gadget& g) {
  ToolkitState& tk = Toolkit();
  if (g.dropState == 1) {
    if (!Ask(g, EVENT_DROP_OPEN)) {
      g.dropState = 0;
      return;
    }
    g.dropState = 2;
    tk.OpenPopupIndex = g.listIndex;
    // The calendar takes the input: the focused part loses the keyboard.
    g.dateFieldType = 0;
    g.dateField = 0;
    g.state = 0;
    Ask(g, EVENT_FOCUS_LOST);
  } else if (g.dropState == 3) {
    CloseDateCalendar(g);
  }
}

// The open calendar, below the field or above it.
Rect DropDownOf(const Gadget& g, const Rect& field) {
  return DateDropDown(field.x, field.y, field.h, g.dropUp != 0);
}

}  // namespace

bool HitDate(const Gadget& g, const FrameInput& in) {
  const Rect field = GadgetRect(g, in);
  const Rect area =
      g.dropState >= 2 ? FieldWithDropDown(field, DropDownOf(g, field), g.dropUp != 0) : field;
  return area.Holds(in.mx, in.my);
}

void PlaceCalendar(Gadget& g, const FrameInput& in, int screenHeight) {
  const Rect field = GadgetRect(g, in);
  g.dropUp = DateDropDown(field.x, field.y, field.h, false).Bottom() > screenHeight;
}

void CloseDateCalendar(Gadget& g) {
  ToolkitState& tk = Toolkit();
  const bool open = g.dropState >= 2;
  g.dropState = 0;
  if (tk.OpenPopupIndex == g.listIndex) tk.OpenPopupIndex = -1;
  if (open) Ask(g, EVENT_DROP_CLOSED);
}

void PressDate(Gadget& g, const FrameInput& in) {
  const int gx = in.ox + g.x, gy = in.oy + g.y;
  const int w = g.width, h = g.height;
  const int mx = in.mx, my = in.my;

  if (my >= gy && my < gy + h) {
    if ((g.flags & DATE_CHECKBOX) && mx <= gx + 14) {
      if (Ask(g, EVENT_CHECK_PRESS)) {
        g.state = 5;
        CloseDateCalendar(g);
      }
    } else if (mx <= gx + w - 17) {
      if (g.state != 2 && HoldsDate(g)) {
        CloseDateCalendar(g);
        // 0 would read as "no click" to the renderer.
        g.pickX = std::max(mx - gx, 1);
        Ask(g, EVENT_FOCUS);
        g.state = 2;
      }
    } else if (g.flags & DATE_UPDOWN) {
      const double middle = gy + h - h / 2.0 - 1;
      const int part = my < middle ? 3 : 4;
      if (Ask(g, EVENT_PRESS, part - 3)) {
        g.state = part;
        if (RepeatDue(g)) {
          g.repeatDelay = Toolkit().FramesPerTenth / 2;
          const int d = part == 3 ? 1 : -1;
          if (Ask(g, EVENT_STEP, d)) StepDatePart(g, d);
        }
      }
    } else if ((g.dropState == 0 || g.dropState == 2) && Ask(g, EVENT_DROP_PRESS)) {
      if (g.dropState == 0) g.state = 0;
      ++g.dropState;
    }
  } else if (g.dropState >= 2 && g.dropState <= 4) {
    g.state = CalendarPress(g, in, DropDownOf(g, GadgetRect(g, in)));
  }
  SetEvent(g);
}

void UpdateDate(Gadget& g, const FrameInput&) {
  if (g.state == 5) ToggleCheckBox(g);
  // A released arrow is reported; a focused part takes the keyboard.
  if (g.state == 3 || g.state == 4) {
    g.state = 0;
    g.repeatDelay = 0;
    Ask(g, EVENT_CLICK);
  } else if (g.state >= 1 && g.state <= 9) {
    g.state = 1;
    EditFocusedPart(g);
  }
  CalendarDropDown(g);
  SettleCalendar(g);
}

bool DateTakesFocus(const Gadget&) {
  return true;
}

// Tab into a Date selects its first part (the renderer fills in the part's type).
void DateGainsFocus(Gadget& g) {
  g.state = 2;
  g.dateField = 1;
  g.dateFieldType = 0;
}

bool DateLosesFocus(Gadget& g) {
  g.state = 0;
  g.altCode = 0;
  g.dateField = g.dateFieldType = 0;
  return true;
}

bool DateKeepsKeyRepeat(const Gadget&) {
  return true;
}

}  // namespace bevel::detail
