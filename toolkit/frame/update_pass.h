// The gadget update pass: once per frame in which no mouse button is held and no menu is open,
// it turns the raw marks that press handling left (states, item bits, drop-down states) and the
// wheel into results: toggles, selections, scrolling, drop-downs opening and closing, the
// keyboard editing of the focused field, events for the handlers and EventGadget.
#pragma once

#include "toolkit/model/frame_input.h"

namespace bevel::detail {

// Per gadget, in list order:
//   1. hoverItem -1;
//   2. its font becomes the drawing font (the renderers and the text editor measure with it);
//   3. outside the active window, or while that window is minimised, only step 5 follows, so a
//      pending state waits until its window is live again;
//   4. its class's update step;
//   5. repeatDelay 0, unless the class keeps key repeats in it from frame to frame.
void RunUpdatePass(const FrameInput& in);

}  // namespace bevel::detail
