// What the requesters may touch beyond the public interface.
#include "toolkit/model/requester_access.h"

#include "toolkit/model/rich_text.h"
#include "toolkit/model/toolkit_state.h"

namespace bevel::detail {

void SuppressPointerNextFrame() {
  Toolkit().SuppressPointer = 1;
}

int PointerSpriteNumber() {
  const ToolkitState& tk = Toolkit();
  return tk.PointerVisible != 0 ? tk.PointerSprite : -1;
}

int GadgetSchemeFont() {
  return Toolkit().GadgetScheme[SlotIndex(COLOR_FONT)];
}

int WindowSchemeFont() {
  return Toolkit().WindowScheme[SlotIndex(COLOR_FONT)];
}

int CodedTextWidth(std::string_view text) {
  return RichTextWidth(text);
}

int ItemBits(int gadget, int index) {
  const Gadget* g = FindGadget(gadget);
  if (g == nullptr || index < 0 || static_cast<std::size_t>(index) >= g->items.size()) return 0;
  return g->items[static_cast<std::size_t>(index)].itemState;
}

std::vector<std::string>& SelectedFiles() {
  return Toolkit().SelectedFiles;
}

std::size_t& SelectedFilePlace() {
  return Toolkit().SelectedFilePlace;
}

}  // namespace bevel::detail
