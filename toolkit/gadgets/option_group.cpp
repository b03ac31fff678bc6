// The option group walk, shared by SetGadgetState and a click on an option.
#include "toolkit/gadgets/option_group.h"

#include "toolkit/model/toolkit_state.h"

namespace bevel::detail {
namespace {

// Clears the options from `position` on in direction `step` until a live non-Option.
void ClearRun(int position, int step) {
  const GadgetList& list = Toolkit().GadgetList;
  for (Gadget* other = list.At(position); other != nullptr; other = list.At(position += step)) {
    if (other->dead) continue;
    if (other->type != GADGET_OPTION) break;
    other->state = 0;
  }
}

}  // namespace

void SetOption(Gadget& option) {
  option.state = 2;
  ClearRun(option.listIndex - 1, -1);
  ClearRun(option.listIndex + 1, +1);
}

}  // namespace bevel::detail
