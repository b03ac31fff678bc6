// Turning the keys held in this frame into at most one typed character.
//
// The toolkit gets no character messages from the system: it reads the physical keys (scan
// codes, level-triggered) and translates them with a fixed German (QWERTZ) layout of three
// layers (plain, Shift, AltGr), the keypad under Num Lock, Alt + digits code entry, and the
// filters a text field's flags impose. Characters are Windows-1252 bytes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "toolkit/model/gadget.h"
#include "toolkit/model/screen_window.h"

namespace bevel::detail {

// One frame's result of the mapping.
struct KeyChar {
  std::string character;  // "" or one byte
  int keyCode = 0;        // the key that produced it; 0 none, and for an Alt + digits character
  bool altDigit = false;  // an Alt-code digit was collected: nothing else acts in this frame
};

// Maps the keys of this frame (as KeyPushed reports them after PollKeyboard) for a text field
// with `flags`. text, selectionStart and cursor serve only the minus rule of numeric fields
// (any values are safe). altCode is the field's Alt + digits accumulator: a digit typed with
// left Alt held adds to it, and the first frame without left Alt turns it into the character
// (altCode modulo 256; 0 types nothing) and clears it. Kept below 256, so it never overflows.
// Does not notify handlers.
KeyChar MapKeys(int flags, std::string_view text, int selectionStart, int cursor, int& altCode);

// Asks the handlers (EVENT_KEY, with a KeyInfo) whether a key may act on the field.
// 1 allowed, 0 vetoed.
int AnnounceKey(const ScreenWindow* window, Gadget& field, int character, int keyCode);

// MapKeys on the field's selection and Alt-code accumulator, then the EVENT_KEY veto: a vetoed
// character becomes "" but its key code stays, so the auto-repeat still starts.
KeyChar ReadKeyChar(const ScreenWindow* window, Gadget& field, std::string_view text, int flags);

}  // namespace bevel::detail
