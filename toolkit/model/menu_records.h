// Records of menus, their entries and keyboard shortcuts.
//
// A menu's content is the run of MenuEntryList entries whose `menu` is that record, read in list
// order with a depth counter: a title opens a level, an end-of-level marker closes it. The bar
// shows the titles and items at depth 0; a title's drop-down shows the entries of its level.
#pragma once

#include <cstdint>
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
  // 1 for the menu that receives new entries: the one created last, while it exists. Kept in
  // the record so that removing that menu leaves no current menu behind.
  int current = 0;
  bool dead = false;  // closed with its window: out of every lookup, freed when the frame ends
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
  Menu* menu = nullptr;  // owning menu; the entry is removed together with it
  int kind = 0;
  int flags = 0;
  std::string text;           // label; a tab separates the shortcut text
  int item = 0;               // item number (items only)
  std::uintptr_t handle = 0;  // the public handle (a MenuEntry* token)
  bool dead = false;
};

struct Shortcut {
  int event = 0;              // the number MenuEvent returns
  int window = 0;             // 0: active in every window
  int key = 0;                // scan code plus the SHORTCUT_* modifier bits
  std::uintptr_t handle = 0;  // the public handle (a Shortcut* token)
  bool dead = false;
};

}  // namespace bevel
