// Pieces shared by the two renderers that draw editable text (String and the ComboBox's field):
// the caret blink, the selection test, the drawn glyph of a character, and the caret placement
// that turns a pending pick point into a character position.
//
// Positions count characters from 0; position k lies after the k-th character.
#pragma once

#include <string_view>

#include "toolkit/model/gadget.h"

namespace bevel::detail {

// One frame of the caret blink, for a field that can show a caret (it has the focus): true when
// the caret shows in this frame. Advances blinkPhase / blinkPhase2, which the editor and the
// focus handling reload so that the caret shows at once. The counters are full ints: at frame
// times of a few milliseconds two blink units pass 255 frames.
bool CaretBlinkStep(Gadget& g);

// The selection between selectionStart and cursor: character k (1-based, of the whole text) is
// selected when it lies after the smaller end and not after the larger one. Empty while either
// end is missing.
struct Selection {
  bool any = false;
  int lo = 0, hi = 0;
  bool Holds(long long position) const { return any && lo < position && position <= hi; }
};
Selection SelectionOf(const Gadget& g);

// What is drawn for character c: c itself, or "*" in a password field. The view refers to c.
inline std::string_view GlyphOf(const char& c, bool masked) {
  return masked ? std::string_view("*") : std::string_view(&c, 1);
}

// The point a click or an Up / Down request left in pickX / pickY (gadget-relative; 0 in either
// means none). Read once, before anything is drawn, so every line is measured against the same
// point.
struct PickPoint {
  int x = 0, y = 0;
  bool Pending() const { return x != 0 && y != 0; }
};
inline PickPoint PendingPick(const Gadget& g) {
  return {g.pickX, g.pickY};
}

// The boundary nearest a point's x on one line of text drawn from offset `start`: after the last
// character whose middle (integer halves) is not right of px, 0 when px lies left of the first
// character's middle or the line is empty. With `below` (the point lies below the line) every
// character counts: the line's end. `masked` measures "*" glyphs. Returns a 0-based position in
// the line. Measures with the current font; stops at the first character right of the point.
int PickInLine(std::string_view line, bool masked, int start, int px, bool below);

// Record writing: the caret placement the press handling (state 4 on the frame of a click, 3
// while the button stays held) or the editor's Up / Down asked for. state 3 or 4 moves the
// caret (cursor), 2 or 4 the anchor (selectionStart); the pick point is then used up.
void AssignPickedPosition(Gadget& g, int position);

}  // namespace bevel::detail
