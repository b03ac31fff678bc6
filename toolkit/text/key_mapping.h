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

namespace bevel {

// The item of event kind 10 (a key is about to act on a text field), passed to handlers as the
// address of a KeyInfo cast to std::intptr_t. character: the typed byte (0..255), 0 for an
// editing key; keyCode: the scan code, 0 for a character from Alt + digits. The record lives
// only during the call: handlers must copy what they need.
struct KeyInfo {
  std::int16_t character;
  std::int16_t keyCode;
};
static_assert(sizeof(KeyInfo) == 4, "handlers read two 16-bit fields");

namespace detail {

// Scan codes the text entry reads.
inline constexpr int KEY_BACKSPACE = 14;
inline constexpr int KEY_TAB = 15;
inline constexpr int KEY_ENTER = 28;
inline constexpr int KEY_LEFT_CTRL = 29;
inline constexpr int KEY_LEFT_SHIFT = 42;
inline constexpr int KEY_RIGHT_SHIFT = 54;
inline constexpr int KEY_LEFT_ALT = 56;
inline constexpr int KEY_RIGHT_CTRL = 157;
inline constexpr int KEY_RIGHT_ALT = 184;  // AltGr
inline constexpr int KEY_HOME = 199;
inline constexpr int KEY_UP = 200;
inline constexpr int KEY_LEFT = 203;
inline constexpr int KEY_RIGHT = 205;
inline constexpr int KEY_END = 207;
inline constexpr int KEY_DOWN = 208;
inline constexpr int KEY_DELETE = 211;

// Event kind of a key about to act on a text field (item: a KeyInfo address).
inline constexpr int EVENT_KEY = 10;

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

// Asks the handlers (event kind 10, with a KeyInfo) whether a key may act on the field.
// 1 allowed, 0 vetoed.
int AnnounceKey(const ScreenWindow* window, Gadget& field, int character, int keyCode);

// MapKeys on the field's selection and Alt-code accumulator, then the kind 10 veto: a vetoed
// character becomes "" but its key code stays, so the auto-repeat still starts.
KeyChar ReadKeyChar(const ScreenWindow* window, Gadget& field, std::string_view text, int flags);

}  // namespace detail
}  // namespace bevel
