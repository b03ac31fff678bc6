// Update steps of the Date and the Calendar.
//
// Date states left by press handling: 1..9 a date part has the keyboard focus (2 just clicked,
// 3 and 4 an arrow held), 5 its check box clicked (handled by the driver), 10 and up the open
// calendar (below). Its calendar drop-down follows dropState:
//
//   dropState  set by                            here becomes           events
//   1          button pressed while closed       2 open (or 0 refused)  14, then 12
//   2 open     -                                 2                      -
//   3          button pressed while open         0 closed               15
//
// (One up, wrapping from 4 to 0.) A refused opening closes the Date again, as it does a
// ComboBox: a dropState 2 without OpenPopupIndex would draw an open calendar that takes no
// clicks, and the next button press would count as a close.
//
// Calendar states (a Calendar's own face, a Date's open calendar):
//   10 a day cell released     -> 11 (the renderer takes the day), EventGadget, kind 2
//   12..14 a month step        -> 0, kind 2
//   15..17 year field / spin   -> 15, kind 2 (again in every frame press handling keeps it
//                                 at 15 or more)
#include "services/services.h"
#include "toolkit/frame/update_pass.h"
#include "toolkit/model/toolkit_state.h"
#include "toolkit/text/key_editor.h"

namespace bevel::detail {
namespace {

// The keyboard on the focused date part, with the auto-repeat wait of text fields: after a
// key acted, the next edit waits 200 ms, then about 33 ms while the same key stays held;
// releasing the key ends the wait at once.
void EditFocusedPart(Gadget*& g) {
  ToolkitState& tk = Toolkit();
  if (g->repeatDelay >= 1) {
    if (g->lastKey <= 0 || KeyPushed(g->lastKey) == 0) {
      g->lastKey = 0;
      g->repeatDelay = 1;
    }
    --g->repeatDelay;
    return;
  }
  if (g->disabled != 0) return;
  // The editor changes the date parts of the record itself; the text it returns is not the
  // Date's. Its handlers may delete the gadget.
  const int number = g->number;
  Gadget* const before = g;
  const KeyEdit edit = KeyEditor(tk.WindowList.Find(g->window), *g, g->text, g->flags, g->maximum);
  g = tk.GadgetList.Find(number);
  if (g != before) g = nullptr;
  if (g == nullptr || !edit.Handled()) return;
  int wait = 2 * tk.FramesPerTenth;
  if (edit.keyCode != 0 && edit.keyCode == g->lastKey && KeyPushed(edit.keyCode) != 0) wait /= 6;
  g->repeatDelay = wait;
  g->lastKey = edit.keyCode;
  tk.LastEditKey = 0;
  MakeEventGadget(*g);
}

void CalendarDropDown(Gadget*& g) {
  ToolkitState& tk = Toolkit();
  if (g->dropState == 1) {
    if (!N(g, EVENT_DROP_OPEN, 0)) {
      if (g != nullptr) g->dropState = 0;
      return;
    }
    g->dropState = 2;
    tk.OpenPopupIndex = g->listIndex;
    // The calendar takes the input: the focused part loses the keyboard.
    g->dateFieldType = 0;
    g->dateField = 0;
    g->state = 0;
    N(g, EVENT_FOCUS_LOST, 0);
  } else if (g->dropState == 3) {
    g->dropState = 0;
    tk.OpenPopupIndex = -1;
    N(g, EVENT_DROP_CLOSED, 0);
  }
}

void CalendarStates(Gadget*& g) {
  if (g->state == 10) {
    g->state = 11;
    MakeEventGadget(*g);
  } else if (g->state >= 12 && g->state <= 14) {
    g->state = 0;
    g->repeatDelay = 0;
  } else if (g->state >= 15) {
    g->state = 15;
    g->repeatDelay = 0;
  } else {
    return;
  }
  N(g, EVENT_CLICK, 0);
}

}  // namespace

void UpdateDate(Gadget& gadget, const FrameInput&) {
  Gadget* g = &gadget;
  // a. A released arrow is reported; a focused part takes the keyboard.
  if (g->state == 3 || g->state == 4) {
    g->state = 0;
    g->repeatDelay = 0;
    N(g, EVENT_CLICK, 0);
  } else if (g->state >= 1 && g->state <= 9) {
    g->state = 1;
    EditFocusedPart(g);
  }
  if (g == nullptr) return;
  // b. The calendar drop-down.
  CalendarDropDown(g);
  if (g == nullptr) return;
  // c. The open calendar.
  CalendarStates(g);
}

void UpdateCalendar(Gadget& gadget, const FrameInput&) {
  Gadget* g = &gadget;
  CalendarStates(g);
}

}  // namespace bevel::detail
