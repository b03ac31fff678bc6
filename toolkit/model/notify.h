// Asking the event handlers before an action happens: the one notification path.
//
// A handler may close the gadget's window (retiring the gadget) or run frames of its own. Either
// way the answer is one yes or no: a gadget that a handler closed is not asked about again and
// its action does not happen, so callers never check whether it is "gone".
#pragma once

#include <cstdint>

#include "toolkit/model/gadget.h"
#include "toolkit/model/screen_window.h"

namespace bevel::detail {

// Calls every handler whose filter is none, the gadget or the window, in the order they were
// set, with (the gadget's handle, kind, item). The first that returns 0 vetoes: the result is 0
// and the caller does not act. 0 also when the gadget is dead, before or after the handlers
// ran (no later handler is called for it). 1 when all allow, or there is none.
// Handlers may create gadgets or windows and set further handlers while they run.
int NotifyHandlers(const ScreenWindow* window, Gadget* gadget, int kind, std::intptr_t item);

// NotifyHandlers for an action of g, with g's own window: true when the action may go ahead.
bool Ask(Gadget& g, int kind, std::intptr_t item = 0);

// The vetoable step: moves `field` of g (its value or first visible row) to `target` after
// asking EVENT_STEP with the difference. Nothing happens when they are equal or the handlers
// refuse. True when the field moved. target is 64-bit so callers may compute it without
// overflow; it must lie within int.
bool StepTo(Gadget& g, int& field, long long target);

}  // namespace bevel::detail
