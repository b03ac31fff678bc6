// The record of one screen window (an element of WindowList).
#pragma once

#include <string>

#include "toolkit/toolkit.h"

namespace bevel {

// The WINDOW_* flags and WINDOW_EVENT_* values are public: see toolkit.h.

struct ScreenWindow {
  int number = 0;    // >= 1, a unique handle for ANY_NUMBER, negative for internal windows
  int owner = 0;     // window active (or about to be) when this one opened or was shown; 0 screen
  int snapshot = 0;  // sprite grabbed at the end of every frame in which this window is active
  // Sprite drawn behind this window while it is active: the window's own copy of its owner's
  // snapshot, taken when it becomes active (0 until then). Never shared, so releasing it
  // cannot take a picture away from another window.
  int backdrop = 0;
  int x = 0, y = 0;           // outer top-left corner on the screen
  int width = 0, height = 0;  // inner size
  std::string title;
  int flags = 0;
  // Title-bar press: 0 none, 1 dragging, 2 close, 3 maximise, 4 minimise held over it; the
  // negative of a button while held off it; -1 a press that began elsewhere (title_bar.cpp).
  int buttonState = 0;
  int hidden = 0;
  int event = 0;      // window event of the current frame
  int sizeState = 0;  // 1 maximised, 2 minimised
  int restoreX = 0, restoreY = 0;
  int dragX = -1, dragY = -1;
  ColorScheme colors{0, -1, -1, -1, -1, -1, -1, -1};
  bool dead = false;  // closed: out of every lookup, freed when the frame ends
};

}  // namespace bevel
