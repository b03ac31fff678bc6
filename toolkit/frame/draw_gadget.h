// The draw dispatch: a gadget's renderer, found in its class, with its font and colours set.
#pragma once

#include "toolkit/model/gadget.h"

namespace bevel {

// Draws the gadget at the window's client origin. Caller: a drawing session is open.
void DrawGadget(Gadget& g, int originX, int originY);

}  // namespace bevel
