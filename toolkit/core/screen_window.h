// The record of one screen window (an element of WindowList).
#pragma once

#include <string>

#include "toolkit/toolkit.h"

namespace bevel {

// Window flags.
inline constexpr int WINDOW_CENTERED = 0x1;
inline constexpr int WINDOW_CLOSE_BUTTON = 0x8;
inline constexpr int WINDOW_NO_BORDER = 0x10;
inline constexpr int WINDOW_ESCAPE_CLOSES = 0x20;
inline constexpr int WINDOW_NO_MAXIMIZE_BUTTON = 0x800;
inline constexpr int WINDOW_MINIMIZE_ENABLED = 0x1000;
inline constexpr int WINDOW_MAXIMIZE_ENABLED = 0x10000;
inline constexpr int WINDOW_NO_MINIMIZE_BUTTON = 0x20000;
inline constexpr int WINDOW_NO_TITLE_BAR = 0x100000;
inline constexpr int WINDOW_INTERNAL = 0x40000000;

struct ScreenWindow {
  int number = 0;    // >= 1, a unique handle for ANY_NUMBER, negative for internal windows
  int owner = 0;     // window active when this one opened or was shown again; 0 the screen
  int snapshot = 0;  // sprite grabbed at the end of every frame in which this window is active
  int backdrop = 0;  // sprite drawn behind this window while it is active
  int x = 0, y = 0;  // outer top-left corner on the screen
  int width = 0, height = 0;  // inner size
  std::string title;
  int flags = 0;
  int buttonState = 0;  // 0 none, 1 dragging, 2 close, 3 maximise, 4 minimise held
  int hidden = 0;
  int event = 0;      // window event of the current frame
  int sizeState = 0;  // 1 maximised, 2 minimised
  int restoreX = 0, restoreY = 0;
  int dragX = -1, dragY = -1;
  ColorScheme colors{0, -1, -1, -1, -1, -1, -1, -1};
};

}  // namespace bevel
