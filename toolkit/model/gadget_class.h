// Each gadget type's behaviour in one table: who draws it, and (as the frame function grows)
// who handles its presses, releases and update step. Anyone can see every type's behaviour
// in one place, in toolkit/gadgets/gadget_classes.cpp.
#pragma once

#include <array>

#include "toolkit/model/frame_input.h"
#include "toolkit/model/gadget.h"

namespace bevel::detail {

using RenderFn = void (*)(Gadget& g, int x, int y, int face, int text);
// The gadget under a held mouse button that took the press.
using PressFn = void (*)(Gadget& g, const FrameInput& in);
// A gadget that is not under the held button (or cannot take it).
using ReleaseFn = void (*)(Gadget& g);
// The per-frame update step while no button is held (the type's part of the update pass).
using UpdateFn = void (*)(Gadget& g, const FrameInput& in);

struct GadgetClass {
  const char* name;
  RenderFn render;    // nullptr: draws nothing
  PressFn press;      // nullptr: takes the press and does nothing
  ReleaseFn release;  // nullptr: nothing to undo
  UpdateFn update;    // nullptr: nothing to do
};

// Indexed by GadgetType; entry 0 is unused.
extern const std::array<GadgetClass, kGadgetTypeCount + 1> kGadgetClasses;

// The class of a type, nullptr for a type outside 1..19.
const GadgetClass* ClassOf(int type);

}  // namespace bevel::detail
