// What the frame function knows about the current frame, handed to every gadget's press,
// release and update step.
#pragma once

#include "toolkit/model/screen_window.h"

namespace bevel::detail {

struct FrameInput {
  int mx = 0, my = 0;  // mouse, clamped to the screen size
  int wheel = 0;       // notches this frame, positive away from the user
  int ox = 0, oy = 0;  // content origin of the live window (gadget x, y are relative to it)
  bool left = false, right = false;  // buttons held
  bool doubleClick = false;          // this press completes a double click
  bool minimised = false;            // the live window is minimised
  ScreenWindow* window = nullptr;    // the active window, nullptr for the screen itself
};

// ClickCounter value of the one frame in which a double click is recognised.
inline constexpr int kDoubleClick = 32767;

}  // namespace bevel::detail
