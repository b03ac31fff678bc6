// The frame's invariants, checked at the end of every GadgetEvent in builds made with
// BEVEL_CHECK_INVARIANTS (the Debug and test builds): a broken one is a fault of the toolkit,
// never of the host, so it stops the program with a message.
#pragma once

namespace bevel::detail {

#ifdef BEVEL_CHECK_INVARIANTS
// Selections within their items, text positions within their texts, the window stack (active,
// pending and owners all live and shown, owner chains ending at the screen) and the open
// drop-down (a live gadget with an open part).
void CheckFrameInvariants();
#else
inline void CheckFrameInvariants() {}
#endif

}  // namespace bevel::detail
