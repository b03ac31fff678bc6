// Date: a sunken field showing the date through its mask, with an optional check box in front,
// up/down buttons (DATE_UPDOWN) or a drop button at the right, and while open the month
// calendar below the field (above it with dropUp).
//
// The mask is laid out one character at a time from column 6 (20 with the check box). The
// digits of a date part stand in fixed cells of the width of "8"; a part typed only partly
// shows its digits at the right of its cells. The part under edit shows the digits typed so
// far (its text in extraText) in the highlight colour on the selection colour; an unset date
// (check box not ticked) is drawn in the shadow colour.
//
// Record writing: every pass rebuilds extraText from the date (the part under edit keeps its
// typed digits), sets dateFieldType from the mask, and turns a pending click into the selected
// part: the first part whose first digit cell, widened by the part's width, reaches past the
// click.
#include <algorithm>
#include <string>
#include <string_view>

#include "services/services.h"
#include "toolkit/gadgets/date_parts.h"
#include "toolkit/gadgets/list_layout.h"
#include "toolkit/render/draw_helpers.h"
#include "toolkit/render/list_parts.h"
#include "toolkit/render/renderers.h"

namespace bevel {
namespace {

using detail::PinToInt;
using detail::RowRun;

constexpr int kStateUpPressed = 3;
constexpr int kStateDownPressed = 4;
constexpr int kStateCheckPressed = 5;

// Draws one character cell when it fits inside the field's frame.
struct FieldPen {
  int x, y, w;
  long long left;  // the pen, relative to the field; long: a mask may be any length

  bool Fits(int cw) const { return left >= 2 && left <= static_cast<long long>(w) - cw - 2; }
  void Put(std::string_view glyph, int cw, int colour) const {
    if (Fits(cw)) DrawText(x + static_cast<int>(left), y + 2, glyph, colour);
  }
};

// Walks the mask: draws it, rebuilds the part texts and places a pending click.
void DrawField(Gadget& g, int x, int y, int w, int text) {
  const int digitWidth = TextWidth("8");
  const int colour = g.dateSet != 0 ? text : GadgetColour(g, COLOR_SHADOW);
  const int selection = GadgetColour(g, COLOR_SELECTION);
  const int highlight = GadgetColour(g, COLOR_HIGHLIGHT);
  bool picking = g.pickX != 0 && g.dropState == 0;
  const std::string_view mask = g.text;
  std::string parts;
  FieldPen pen{x, y, w, (g.flags & DATE_CHECKBOX) ? 20 : 6};
  int part = 0;

  for (std::size_t i = 0; i < mask.size();) {
    const detail::MaskToken token = detail::MaskTokenAt(mask, i);
    if (token.partType == 0) {
      // Past the right edge nothing more shows; only the parts are still counted.
      if (pen.left <= w) {
        const std::string_view glyph = mask.substr(i, 1);
        const int cw = TextWidth(glyph);
        pen.Put(glyph, cw, colour);
        pen.left += cw;
      }
      ++i;
      continue;
    }
    i += token.length;
    ++part;
    std::string shown;
    if (part == g.dateField) {
      g.dateFieldType = token.partType;
      const detail::PartText typed = detail::FindPartText(g.extraText, part);
      if (typed.found) shown = g.extraText.substr(typed.start, typed.length);
    }
    if (part != g.dateField || shown.empty()) {
      shown = detail::PaddedPart(detail::GetDatePart(g.date, token.partType), token.digits);
    }
    parts += shown;
    parts += ';';
    if (pen.left > w) continue;

    const long long missing = token.digits - static_cast<long long>(shown.size());
    if (missing > 0) pen.left += missing * digitWidth;
    if (picking &&
        g.pickX < pen.left + digitWidth + static_cast<long long>(digitWidth) * token.digits) {
      g.dateField = part;
      g.dateFieldType = token.partType;
      picking = false;
    }
    const bool editing = part == g.dateField;
    for (std::size_t k = 0; k < shown.size() && pen.left <= w; ++k) {
      if (editing && pen.Fits(digitWidth)) {
        Box(x + static_cast<int>(pen.left), y + 2, digitWidth, 14, selection);
      }
      pen.Put(std::string_view(shown).substr(k, 1), digitWidth, editing ? highlight : colour);
      pen.left += digitWidth;
    }
  }
  g.extraText = std::move(parts);
  // A selection past the mask's parts (the mask changed) has no type to edit.
  if (g.dateField > part) g.dateFieldType = 0;
  // A click right of every part selects nothing; it must not select one later.
  if (g.dropState == 0) g.pickX = 0;
}

void DrawUpDown(const Gadget& g, int x, int y, int w, int h, int face, int text) {
  const int bx = x + w - 17;
  const int ih = h - 4, half = ih / 2;
  const int up = g.state == kStateUpPressed ? 1 : 0;
  const int down = g.state == kStateDownPressed ? 1 : 0;
  DrawBevel(bx, y + 2, 15, half, BEVEL_THIN | (up ? BEVEL_SUNKEN : 0), face);
  DrawBevel(bx, y + ih - half + 2, 15, half, BEVEL_THIN | (down ? BEVEL_SUNKEN : 0), face);
  const int upTop = y + (half - 4) / 2 + 2 + up;
  const int downTop = y + (half - 4) / 2 + 2 + ih - half + down;
  for (int i = 0; i < 4; ++i) {
    RowRun(upTop + i, bx + 4 + up + 3 - i, bx + 4 + up + 3 + i, text);
    RowRun(downTop + i, bx + 4 + down + i, bx + 4 + down + 6 - i, text);
  }
}

void DrawDropButton(const Gadget& g, int x, int y, int w, int h, int face, int text) {
  const int p = (g.dropState == 1 || g.dropState == 3) ? 1 : 0;
  DrawBevel(x + w - 16, y + 2, 14, h - 4, BEVEL_THIN | (p ? BEVEL_SUNKEN : 0), face);
  const int top = y + (h - 14) / 2 + p + 5;
  for (int k = 0; k < 4; ++k) RowRun(top + k, x + w + p - 13 + k, x + w + p - 7 - k, text);
}

}  // namespace

void RenderDate(Gadget& g, int x, int y, int face, int text) {
  x = PinToInt(x), y = PinToInt(y);
  const int w = PinToInt(g.width), h = PinToInt(g.height);
  DrawBevel(x, y, w, h, BEVEL_SUNKEN | BEVEL_NOFILL, face);
  Box(x + 2, y + 2, w - 4, h - 4, GadgetColour(g, COLOR_LIGHT));
  DrawField(g, x, y, w, text);

  if (g.flags & DATE_CHECKBOX) {
    const int state = (g.state == kStateCheckPressed ? ITEM_CHECK_CLICKED : 0) |
                      (g.dateSet != 0 ? ITEM_CHECKED : 0);
    detail::DrawItemCheckBox(x, y + (h - 14) / 2 + 1, state, face, text);
  }
  if (g.flags & DATE_UPDOWN) {
    DrawUpDown(g, x, y, w, h, face, text);
  } else {
    DrawDropButton(g, x, y, w, h, face, text);
  }

  if (g.dropState >= 2 && g.dropState <= 4) {
    const detail::Rect popup = detail::DateDropDown(x, y, h, g.dropUp != 0);
    detail::DrawCalendar(g, PinToInt(popup.x), PinToInt(popup.y), PinToInt(popup.w),
                         PinToInt(popup.h), face, text);
  }
}

}  // namespace bevel
