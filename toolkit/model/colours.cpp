// The colour lookups of records.
#include "toolkit/model/colours.h"

#include <cstddef>

#include "toolkit/model/toolkit_state.h"

namespace bevel {
namespace {

int SlotOf(const ColorScheme& own, const ColorScheme& scheme, int slot) {
  const int index = SlotIndex(slot);
  if (index < 0) return 0;
  const auto i = static_cast<std::size_t>(index);
  return own[i] != -1 ? own[i] : scheme[i];
}

}  // namespace

int GadgetColour(const Gadget& g, int slot) {
  return SlotOf(g.colors, Toolkit().GadgetScheme, slot);
}

namespace detail {

int WindowColour(const ScreenWindow& w, int slot) {
  return SlotOf(w.colors, Toolkit().WindowScheme, slot);
}

}  // namespace detail
}  // namespace bevel
