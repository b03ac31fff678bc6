// What the requesters may touch beyond the public interface, and nothing else may: the pointer
// that GadgetEvent draws, the default fonts and the inline-code measure they size their windows
// with, the item bits the file requester reads and its selected files.
//
// A requester's loop draws the pointer itself after each frame (at the position it read before
// the frame), so it asks the frame not to.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace bevel::detail {

// The next GadgetEvent does not draw the pointer; it clears the request when it ends.
void SuppressPointerNextFrame();
// The pointer sprite to draw: the one given to SetScreenSize; negative when there is none.
int PointerSpriteNumber();

// The fonts of the default gadget and window schemes.
int GadgetSchemeFont();
int WindowSchemeFont();
// Width of a text with inline codes in the current drawing font, as the renderers draw it.
int CodedTextWidth(std::string_view text);

// The state bits (ITEM_*) of a list item; 0 for a missing gadget or item.
int ItemBits(int gadget, int index);
// The file requester's multiple selection (full paths) and the place of the path returned or
// fetched last (NextChosenFile).
std::vector<std::string>& SelectedFiles();
std::size_t& SelectedFilePlace();

}  // namespace bevel::detail
