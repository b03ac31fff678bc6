// Each gadget type's behaviour in one table: who draws it, and (as the frame function grows)
// who handles its presses, releases and update step. Anyone can see every type's behaviour
// in one place, in toolkit/gadgets/gadget_classes.cpp.
#pragma once

#include <array>

#include "toolkit/gadgets/gadget.h"

namespace bevel::detail {

using RenderFn = void (*)(Gadget& g, int x, int y, int face, int text);

struct GadgetClass {
  const char* name;
  RenderFn render;  // nullptr: the type draws nothing (yet)
};

// Indexed by GadgetType; entry 0 is unused.
extern const std::array<GadgetClass, kGadgetTypeCount + 1> kGadgetClasses;

// The class of a type, nullptr for a type outside 1..19.
const GadgetClass* ClassOf(int type);

}  // namespace bevel::detail
