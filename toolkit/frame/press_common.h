// Small pieces the press handling files share: asking the handlers, the modifier keys and the
// auto-repeat counter. Only the press_*.cpp files include this.
#pragma once

#include <cstdint>

#include "services/services.h"
#include "toolkit/model/frame_input.h"
#include "toolkit/model/gadget.h"
#include "toolkit/model/notify.h"
#include "toolkit/model/toolkit_state.h"

namespace bevel::detail::press {

inline constexpr int kAllowed = 1;
inline constexpr int kVetoed = 0;
// A handler closed the gadget's window, which deleted the record: the caller must return at
// once without touching the gadget again.
inline constexpr int kGone = -1;

// Asks the event handlers about an action of g (kind, item). Only the address is compared after
// the handlers ran, never read through, so a deleted record is detected without being touched.
inline int N(Gadget& g, int kind, std::intptr_t item) {
  ToolkitState& ts = Toolkit();
  const int number = g.number;
  const int answer = NotifyHandlers(ts.WindowList.Find(g.window), &g, kind, item);
  if (ts.GadgetList.Find(number) != &g) return kGone;
  return answer != 0 ? kAllowed : kVetoed;
}

// True while g's record exists; number is g.number read before any handler could delete it.
inline bool Alive(const Gadget& g, int number) {
  return Toolkit().GadgetList.Find(number) == &g;
}

inline bool CtrlHeld() {
  return KeyPushed(29) != 0 || KeyPushed(157) != 0;
}
inline bool ShiftHeld() {
  return KeyPushed(42) != 0 || KeyPushed(54) != 0;
}

// Auto-repeat of a held press: true when the action is due (repeatDelay below 1; the caller
// then acts and reloads repeatDelay), else counts one frame down. With FramesPerTenth 0 (the
// first frame) reloads are 0 and the action runs every frame.
inline bool RepeatDue(Gadget& g) {
  if (g.repeatDelay >= 1) {
    --g.repeatDelay;
    return false;
  }
  return true;
}

// The page-step repeat period: 4/3 of the arrow period.
inline int PageRepeat() {
  return Toolkit().FramesPerTenth / 3 * 4;
}

// The focus and caret-placement press of a String, shared with the editable ComboBox's field
// (press_text.cpp).
void TakeTextFocus(Gadget& g, const FrameInput& in);

// Sets the event of this frame to g.
inline void SetEvent(const Gadget& g) {
  Toolkit().EventGadget = g.number;
}

}  // namespace bevel::detail::press
