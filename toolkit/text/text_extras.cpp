// Copy, cut and paste through the device's clipboard, and undo and redo from the field's
// history (toolkit/model/text_history.h).
#include "toolkit/text/text_extras.h"

#include <algorithm>

#include "services/services.h"
#include "toolkit/gadgets/items.h"
#include "toolkit/model/keys.h"
#include "toolkit/model/toolkit_state.h"

namespace bevel::detail {
namespace {

constexpr std::size_t kMaxChanges = 100;

bool Held(int key) {
  return KeyPushed(key) != 0;
}

bool MultiLine(const Gadget& field, int flags) {
  return field.type == GADGET_STRING && (flags & STRING_MULTILINE) != 0;
}

// Line breaks as the field keeps them (CR LF and CR become LF, dropped in a single-line field)
// and no control bytes but tab: a paste brings in nothing a key could not.
std::string CleanBytes(std::string_view pasted, bool multiLine) {
  std::string out;
  out.reserve(pasted.size());
  for (std::size_t i = 0; i < pasted.size(); ++i) {
    char c = pasted[i];
    if (c == '\r') {
      if (i + 1 < pasted.size() && pasted[i + 1] == '\n') continue;
      c = '\n';
    }
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\n' ? multiLine : (byte >= 32 && byte != 127) || c == '\t') out += c;
  }
  return out;
}

// What `pasted` leaves when it replaces text[low, high): the field's filters, and the maximum
// applied byte by byte as typing applies it, so a byte that would make its line too long is left
// out while a later line may still take bytes. The rest of the caret's line (`after`) follows
// every pasted byte, as it follows every typed one.
std::string PastedText(std::string_view pasted, std::string_view text, int low, int high, int flags,
                       int maximum, bool multiLine) {
  const bool numeric = (flags & STRING_NUMERIC) != 0;
  const bool lower = (flags & STRING_LOWER_CASE) != 0;
  const bool upper = (flags & STRING_UPPER_CASE) != 0;
  std::string bytes = CleanBytes(pasted, multiLine);
  if (!numeric && lower) bytes = LowerCase(bytes);
  if (!numeric && !lower && upper) bytes = UpperCase(bytes);

  const std::string_view prefix = text.substr(0, static_cast<std::size_t>(low));
  const std::string_view suffix = text.substr(static_cast<std::size_t>(high));
  std::size_t line = prefix.size();  // bytes on the line before the next pasted one
  std::size_t after = suffix.size();
  if (multiLine) {
    const std::size_t lf = prefix.rfind('\n');
    if (lf != std::string_view::npos) line = prefix.size() - lf - 1;
    after = std::min(suffix.find('\n'), suffix.size());
  }
  std::string out;
  out.reserve(bytes.size());
  for (const char c : bytes) {
    if (c == '\n') {
      out += c;
      line = 0;
      continue;
    }
    // The numeric field's keys: digits; "." with STRING_LOWER_CASE; "-" with STRING_UPPER_CASE
    // where a number begins.
    if (numeric && !(c >= '0' && c <= '9') && !(c == '.' && lower) &&
        !(c == '-' && upper && line == 0)) {
      continue;
    }
    if (maximum >= 0 && line + 1 + after > static_cast<std::size_t>(maximum)) continue;
    out += c;
    ++line;
  }
  return out;
}

// Undo and redo check that the step still fits the text: the history holds the text it ends in,
// but a step that does not match is dropped with the rest rather than trusted.
bool Fits(std::string_view text, std::size_t position, std::string_view expected) {
  return position <= text.size() && text.substr(position, expected.size()) == expected;
}

void Undo(Gadget& field, std::string& text) {
  TextHistory& h = field.history;
  if (!h.tracking || h.done == 0) return;
  const TextChange& c = h.changes[h.done - 1];
  const auto at = static_cast<std::size_t>(c.position);
  if (!Fits(text, at, c.inserted)) {
    h = {};
    return;
  }
  text.replace(at, c.inserted.size(), c.removed);
  field.selectionStart = c.anchorBefore;
  field.cursor = c.caretBefore;
  --h.done;
  h.typing = false;
  h.text = text;
}

void Redo(Gadget& field, std::string& text) {
  TextHistory& h = field.history;
  if (!h.tracking || h.done >= h.changes.size()) return;
  const TextChange& c = h.changes[h.done];
  const auto at = static_cast<std::size_t>(c.position);
  if (!Fits(text, at, c.removed)) {
    h = {};
    return;
  }
  text.replace(at, c.removed.size(), c.inserted);
  field.selectionStart = c.anchorAfter;
  field.cursor = c.caretAfter;
  ++h.done;
  h.typing = false;
  h.text = text;
}

}  // namespace

HeldCommand HeldTextCommand() {
  const int extras = Toolkit().TextFieldExtras;
  if (extras == 0 || AltHeld()) return {};
  const bool ctrl = CtrlHeld();
  const bool shift = ShiftHeld();
  if (extras & TEXT_FIELD_CLIPBOARD) {
    if (ctrl && Held(KEY_C)) return {TextCommand::kCopy, KEY_C};
    if (ctrl && Held(KEY_X)) return {TextCommand::kCut, KEY_X};
    if (ctrl && Held(KEY_V)) return {TextCommand::kPaste, KEY_V};
    if (ctrl != shift && Held(KEY_INSERT)) {
      return {ctrl ? TextCommand::kCopy : TextCommand::kPaste, KEY_INSERT};
    }
    if (shift && !ctrl && Held(KEY_DELETE)) return {TextCommand::kCut, KEY_DELETE};
  }
  if (extras & TEXT_FIELD_UNDO) {
    if (ctrl && Held(KEY_Z)) return {TextCommand::kUndo, KEY_Z};
    if (ctrl && Held(KEY_Y)) return {TextCommand::kRedo, KEY_Y};
  }
  return {};
}

void RunTextCommand(TextCommand command, Gadget& field, std::string& text, int flags, int maximum) {
  const bool readOnly = (flags & STRING_READONLY) != 0;
  const bool secret = field.type == GADGET_STRING && (flags & STRING_PASSWORD) != 0;
  const int low = std::min(field.selectionStart, field.cursor);
  const int high = std::max(field.selectionStart, field.cursor);
  const auto from = static_cast<std::size_t>(low);
  const auto count = static_cast<std::size_t>(high - low);
  switch (command) {
    case TextCommand::kNone:
      break;
    case TextCommand::kCopy:
      if (!secret && count > 0) SetClipboardText(std::string_view(text).substr(from, count));
      break;
    case TextCommand::kCut:
      if (secret || readOnly || count == 0) break;
      SetClipboardText(std::string_view(text).substr(from, count));
      text.erase(from, count);
      field.selectionStart = field.cursor = low;
      break;
    case TextCommand::kPaste: {
      if (readOnly) break;
      const std::string pasted =
          PastedText(ClipboardText(), text, low, high, flags, maximum, MultiLine(field, flags));
      if (pasted.empty()) break;
      text.replace(from, count, pasted);
      field.selectionStart = field.cursor = low + static_cast<int>(pasted.size());
      break;
    }
    case TextCommand::kUndo:
      if (!readOnly) Undo(field, text);
      break;
    case TextCommand::kRedo:
      if (!readOnly) Redo(field, text);
      break;
  }
}

void BeginEdit(Gadget& field, std::string_view text) {
  TextHistory& h = field.history;
  if (h.tracking && h.text == text) return;
  h = {};
  h.tracking = true;
  h.text.assign(text);
}

void EndEdit(Gadget& field, std::string_view text, int anchorBefore, int caretBefore, bool typed) {
  TextHistory& h = field.history;
  if (!h.tracking) return;  // a handler set the text while the keys acted
  if (text == h.text) {
    if (!typed) h.typing = false;  // a caret move ends a run of typing
    return;
  }
  // The change is the part between the longest common start and end. No edit starts after the
  // selection's low end, so the start is cut there: typing "a" after "a" is an insertion at the
  // caret, not one further on.
  const std::string_view old = h.text;
  const std::size_t low =
      static_cast<std::size_t>(std::max(0, std::min(anchorBefore, caretBefore)));
  std::size_t start = 0;
  const std::size_t startLimit = std::min({old.size(), text.size(), low});
  while (start < startLimit && old[start] == text[start]) ++start;
  std::size_t end = 0;
  while (end < old.size() - start && end < text.size() - start &&
         old[old.size() - 1 - end] == text[text.size() - 1 - end]) {
    ++end;
  }
  TextChange change;
  change.position = static_cast<int>(start);
  change.removed = old.substr(start, old.size() - start - end);
  change.inserted = text.substr(start, text.size() - start - end);
  change.anchorBefore = anchorBefore;
  change.caretBefore = caretBefore;
  change.anchorAfter = field.selectionStart;
  change.caretAfter = field.cursor;

  h.changes.resize(h.done);  // a new change ends what could be redone
  TextChange* last = h.changes.empty() ? nullptr : &h.changes.back();
  if (typed && h.typing && last != nullptr && change.removed.empty() &&
      static_cast<std::size_t>(last->position) + last->inserted.size() == start) {
    last->inserted += change.inserted;
    last->anchorAfter = change.anchorAfter;
    last->caretAfter = change.caretAfter;
  } else {
    h.changes.push_back(std::move(change));
    if (h.changes.size() > kMaxChanges) h.changes.erase(h.changes.begin());
    h.done = h.changes.size();
  }
  h.typing = typed;
  h.text.assign(text);
}

}  // namespace bevel::detail

namespace bevel {

void SetTextFieldExtras(int flags) {
  Toolkit().TextFieldExtras = flags & (TEXT_FIELD_CLIPBOARD | TEXT_FIELD_UNDO);
}

}  // namespace bevel
