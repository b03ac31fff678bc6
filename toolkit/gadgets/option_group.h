// Option groups: runs of adjacent Options in the gadget list.
#pragma once

#include "toolkit/model/gadget.h"

namespace bevel::detail {

// Sets the option (state 2) and clears every other option of its group: the Options before and
// after it in the gadget list, up to the first gadget of another type. Gadgets closed during the
// frame do not part a group; they are skipped.
void SetOption(Gadget& option);

}  // namespace bevel::detail
