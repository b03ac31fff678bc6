// Asking the event handlers before an action happens.
#pragma once

#include <cstdint>

#include "toolkit/model/gadget.h"
#include "toolkit/model/screen_window.h"

namespace bevel::detail {

// Calls every handler whose filter is none, the gadget or the window, in the order they were
// set, with (gadget, kind, item). The first that returns 0 vetoes: the result is 0 and the
// caller does not act. 1 when all allow, or there is none.
// Handlers may create gadgets or windows and set further handlers while they run.
int NotifyHandlers(const ScreenWindow* window, Gadget* gadget, int kind, std::intptr_t item);

}  // namespace bevel::detail
