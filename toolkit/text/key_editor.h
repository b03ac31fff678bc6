// The keyboard editor of the focused text field (String, editable ComboBox, Date). The frame runs
// it once per frame with the key auto-repeat (toolkit/frame/string.cpp, date.cpp).
//
// The editor works on byte strings; a multi-line String separates its lines with byte 10.
// There is no overwrite mode: typing always inserts. Clipboard and undo commands act only when
// SetTextFieldExtras switched them on (text_extras.h).
#pragma once

#include <string>
#include <string_view>

#include "toolkit/model/gadget.h"
#include "toolkit/model/screen_window.h"
#include "toolkit/text/key_mapping.h"

namespace bevel::detail {

// What one editor call did.
struct KeyEdit {
  std::string text;    // the field's new text; the caller stores it
  int keyCode = 0;     // the key acted on (also left in LastEditKey), even when a handler
                       // cancelled its command; 0 none
  bool acted = false;  // a step acted on the field (an Alt + digits character does, though
                       // its key code is 0)
  // The update pass restarts the repeat wait and reports the gadget when this is true.
  bool Handled() const { return keyCode != 0 || acted; }
};

// Edits the focused `field` with this frame's keys, at most one character or one command:
// typing (replacing the selection, refused beyond `maximum` characters, per line in a
// multi-line String; maximum < 0 no limit), Backspace, Delete, the arrows, Home and End (with
// Shift to select, Ctrl for the whole text), Enter, Tab / Shift+Tab to the next or previous
// text field or Date of the same window, and the clipboard and undo commands switched on with
// SetTextFieldExtras (not for a Date). Every command but Tab is first offered to the handlers
// as EVENT_KEY (a KeyInfo); Tab raises EVENT_FOCUS on the field that gains the focus and
// EVENT_FOCUS_LOST on the one that loses it.
//
// `text` is the field's text; `flags` its flags. Positions stored in the field beyond the text
// are clamped first and a caret of -1 takes the anchor's place, so any stored values are safe.
// A String or ComboBox without a cursor (selectionStart -1) is left alone. A Date's date parts are
// edited by DateKeyEditor. Handlers may move the cursor or close the field's window while they
// run: the editor stops when the cursor is gone or the field was closed.
// The caller has a drawing session open (the frame function does): the horizontal scroll
// measures the text in the field's font. Also sets LastEditKey.
KeyEdit KeyEditor(const ScreenWindow* window, Gadget& field, std::string_view text, int flags,
                  int maximum);

// The width in pixels inside which the caret is kept by the horizontal scroll: the field less
// its frame and margins (9), and for a ComboBox less its drop button (15) and its image column
// (16, LIST_IMAGES). Computed from the record, so callers pass no width.
int TextAreaWidth(const Gadget& field);

// The arrows, Home and End, and the first of them held in this frame (keypad twins count only
// with Num Lock off); key 0 when none is.
enum class Nav { kLeft, kRight, kUp, kDown, kHome, kEnd };
struct HeldNav {
  Nav nav = Nav::kLeft;
  int key = 0;
};
HeldNav FirstHeldNavKey();

// What DateKeyEditor did.
struct DateKeyStep {
  bool acted = false;  // a step acted on the date
  int keyCode = 0;     // the key of the command it announced (even if cancelled); 0 none
};

// The Date gadget's share of the editor, acting on the selected date part (dateField; nothing
// acts while it is 0): a typed digit, Left / Right (to the previous / next part, wrapping),
// Up / Down (a step without wrapping), Home / End (the part's smallest / largest value), and
// Backspace and Delete, which are announced but change nothing. Every change is clamped into
// the date's ranges and limits. Called by KeyEditor for a Date after the key mapping (typed:
// its character, possibly vetoed already, and key); Enter and Tab stay with KeyEditor.
DateKeyStep DateKeyEditor(const ScreenWindow* window, Gadget& date, const KeyChar& typed);

}  // namespace bevel::detail
