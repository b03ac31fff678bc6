// The colour lookups of records: a record's own colour slot, or its default scheme's when the
// slot holds -1.
#pragma once

#include "toolkit/model/gadget.h"
#include "toolkit/model/screen_window.h"

namespace bevel {

// A colour slot of the gadget (ColorSlot 1..8), or the gadget scheme's when it is -1; 0 for a
// slot outside 1..8.
int GadgetColour(const Gadget& g, int slot);

namespace detail {

// A slot (ColorSlot 1..8) of the window's colour block, or the window scheme's when it is -1.
int WindowColour(const ScreenWindow& w, int slot);

}  // namespace detail
}  // namespace bevel
