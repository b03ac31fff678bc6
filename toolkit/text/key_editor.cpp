// The keyboard editor and the update-pass step of text fields.
//
// Per call, in this order, at most one step acts (later ones are skipped):
//   0 a clipboard or undo command (SetTextFieldExtras), 1 the key mapping (an Alt-code digit
//   skips to the scroll), 2 insertion, 3 Backspace, 4 Delete, 5 navigation, 6 Enter, 7 Tab,
//   then the scroll after 0 to 6, the undo history's record and LastEditKey.
// A cancelled Backspace or Delete lets the next step run; a cancelled navigation key skips the
// other navigation keys but not Enter and Tab. A held command of step 0 is the call's only step,
// also when cancelled, so that its letter is never typed.
//
// Index of this file:
// [SECTION] Keys, positions and lines
// [SECTION] Editing steps
// [SECTION] Editor and update step
#include "toolkit/text/key_editor.h"

#include <algorithm>
#include <array>

#include "services/services.h"
#include "toolkit/gadgets/list_layout.h"
#include "toolkit/model/colours.h"
#include "toolkit/model/gadget_class.h"
#include "toolkit/model/keys.h"
#include "toolkit/model/lifetime.h"
#include "toolkit/model/notify.h"
#include "toolkit/model/toolkit_state.h"
#include "toolkit/text/text_extras.h"

namespace bevel::detail {
namespace {

//-----------------------------------------------------------------------------
// [SECTION] Keys, positions and lines
//-----------------------------------------------------------------------------

// Caret placement requests for the String renderer (Up and Down): it turns the pick point into
// a position of the line under it and sets the cursor only, or both ends.
constexpr int kStatePlaceCursor = 3;
constexpr int kStatePlaceBoth = 4;

// The arrows, Home and End in the order they are looked at, with their keypad twins (which
// navigate only with Num Lock off).
struct NavKey {
  Nav nav;
  int key;
  int keypad;
};
constexpr std::array<NavKey, 6> kNavKeys = {{
    {Nav::kLeft, KEY_LEFT, 75},
    {Nav::kRight, KEY_RIGHT, 77},
    {Nav::kUp, KEY_UP, 72},
    {Nav::kDown, KEY_DOWN, 80},
    {Nav::kHome, KEY_HOME, 71},
    {Nav::kEnd, KEY_END, 79},
}};

bool Held(int key) {
  return KeyPushed(key) != 0;
}

int Length(std::string_view text) {
  return static_cast<int>(std::min<std::size_t>(text.size(), 0x7fffffff));
}

// The gadgets Tab moves the focus to.
bool TakesFocus(const Gadget& g) {
  const TestFn takesFocus = ClassOf(g).takesFocus;
  return takesFocus != nullptr && takesFocus(g) && g.disabled == 0 && g.hidden == 0 && !g.dead;
}

// Keeps a text field's ends inside its text: a lone -1 caret takes the anchor's place (a click
// sets only the anchor). False when the field has no cursor at all.
bool ClampEnds(Gadget& field, std::string_view text) {
  if (field.selectionStart < 0) return false;
  if (field.cursor < 0) field.cursor = field.selectionStart;
  const int length = Length(text);
  field.selectionStart = std::min(field.selectionStart, length);
  field.cursor = std::min(field.cursor, length);
  return true;
}

// A line of a text: 0-based index, position of its first character, and position of its
// closing line feed (the text's length for the last line).
struct Line {
  int index = 0;
  int start = 0;
  int end = 0;
};

// The line holding `position` (0..length): the first whose closing line feed is at or after
// it, so a position just before a line feed belongs to the line that feed closes.
Line LineOf(std::string_view text, int position) {
  Line line;
  std::size_t start = 0;
  for (;;) {
    const std::size_t lf = text.find('\n', start);
    if (lf == std::string_view::npos || lf >= static_cast<std::size_t>(position)) {
      line.start = static_cast<int>(start);
      line.end = lf == std::string_view::npos ? Length(text) : static_cast<int>(lf);
      return line;
    }
    ++line.index;
    start = lf + 1;
  }
}

int LineCount(std::string_view text) {
  return static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
}

// Fully visible lines of a multi-line field, as the renderer shows them (at least one: a field
// under 18 pixels would otherwise scroll its caret line out of view).
int VisibleLines(const Gadget& field) {
  return TextFieldLines(field.height);
}

//-----------------------------------------------------------------------------
// [SECTION] Editing steps
//-----------------------------------------------------------------------------

// The state of one editor call.
struct Editor {
  const ScreenWindow* window;
  Gadget& field;
  std::string& text;
  int flags;
  int maximum;
  bool isDate;
  bool multiLine;
  bool readOnly;
  int key = 0;               // the key code recorded so far
  bool gone = false;         // a handler removed the cursor or closed the field: nothing acts
  bool lineRequest = false;  // Up or Down acted: the renderer moves the caret
};

// After a notification: false (and nothing more acts) when the handlers closed the field or
// removed its cursor; otherwise the ends they may have moved are clamped again.
bool StillEditable(Editor& e) {
  if (e.field.dead || (!e.isDate && !ClampEnds(e.field, e.text))) e.gone = true;
  return !e.gone;
}

// Offers a command to the handlers (EVENT_KEY, character 0).
bool Offer(Editor& e, int key) {
  e.key = key;
  const bool allowed = AnnounceKey(e.window, e.field, 0, key) != 0;
  return StillEditable(e) && allowed;
}

// Replaces the selection by `byte`; both ends go after it. With `limit`, refused (text
// unchanged) when the text, or in a multi-line field the line holding the new byte, would
// exceed the maximum. Acts either way.
bool InsertByte(Editor& e, char byte, bool limit) {
  Gadget& f = e.field;
  const int low = std::min(f.selectionStart, f.cursor);
  const int high = std::max(f.selectionStart, f.cursor);
  std::string candidate;
  candidate.reserve(e.text.size() + 1);
  candidate.append(e.text, 0, static_cast<std::size_t>(low));
  candidate += byte;
  candidate.append(e.text, static_cast<std::size_t>(high));
  if (limit && e.maximum >= 0) {
    int measured = Length(candidate);
    if (e.multiLine) {
      const auto at = static_cast<std::size_t>(low);
      const std::size_t before = at == 0 ? std::string::npos : candidate.rfind('\n', at - 1);
      const std::size_t start = before == std::string::npos ? 0 : before + 1;
      const std::size_t after = candidate.find('\n', at);
      const std::size_t end = after == std::string::npos ? candidate.size() : after;
      measured = static_cast<int>(end - start);
    }
    if (measured > e.maximum) return true;
  }
  e.text = std::move(candidate);
  f.selectionStart = f.cursor = low + 1;
  return true;
}

// Removes the selection; both ends go to its start. False when there is none.
bool EraseSelection(Editor& e) {
  Gadget& f = e.field;
  const int low = std::min(f.selectionStart, f.cursor);
  const int high = std::max(f.selectionStart, f.cursor);
  if (low == high) return false;
  e.text.erase(static_cast<std::size_t>(low), static_cast<std::size_t>(high - low));
  f.selectionStart = f.cursor = low;
  return true;
}

bool Backspace(Editor& e) {
  if (e.readOnly || !Held(KEY_BACKSPACE) || !Offer(e, KEY_BACKSPACE)) return false;
  Gadget& f = e.field;
  if (!EraseSelection(e) && f.selectionStart > 0) {
    e.text.erase(static_cast<std::size_t>(f.selectionStart) - 1, 1);
    f.selectionStart = f.cursor = f.selectionStart - 1;
  }
  return true;
}

bool Delete(Editor& e) {
  if (e.readOnly || !Held(KEY_DELETE) || !Offer(e, KEY_DELETE)) return false;
  Gadget& f = e.field;
  if (!EraseSelection(e) && f.selectionStart < Length(e.text)) {
    e.text.erase(static_cast<std::size_t>(f.selectionStart), 1);
  }
  return true;
}

// Up and Down leave the move to the renderer, which alone knows where characters land: it
// places the caret at the caret's current x (pickX) on the line under pickY.
void RequestLine(Editor& e, Nav nav, bool shift) {
  Gadget& f = e.field;
  int lineCount = 1, anchorLine = 1, top = 0;
  if (e.multiLine) {
    lineCount = LineCount(e.text);
    anchorLine = LineOf(e.text, f.selectionStart).index + 1;
    top = std::clamp(f.topItem, 0, lineCount - 1);
  }
  if (nav == Nav::kUp) {
    if (anchorLine > 1) {
      top = std::min(top, anchorLine - 2);
      f.pickY = (anchorLine - top - 2) * kRowHeight + 5;
    } else {
      f.pickY = (anchorLine - top - 1) * kRowHeight + 5;
    }
  } else if (anchorLine < lineCount) {
    top = std::max(top, anchorLine - VisibleLines(f) + 1);
    f.pickY = (anchorLine - top) * kRowHeight + 5;
  } else {
    f.pickY = (anchorLine - top - 1) * kRowHeight + 5;
  }
  if (e.multiLine) f.topItem = top;
  f.state = shift ? kStatePlaceCursor : kStatePlaceBoth;
  e.lineRequest = true;
}

// The first held navigation key. Every line datum follows the anchor (selectionStart), so
// with Shift held Up, Down, Home and End start from the anchor's line.
bool Navigate(Editor& e) {
  const HeldNav found = FirstHeldNavKey();
  if (found.key == 0 || !Offer(e, found.key)) return false;

  Gadget& f = e.field;
  const bool shift = ShiftHeld();
  const int length = Length(e.text);
  const bool selection = f.selectionStart != f.cursor;
  switch (found.nav) {
    case Nav::kLeft:
      if (shift) {
        if (f.cursor > 0) --f.cursor;
      } else if (selection) {
        f.selectionStart = f.cursor = std::min(f.selectionStart, f.cursor);
      } else if (f.cursor > 0) {
        f.selectionStart = f.cursor = f.cursor - 1;
      }
      break;
    case Nav::kRight:
      if (shift) {
        if (f.cursor < length) ++f.cursor;
      } else if (selection) {
        f.selectionStart = f.cursor = std::max(f.selectionStart, f.cursor);
      } else if (f.cursor < length) {
        f.selectionStart = f.cursor = f.cursor + 1;
      }
      break;
    case Nav::kUp:
    case Nav::kDown:
      RequestLine(e, found.nav, shift);
      break;
    case Nav::kHome:
    case Nav::kEnd: {
      const Line line = e.multiLine ? LineOf(e.text, f.selectionStart) : Line{0, 0, length};
      if (found.nav == Nav::kHome) {
        f.cursor = CtrlHeld() ? 0 : line.start;
      } else {
        f.cursor = CtrlHeld() ? length : line.end;
      }
      if (!shift) f.selectionStart = f.cursor;
      break;
    }
  }
  return true;
}

bool Enter(Editor& e) {
  if (!Held(KEY_ENTER) || !Offer(e, KEY_ENTER)) return false;
  Gadget& f = e.field;
  if (e.multiLine && !e.readOnly) {
    InsertByte(e, '\n', false);  // a line break never counts against the per-line maximum
    return true;
  }
  // Enter leaves a single-line field and reports it.
  f.state = 0;
  MarkActivated(f);
  if (e.isDate) {
    f.dateField = f.dateFieldType = 0;
  } else {
    f.selectionStart = -1;  // the caret position is kept for when the focus returns
  }
  return true;
}

// Moves the focus to the next (with Shift the previous) text field or Date of the same window in
// list order, wrapping around. Not offered to the handlers as a key; EVENT_FOCUS and
// EVENT_FOCUS_LOST report it.
void Tab(Editor& e) {
  if (!Held(KEY_TAB)) return;
  ToolkitState& tk = Toolkit();
  Gadget& old = e.field;
  const int count = tk.GadgetList.size();
  if (tk.GadgetList.At(old.listIndex) != &old) return;  // not in the list: nowhere to go
  const int step = ShiftHeld() ? -1 : 1;
  Gadget* next = nullptr;
  for (int i = 1; i < count && next == nullptr; ++i) {
    Gadget* candidate = tk.GadgetList.At(((old.listIndex + step * i) % count + count) % count);
    if (candidate != nullptr && candidate->window == old.window && TakesFocus(*candidate)) {
      next = candidate;
    }
  }
  if (next == nullptr) return;

  if (const ChangeFn gainFocus = ClassOf(*next).gainFocus) gainFocus(*next);
  next->lastKey = KEY_TAB;
  // At least one frame: a field later in the list is updated in this same frame and would
  // otherwise see Tab still held and pass the focus on at once.
  next->repeatDelay = std::max(1, 2 * tk.FramesPerTenth);
  if (const BlurFn loseFocus = ClassOf(old).loseFocus) loseFocus(old);
  NotifyHandlers(e.window, next, EVENT_FOCUS, 0);
  NotifyHandlers(e.window, &old, EVENT_FOCUS_LOST, 0);
}

// Keeps the anchor's line among the visible lines and the anchor inside the text area.
void Scroll(Editor& e) {
  Gadget& f = e.field;
  SetDrawFont(GadgetColour(f, COLOR_FONT));
  std::string_view line = e.text;
  int column = f.selectionStart;
  if (e.multiLine) {
    const Line at = LineOf(e.text, f.selectionStart);
    line = line.substr(static_cast<std::size_t>(at.start),
                       static_cast<std::size_t>(at.end - at.start));
    column -= at.start;
    const int rows = VisibleLines(f);
    int top = std::clamp(f.topItem, 0, LineCount(e.text) - 1);
    if (at.index < top) {
      top = at.index;
    } else if (at.index > top + rows - 1) {
      top = at.index - rows + 1;
    }
    f.topItem = top;
  }
  const int width = TextWidth(line.substr(0, static_cast<std::size_t>(column)));
  const int area = TextAreaWidth(f);
  f.scrollX = std::max(f.scrollX, 0);
  if (width < f.scrollX) {
    f.scrollX = width;
  } else if (width - area > f.scrollX) {
    f.scrollX = width - area;
  }
}

}  // namespace

//-----------------------------------------------------------------------------
// [SECTION] Editor and update step
//-----------------------------------------------------------------------------

HeldNav FirstHeldNavKey() {
  const bool numLock = NumLockOn() != 0;
  for (const NavKey& entry : kNavKeys) {
    if (Held(entry.key)) return {entry.nav, entry.key};
    if (!numLock && Held(entry.keypad)) return {entry.nav, entry.keypad};
  }
  return {};
}

int TextAreaWidth(const Gadget& field) {
  int area = field.width - 9;
  if (field.type == GADGET_COMBOBOX) {
    area -= 15;  // the drop button
    if (field.flags & LIST_IMAGES) area -= kImageColumn;
  }
  return std::max(area, 0);
}

KeyEdit KeyEditor(const ScreenWindow* window, Gadget& field, std::string_view text, int flags,
                  int maximum) {
  ToolkitState& tk = Toolkit();
  KeyEdit edit;
  edit.text.assign(text);  // `text` may be the field's own, which handlers can replace
  tk.LastEditKey = 0;
  const bool isDate = field.type == GADGET_DATE;
  if (!isDate && !ClampEnds(field, edit.text)) return edit;

  Editor e{window,
           field,
           edit.text,
           flags,
           maximum,
           isDate,
           field.type == GADGET_STRING && (flags & STRING_MULTILINE) != 0,
           (flags & STRING_READONLY) != 0};

  const bool undo = !isDate && (tk.TextFieldExtras & TEXT_FIELD_UNDO) != 0;
  if (undo) BeginEdit(field, edit.text);
  const int anchorBefore = field.selectionStart, caretBefore = field.cursor;

  const HeldCommand command = isDate ? HeldCommand{} : HeldTextCommand();
  const bool commandHeld = command.command != TextCommand::kNone;
  bool typedStep = false;  // a typed character was offered to the text

  const KeyChar typed = commandHeld ? KeyChar{} : ReadKeyChar(window, field, edit.text, flags);
  e.key = typed.keyCode;
  bool acted = typed.altDigit;
  StillEditable(e);

  if (isDate) {
    if (!acted && !e.gone) {
      const DateKeyStep step = DateKeyEditor(window, field, typed);
      if (step.keyCode != 0) e.key = step.keyCode;
      acted = step.acted;
      StillEditable(e);
    }
  } else if (commandHeld) {
    acted = Offer(e, command.keyCode);
    if (acted) RunTextCommand(command.command, field, edit.text, flags, maximum);
  } else if (!acted && !e.gone) {
    if (!typed.character.empty()) acted = typedStep = InsertByte(e, typed.character[0], true);
    if (!acted && !e.gone) acted = Backspace(e);
    if (!acted && !e.gone) acted = Delete(e);
    if (!acted && !e.gone) acted = Navigate(e);
  }
  if (!acted && !e.gone && !commandHeld) acted = Enter(e);
  if (!acted && !e.gone && !commandHeld) Tab(e);
  // Tab is not a step that scrolls; a field left by Enter has no anchor to follow. After Up
  // or Down the anchor has not moved yet: following it would scroll the target line out of a
  // one-line view again, so the view stays where the line request put it.
  if (acted && !e.gone && !e.lineRequest && !isDate && field.selectionStart >= 0) Scroll(e);

  if (undo && acted && !e.gone) EndEdit(field, edit.text, anchorBefore, caretBefore, typedStep);

  edit.keyCode = e.key;
  edit.acted = acted;
  tk.LastEditKey = e.key;
  return edit;
}

}  // namespace bevel::detail
