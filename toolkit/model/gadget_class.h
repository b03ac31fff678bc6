// Each gadget type's behaviour in one row: the class descriptor.
//
// Everything that differs between gadget types is found here: who takes a held mouse button,
// which rectangle takes it, what a press, a release and the per-frame update do, who takes the
// keyboard focus, which types hold items, which give their height in rows, what the state
// commands mean, what is cleared when disabled, the creation rules and the renderer. The frame
// function, the commands and the text editor ask the class instead of testing types.
//
// The rows live in toolkit/frame/gadget_classes.cpp, next to the behaviour files they point to;
// this declaration is all the lower layers see.
#pragma once

#include "toolkit/model/frame_input.h"
#include "toolkit/model/gadget.h"

namespace bevel::detail {

// Class flags.
inline constexpr unsigned CLASS_TAKES_PRESS = 1u << 0;   // a held button may press it
inline constexpr unsigned CLASS_RIGHT_BUTTON = 1u << 1;  // the right button presses it too
// Holds items; its value is the 1-based selection (0 none).
inline constexpr unsigned CLASS_ITEMS = 1u << 2;
inline constexpr unsigned CLASS_EDITABLE_ITEMS = 1u << 3;  // the caller adds and removes them
inline constexpr unsigned CLASS_ITEM_STATES = 1u << 4;     // SetItemState serves it
inline constexpr unsigned CLASS_TREE = 1u << 5;            // items nest by level
// A disabled gadget of this class also loses its state (its focus or pressed part).
inline constexpr unsigned CLASS_DISABLED_CLEARS_STATE = 1u << 6;
// A text field: the cursor commands serve it while it can take the focus (its takesFocus).
inline constexpr unsigned CLASS_TEXT_FIELD = 1u << 9;
// GadgetActivated reads its double-click / Return mark.
inline constexpr unsigned CLASS_ACTIVATES = 1u << 7;
// GadgetActivated reads its extra value (a HyperLink's hover colour, an ImageButton's sprite).
inline constexpr unsigned CLASS_ACTIVATED_IS_EXTRA = 1u << 8;

// What GetGadgetState and SetGadgetState mean for a class.
enum class StateMeaning {
  kNone,         // reads its raw state (0, or 1 when on), a set changes nothing
  kButton,       // reads pressed / on; a set stores the value (toggle: on / off)
  kCheck,        // reads on; a set turns it on or off
  kOption,       // reads set; a set of nonzero sets it and clears its group
  kValue,        // reads and sets its value, clamped to its range
  kScrollValue,  // as kValue, clamped to minimum .. maximum - page + 1
  kSelection,    // reads and sets the 0-based selected item (-1 none)
  kCursor,       // reads and sets the caret (-1 no cursor)
  kDate,         // reads and sets the date (0 none), kept within its limits
};

using RenderFn = void (*)(Gadget& g, int x, int y, int face, int text);
// The gadget under a held mouse button that took the press (every frame it stays held there).
using PressFn = void (*)(Gadget& g, const FrameInput& in);
// A gadget that is not under the held button, or cannot take it: it cancels what a release
// would complete. Never notifies (the frame function sends EVENT_HELD_ELSEWHERE).
using ReleaseFn = void (*)(Gadget& g);
// The per-frame step while no button is held (the type's part of the update pass).
using UpdateFn = void (*)(Gadget& g, const FrameInput& in);
// The mouse lies in the rectangle that takes presses (with an open drop-down part).
using HitFn = bool (*)(const Gadget& g, const FrameInput& in);
// Decides, every frame, whether a drop-down part opens above the gadget (dropUp).
// Caller: a drawing session is open (the part's size may depend on the gadget's font).
using PlaceFn = void (*)(Gadget& g, const FrameInput& in, int screenHeight);
using TestFn = bool (*)(const Gadget& g);
using ChangeFn = void (*)(Gadget& g);
// Takes the keyboard focus from the gadget: true when it held it (its state was nonzero) and
// the rule applied, so that the caller reports EVENT_FOCUS_LOST.
using BlurFn = bool (*)(Gadget& g);
// Pixel height of the gadget showing `rows` rows, for the classes whose height is a row count.
using RowsFn = int (*)(int flags, int rows);
// The flag rules applied at creation.
using FlagsFn = int (*)(int flags);
// What is drawn after the drawing session, with sprites (an ImageButton's picture).
using SpriteFn = void (*)(const Gadget& g, int originX, int originY);

struct GadgetClass {
  const char* name;
  unsigned flags;
  StateMeaning state;
  FlagsFn creationFlags;  // nullptr: flags as given
  RowsFn rowsToHeight;    // nullptr: height in pixels
  HitFn hit;              // nullptr: the gadget's own rectangle
  PlaceFn placeDropDown;  // nullptr: no drop-down part
  PressFn press;          // nullptr: takes the press and does nothing
  ReleaseFn release;      // nullptr: nothing to cancel
  UpdateFn update;        // nullptr: nothing to do
  // The keyboard: takesFocus says whether Tab stops at the gadget (nullptr: never); gainFocus
  // gives it the focus by Tab; loseFocus takes it away (a press elsewhere, Tab away).
  TestFn takesFocus;
  ChangeFn gainFocus;
  BlurFn loseFocus;
  TestFn keepsKeyRepeat;  // repeatDelay counts key repeats across frames (nullptr: never)
  RenderFn render;        // nullptr: draws nothing
  SpriteFn drawSprite;    // nullptr: no sprite
};

// The class of a type; for a type outside 1..19 a class that does nothing.
const GadgetClass& ClassOf(int type);
inline const GadgetClass& ClassOf(const Gadget& g) {
  return ClassOf(g.type);
}
inline bool HasClassFlag(const Gadget& g, unsigned flag) {
  return (ClassOf(g.type).flags & flag) != 0;
}

}  // namespace bevel::detail
