// The menus' side of the frame function, and the pieces the bar and drop-down code share.
//
// One frame, as the event function uses it:
//   before input:  Menu* bar = LiveMenuBar();   // reserve 18 pixels when non-null
//                  bool menuOpen = AnyMenuOpen(); // gadgets and title bar get no input then
//   while drawing: HandleMenus(bar);              // clears last frame's choices, then handles
//                                                 // the bar and every shown pop-up menu
#pragma once

#include "toolkit/model/menu_records.h"
#include "toolkit/model/toolkit_state.h"

namespace bevel::detail {

struct MenuPoint {
  int x = 0, y = 0;
};

// The first bar menu of a window (0 = the screen); nullptr when it has none.
Menu* FirstMenuBar(int window);
// The bar that takes input this frame: the active window's first bar, or the screen's when no
// window is active.
Menu* LiveMenuBar();
// True while the live bar has a title dropped down or any pop-up menu is shown.
bool AnyMenuOpen();
// Top-left corner of a window's menu bar: (1, 1) for the screen (or a missing window), else the
// window's corner moved past its border and title bar.
MenuPoint MenuBarOrigin(int window);

// Reads the mouse, reacts and draws one menu: a bar at (barX, barY), or a pop-up at its own
// position (barX, barY unused; nothing happens while it is hidden).
// Caller: a drawing session on the screen is open.
void HandleMenu(Menu& m, int barX, int barY);
// The frame's menu pass: every menu's choice of the previous frame is cleared (a menu that is
// not handled this frame must not report it again), then `bar` (may be null) is handled at its
// origin, then every shown pop-up in list order. Caller: a drawing session is open.
void HandleMenus(Menu* bar);

// ---- shared by menu_bar.cpp and drop_down.cpp ----------------------------------------------

using EntryIterator = HandleList<MenuEntry>::iterator;

// Open sub-menus are followed this deep at most; deeper levels stay closed. Bounds the
// recursion of drop-down handling whatever the entries hold.
inline constexpr int kMaxOpenLevels = 24;

// Colours and font of a menu: its own slot, else MenuScheme's.
struct MenuLook {
  int face = 0, text = 0, disabledText = 0, highlightBar = 0, highlightText = 0, font = 0;
};
MenuLook LookOf(const Menu& m);

// What one handling pass of a menu knows: the mouse and the look.
struct MenuPass {
  Menu& menu;
  MenuLook look;
  int mx = 0, my = 0;
  int textHeight = 0;  // TextHeight(" ") in the menu's font
};

// Handles and draws the level that starts at `first` (the entry after its title, or the
// menu's first entry for a pop-up) with its top-left corner at (x, y). `depth` counts the
// drop-downs above this one. True when the mouse is inside it or inside an open sub-menu of it.
bool HandleDropDown(MenuPass& pass, EntryIterator first, int x, int y, int depth);

}  // namespace bevel::detail
