// Records of menus, their entries and keyboard shortcuts.
#pragma once

#include <string>

#include "toolkit/toolkit.h"

namespace bevel {

inline constexpr int MENU_BAR = 0;
inline constexpr int MENU_POPUP = 1;

struct Menu {
  int number = 0;
  int window = 0;  // owning window; 0 the screen
  int kind = MENU_BAR;
  int openTitle = 0;   // 1-based bar title whose drop-down is open; 0 closed
  int mousePhase = 0;  // 0 up, 2 pressed this frame, 1 held, 3 released this frame
  int reclick = 0;     // the press of this frame hit the title that was already open
  int selected = 0;    // item chosen in this frame
  int popupX = 0, popupY = 0;
  int shown = 0;  // pop-up menu shown
  ColorScheme colors{0, -1, -1, -1, -1, -1, -1, -1};
};

// Entry kinds.
inline constexpr int ENTRY_TITLE = 1;
inline constexpr int ENTRY_END_OF_LEVEL = 2;
inline constexpr int ENTRY_ITEM = 3;
inline constexpr int ENTRY_SEPARATOR = 4;

// Entry flags.
inline constexpr int ENTRY_TICKED = 0x1;
inline constexpr int ENTRY_DISABLED = 0x2;
inline constexpr int ENTRY_HIGHLIGHTED = 0x4;

struct MenuEntry {
  Menu* menu = nullptr;  // owning menu
  int kind = 0;
  int flags = 0;
  std::string text;  // label; a tab separates the shortcut text
  int item = 0;      // item number (items only)
};

// Modifier bits of a shortcut key.
inline constexpr int SHORTCUT_SHIFT = 0x10000;
inline constexpr int SHORTCUT_CTRL = 0x20000;
inline constexpr int SHORTCUT_ALT = 0x40000;

struct Shortcut {
  int event = 0;   // the number MenuEvent returns
  int window = 0;  // 0: active in every window
  int key = 0;     // scan code plus modifier bits
};

}  // namespace bevel
