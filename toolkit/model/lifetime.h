// When records die: closing a window retires what it owns, and frames hold retired records until
// the outermost one ends.
//
// Handlers run inside GadgetEvent and may close any window, even the one whose gadget is being
// pressed, and may run frames of their own (a requester's loop). So a window closed while a frame
// runs is retired with its gadgets, menus, menu entries, shortcuts and the handlers tied to any
// of them: they leave every lookup at once (GadgetExists and WindowExists say 0, handles name
// nothing, numbers are free again) and are skipped by iteration, but keep their memory until the
// outermost frame ends. Outside a frame they are freed at once. One rule, instead of a check
// after every call into a handler.
#pragma once

#include <cstdint>

#include "services/services.h"
#include "toolkit/model/gadget.h"
#include "toolkit/model/screen_window.h"

namespace bevel::detail {

// Retires the window and everything it owns (a window numbered 0 owns nothing: the screen's
// gadgets and menus are window 0's), then frees them unless a frame runs. The caller has taken
// the window out of the activity chain.
void RetireWindow(ScreenWindow& w);

// Frees every retired record, unless a frame runs.
void FreeRetired();

// One GadgetEvent call, from start to return. Counts the nesting, gives the frame the next
// serial, and keeps the caller's drawing session: a frame run from inside a handler (nested)
// puts back the outer frame's serial and drawing session when it ends. The outermost frame frees
// what its handlers retired.
class FrameScope {
 public:
  FrameScope();
  ~FrameScope();
  FrameScope(const FrameScope&) = delete;
  FrameScope& operator=(const FrameScope&) = delete;

  // Run from inside another frame.
  bool Nested() const { return outerSerial_ != 0; }

 private:
  std::uint64_t outerSerial_ = 0;  // 0 for the outermost frame
  DrawingState drawing_;
};

// A double click or Return activated the gadget in the frame being run.
void MarkActivated(Gadget& g);
// Activated in the frame being run, or between frames in the frame run last. A frame run from
// inside another has a serial of its own, so it neither sees nor clears the outer frame's marks.
bool Activated(const Gadget& g);

}  // namespace bevel::detail
