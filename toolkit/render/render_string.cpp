// String: a sunken field with one line of text, or several split at byte 10 (STRING_MULTILINE),
// scrolled horizontally by scrollX and vertically by topItem; the selection on navy boxes and a
// blinking caret. A password field (STRING_PASSWORD) draws "*" for every character.
//
// Geometry, relative to the field: line n has its top at 2 + (n - topItem) x 14; its first
// character starts at 6 (ALIGN_RIGHT: w - tw - 6, ALIGN_CENTER: (w - tw) / 2, tw the width of the
// line as stored) less scrollX. A character is drawn only when all of it lies between columns 2
// and w - 3: no partial glyphs.
//
// This is the one place that knows where characters land, so besides drawing it writes back
// into the record, in three named steps: PlaceCaretAtPickPoint (a click or Up / Down asked for
// a caret position), KeepCaretInView (scrollX) and RememberCaretColumn (pickX for Up / Down).
//
// Only the visible lines are measured, and only up to the last character that can show or
// matters for the caret; nothing is allocated per character.
#include <algorithm>
#include <string_view>

#include "services/services.h"
#include "toolkit/gadgets/list_layout.h"
#include "toolkit/render/draw_helpers.h"
#include "toolkit/render/list_parts.h"
#include "toolkit/render/renderers.h"
#include "toolkit/render/text_field_parts.h"

namespace bevel {
namespace {

using detail::kRowHeight;  // a text line; so high are the selection boxes and the caret bar

constexpr int kTextInset = 6;    // left and right alignment keep 6 pixels from the edge
constexpr int kFrame = 2;        // the bevel: glyphs stay inside columns 2 .. w - 3
constexpr int kCaretMargin = 9;  // the caret is kept within the first w - 9 columns

// The field as this frame draws it.
struct Field {
  int w = 0, h = 0;
  int visible = 1;  // lines shown: floor((h - 4) / 14), at least 1
  bool multi = false;
  bool masked = false;
  int align = 0;  // the gadget's flags: ALIGN_RIGHT, else ALIGN_CENTER, else left
  int scrollX = 0;
  detail::Selection selection;
  int selectionColour = 0, highlightColour = 0, textColour = 0;
};

// One shown line: s the position of its first character, t its top and o the left offset of its
// first character, both relative to the field.
struct FieldLine {
  std::string_view text;
  int s = 0;
  int t = 0;
  int o = 0;
};

int Length(std::string_view text) {
  return static_cast<int>(std::min<std::size_t>(text.size(), 0x7fffffff));
}

int StartOffset(const Field& f, std::string_view line) {
  long long offset = kTextInset;
  if (f.align & ALIGN_RIGHT) {
    offset = static_cast<long long>(f.w) - TextWidth(line) - kTextInset;
  } else if (f.align & ALIGN_CENTER) {
    offset = (static_cast<long long>(f.w) - TextWidth(line)) / 2;
  }
  return detail::PinToInt(offset - f.scrollX);
}

// Calls fn(FieldLine) for each line topItem <= n < topItem + visible, top to bottom. A final
// byte 10 ends its line and starts an empty one, where the caret stands after Enter at the end.
template <class Fn>
void ForEachShownLine(const Gadget& g, const Field& f, Fn&& fn) {
  const std::string_view text = g.text;
  const long long first = g.topItem;
  const long long end = first + f.visible;
  std::size_t start = 0;
  for (long long n = 0; n < end; ++n) {
    const std::size_t lf = f.multi ? text.find('\n', start) : std::string_view::npos;
    const std::size_t stop = lf == std::string_view::npos ? text.size() : lf;
    if (n >= first) {
      FieldLine line;
      line.text = text.substr(start, stop - start);
      line.s = static_cast<int>(std::min<std::size_t>(start, 0x7fffffff));
      line.t = detail::PinToInt(kFrame + (n - first) * kRowHeight);
      line.o = StartOffset(f, line.text);
      fn(line);
    }
    if (lf == std::string_view::npos) break;
    start = lf + 1;
  }
}

// Record writing, step 1: a pending pick point becomes the caret position (and the anchor, by
// state) before anything is drawn, so the whole frame shows the placed caret and selection.
// The point falls on the last shown line whose top is not below it; on lines above it the
// point counts as lying after their last character.
void PlaceCaretAtPickPoint(Gadget& g, const Field& f) {
  const detail::PickPoint pick = detail::PendingPick(g);
  if (!pick.Pending()) return;
  int picked = -1;
  ForEachShownLine(g, f, [&](const FieldLine& line) {
    if (pick.y < line.t) return;
    const bool below = pick.y >= line.t + kRowHeight;
    picked = line.s + detail::PickInLine(line.text, f.masked, line.o, pick.x, below);
  });
  if (picked >= 0) detail::AssignPickedPosition(g, picked);
}

// Where the caret landed while the lines were drawn.
struct Caret {
  bool found = false;
  int left = 0;      // offset of the bar in the field
  int top = 0;       // top of its line
  int distance = 0;  // width of the stored characters before it on its line
};

// Draws one line's characters and notes the caret when it stands on this line.
void DrawLine(const Gadget& g, const Field& f, const FieldLine& line, int x, int y, Caret& caret) {
  const int length = Length(line.text);
  const long long cursor = g.cursor;
  const bool caretHere = cursor >= line.s && cursor <= static_cast<long long>(line.s) + length;
  if (caretHere && cursor == line.s) caret = {true, line.o, line.t, 0};

  long long left = line.o;
  for (int k = 1; k <= length; ++k) {
    // Past the right edge nothing more shows; walk on only to reach the caret.
    if (left > f.w && !(caretHere && cursor >= line.s + k)) break;
    const std::string_view glyph =
        detail::GlyphOf(line.text[static_cast<std::size_t>(k - 1)], f.masked);
    const int cw = TextWidth(glyph);
    if (left >= kFrame && left <= f.w - cw - kFrame) {
      const int gx = x + static_cast<int>(left);
      if (f.selection.Holds(static_cast<long long>(line.s) + k)) {
        Box(gx, y + line.t, cw, kRowHeight, f.selectionColour);
        DrawText(gx, y + line.t, glyph, f.highlightColour);
      } else {
        DrawText(gx, y + line.t, glyph, f.textColour);
      }
    }
    left += cw;
    if (caretHere && cursor == line.s + k) {
      const std::string_view before = line.text.substr(0, static_cast<std::size_t>(k));
      caret = {true, detail::PinToInt(left), line.t, TextWidth(before)};
    }
  }
}

// Record writing, step 2: the horizontal scroll follows the caret so that it stays within the
// first w - 9 columns of the line. Without a caret on a shown line the scroll stays.
void KeepCaretInView(Gadget& g, const Field& f, const Caret& caret) {
  if (g.selectionStart == -1 || !caret.found) return;
  const int c = caret.distance;
  if (c < f.scrollX) {
    g.scrollX = c;
  } else if (c - (f.w - kCaretMargin) > f.scrollX) {
    g.scrollX = c - (f.w - kCaretMargin);
  }
}

// Record writing, step 3: the caret's column, kept for the editor's Up and Down (it leaves a
// pick point with this x on the target line). Never 0, which would read as "no point".
void RememberCaretColumn(Gadget& g, const Caret& caret) {
  if (caret.found) g.pickX = std::max(caret.left, 1);
}

}  // namespace

void RenderString(Gadget& g, int x, int y, int face, int text) {
  x = detail::PinToInt(x), y = detail::PinToInt(y);
  Field f;
  f.w = detail::PinToInt(g.width);
  f.h = detail::PinToInt(g.height);
  f.visible = detail::TextFieldLines(f.h);
  f.multi = (g.flags & STRING_MULTILINE) != 0;
  f.masked = (g.flags & STRING_PASSWORD) != 0;
  f.align = g.flags;
  f.scrollX = detail::PinToInt(g.scrollX);

  DrawBevel(x, y, f.w, f.h, BEVEL_SUNKEN | BEVEL_NOFILL, face);
  Box(x + 2, y + 2, f.w - 4, f.h - 4, GadgetColour(g, COLOR_LIGHT));
  SetPenColour(text);

  PlaceCaretAtPickPoint(g, f);

  f.selection = detail::SelectionOf(g);
  f.selectionColour = GadgetColour(g, COLOR_SELECTION);
  f.highlightColour = GadgetColour(g, COLOR_HIGHLIGHT);
  f.textColour = text;
  Caret caret;
  ForEachShownLine(g, f, [&](const FieldLine& line) { DrawLine(g, f, line, x, y, caret); });

  // The bar is drawn only inside the field: a caret scrolled out (the scroll catches up below,
  // for the next frame) must not mark the neighbours.
  const bool focused = g.selectionStart > -1;
  if (focused && detail::CaretBlinkStep(g) && caret.found && caret.left >= kFrame &&
      caret.left <= f.w - kFrame - 1) {
    Line(x + caret.left, y + caret.top, 0, kRowHeight, text);
  }

  KeepCaretInView(g, f, caret);
  RememberCaretColumn(g, caret);
}

}  // namespace bevel
