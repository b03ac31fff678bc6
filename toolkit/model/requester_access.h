// What the requesters may touch beyond the public interface, and nothing else may: the pointer
// that GadgetEvent draws. A requester's loop draws the pointer itself after each frame (at the
// position it read before the frame), so it asks the frame not to.
#pragma once

namespace bevel::detail {

// The next GadgetEvent does not draw the pointer; it clears the request when it ends.
void SuppressPointerNextFrame();
// The pointer sprite given to SetScreenSize (negative: none).
int PointerSpriteNumber();

}  // namespace bevel::detail
