// The update pass driver: the steps every gadget shares, then its type's own step.
//
// Per gadget, in list order:
//   1. hoverItem -1;
//   2. its font becomes the drawing font (the renderers and the text editor measure with it);
//   3. outside the active window, or while that window is minimised, only step 6 follows, so a
//      pending state waits until its window is live again;
//   4. EventGadget for a released Button, ImageButton, CheckBox or Option; a Date's check box;
//   5. the type's step (UpdateFn of the gadget class table);
//   6. repeatDelay 0, except for the types that count key repeats in it (String, Date, and a
//      ComboBox with a cursor), whose count must survive from frame to frame.
#include "toolkit/frame/update_pass.h"

#include "services/services.h"
#include "toolkit/model/gadget_class.h"
#include "toolkit/model/notify.h"
#include "toolkit/model/toolkit_state.h"

namespace bevel::detail {
namespace {

// Step 4. Buttons, check boxes and options are reported in the frame their press is released:
// press handling leaves 1 (clicked) or 3 (on and clicked).
void DecideEventGadget(Gadget*& g) {
  switch (g->type) {
    case GADGET_BUTTON:
    case GADGET_IMAGEBUTTON:
      if (g->state == 1 || ((g->flags & BUTTON_TOGGLE) && g->state == 3)) MakeEventGadget(*g);
      break;
    case GADGET_CHECKBOX:
    case GADGET_OPTION:
      if (g->state == 1 || g->state == 3) MakeEventGadget(*g);
      break;
    case GADGET_DATE:
      // State 5: its check box was clicked. Unticking removes the date, and with it the
      // focused part, which the field then loses.
      if (g->state != 5) break;
      N(g, EVENT_CHECK, 0);
      if (g == nullptr) return;
      g->dateSet = g->dateSet != 0 ? 0 : 1;
      g->state = 0;
      MakeEventGadget(*g);
      if (g->dateSet == 0) {
        g->dateFieldType = 0;
        g->dateField = 0;
        N(g, EVENT_FOCUS_LOST, 0);
      }
      break;
    default:
      break;
  }
}

bool CountsKeyRepeats(const Gadget& g) {
  return g.type == GADGET_STRING || g.type == GADGET_DATE ||
         (g.type == GADGET_COMBOBOX && g.selectionStart >= 0);
}

// Steps 1 to 6 for one gadget. Afterwards g is the gadget, or nullptr when a handler deleted it.
void UpdateGadget(Gadget*& g, const FrameInput& in) {
  ToolkitState& tk = Toolkit();
  g->hoverItem = -1;
  const int font = g->colors[SlotIndex(COLOR_FONT)];
  SetDrawFont(font == -1 ? tk.GadgetScheme[SlotIndex(COLOR_FONT)] : font);

  if (g->window == tk.ActiveWindow && !in.minimised) {
    DecideEventGadget(g);
    if (g == nullptr) return;
    const GadgetClass* gadgetClass = ClassOf(g->type);
    if (gadgetClass != nullptr && gadgetClass->update != nullptr) {
      const int number = g->number;
      Gadget* const before = g;
      gadgetClass->update(*g, in);
      g = tk.GadgetList.Find(number);
      if (g != before) g = nullptr;
    }
    if (g == nullptr) return;
  }
  if (!CountsKeyRepeats(*g)) g->repeatDelay = 0;
}

}  // namespace

int N(Gadget*& g, int kind, std::intptr_t item) {
  ToolkitState& tk = Toolkit();
  const int number = g->number;
  Gadget* const before = g;
  const int allowed = NotifyHandlers(tk.WindowList.Find(g->window), g, kind, item);
  // A handler may have closed the gadget's window; a gadget of the same number created in its
  // place is another record.
  g = tk.GadgetList.Find(number);
  if (g != before) g = nullptr;
  return g != nullptr ? allowed : 0;
}

bool InsideRect(const FrameInput& in, long long left, long long top, long long width,
                long long height) {
  return in.mx > left && in.mx < left + width - 1 && in.my > top && in.my < top + height - 1;
}

bool Inside(const Gadget& g, const FrameInput& in) {
  if (g.disabled != 0 || g.hidden != 0) return false;
  return InsideRect(in, static_cast<long long>(in.ox) + g.x, static_cast<long long>(in.oy) + g.y,
                    g.width, g.height);
}

void MakeEventGadget(const Gadget& g) {
  Toolkit().EventGadget = g.number;
}

void RunUpdatePass(const FrameInput& in) {
  const GadgetList& list = Toolkit().GadgetList;
  // Handlers may close windows (removing gadgets, also before the current one) or create
  // gadgets while the pass runs, so the walk goes by position over the live list and resumes
  // after the last gadget it handled that still exists.
  Gadget* last = nullptr;
  int lastNumber = 0;
  int position = 0;
  while (Gadget* g = list.At(position)) {
    const int number = g->number;
    UpdateGadget(g, in);
    if (g != nullptr) {
      last = g;
      lastNumber = number;
      position = g->listIndex + 1;
    } else if (last != nullptr && list.Find(lastNumber) == last) {
      position = last->listIndex + 1;
    }
    // Otherwise the removed gadget's place now holds the first gadget after it (exact unless
    // gadgets before it went too, which can then be skipped for this frame).
  }
}

}  // namespace bevel::detail
