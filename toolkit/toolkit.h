// bevel: a classic grey 3-D desktop (windows, menus, gadgets, requesters) drawn into the back
// buffer of a program that runs its own frame loop.
//
// This is the one public header of the command interface. The host initialises the services
// (OpenScreen), calls InitToolkit, sets its defaults, creates windows, menus and gadgets by
// number and calls GadgetEvent once per frame.
//
// Conventions:
// - Numbers of windows, gadgets and menus are chosen by the caller (1 or more) or ANY_NUMBER.
// - A missing record makes a command do nothing and return 0 (or "" / nullptr).
// - Colours are 0x00BBGGRR; -1 in a per-record colour or font slot means: use the default scheme.
// - Texts are Windows-1252 bytes.
//
// Index of this file:
// [SECTION] Services (screen, drawing, sprites, images, input, fonts, dates, files)
// [SECTION] Colour slots and schemes
// [SECTION] Initialisation and defaults
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "services/services.h"

namespace bevel {

struct Gadget;        // a gadget's record; handlers receive it as the record handle
struct ScreenWindow;  // a screen window's record

//-----------------------------------------------------------------------------
// [SECTION] Colour slots and schemes
//-----------------------------------------------------------------------------

// Slot numbers of the colour commands.
enum ColorSlot : int {
  COLOR_FACE = 1,       // background and base of every bevel
  COLOR_LIGHT = 2,      // light edge; inactive title bar of windows
  COLOR_TEXT = 3,       // text
  COLOR_SHADOW = 4,     // shadow, disabled text; inactive title text of windows
  COLOR_HIGHLIGHT = 5,  // selected text, title text
  COLOR_SELECTION = 6,  // selection, active title bar
  COLOR_FONT = 7,       // font handle
  COLOR_SPARE = 8,
};

// A colour block: eight signed 32-bit entries, stored in this order (index = storage place):
// 0 spare, 1 light, 2 text, 3 face, 4 shadow, 5 highlight, 6 selection, 7 font.
// Gadgets, windows and menus carry one; -1 in an entry means the default scheme's entry.
using ColorScheme = std::array<int, 8>;

// Storage index of a ColorSlot (1..8), or -1 for any other value.
constexpr int SlotIndex(int slot) {
  constexpr int kIndex[9] = {-1, 3, 1, 2, 4, 5, 6, 7, 0};
  return slot >= 1 && slot <= 8 ? kIndex[slot] : -1;
}

//-----------------------------------------------------------------------------
// [SECTION] Initialisation and defaults
//-----------------------------------------------------------------------------

// An event handler: called with the gadget's record, the event kind and an item or value
// before an action happens; returning 0 vetoes the action.
using EventCallback = std::function<int(Gadget* gadget, int kind, std::intptr_t item)>;

// Sets up the toolkit's state: empty lists, the three default colour schemes and their fonts
// ("MS Sans Serif" 10, normal for gadgets and menus, bold for windows). Call once, after
// OpenScreen is not required (fonts load without a screen).
void InitToolkit();
// Loads the toolkit's own file and folder icons; with withTypes nonzero also the file-type
// icons of the machine (MIME glob data and the installed icon theme, when present).
void InitFileIcons(int withTypes);
// Set one slot (ColorSlot 1..8) of a default scheme; a slot outside 1..8 changes nothing.
void SetGadgetDefaultColor(int slot, int value);
void SetWindowDefaultColor(int slot, int value);
void SetMenuDefaultColor(int slot, int value);
// Sets one slot of a colour block; a null block means the gadget scheme.
void SetColorSlot(int slot, int value, ColorScheme* block);
// Screen size in pixels and the pointer sprite (negative: none); starts the frame clock.
void SetScreenSize(int width, int height, int pointerSprite);
// Tab stop distance in pixels for texts with tab characters; values <= 0 are ignored.
void SetTabWidth(int pixels);
// Appends an event handler that applies to all gadgets.
void SetEventCallback(EventCallback callback);
// The window that receives new gadgets and menus: the pending window, else the active one
// (0 = the screen itself).
int CurrentGadgetListOwner();

}  // namespace bevel
