// ComboBox: a one-line sunken box, TextHeight(" ") + 4 high whatever the gadget's height, with
// a drop button at its right; while open (dropState 2 to 4) the list of items below it, or
// above it with dropUp, in the frame and scroll bar of the list gadgets. The gadget's height is
// the open list's; with fewer items than rows the list shrinks to n x 14 + 4.
//
// The box shows the text, drawn from offset 6 (22 with the image column) less scrollX, whole
// characters only between the image column and the drop button; an editable box with the focus
// shows its selection and a blinking caret. As the String does, the renderer turns a pending
// pick point (a click into an editable box's text) into the caret position; cursor,
// selectionStart, the used-up point and the blink counters are all it writes.
//
// Only the visible rows of the open list are touched.
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

using detail::kRowHeight;

constexpr int kTextInset = 6;
// Characters keep 18 columns free at the right: the drop button and its margin.
constexpr int kRightReserve = 18;

bool ListOpen(const Gadget& g) {
  return g.dropState >= 2 && g.dropState <= 4;
}

// The drop button with its down arrow (rows of 7, 5, 3, 1 pixels), both one pixel lower and
// further right while pressed.
void DrawDropButton(const Gadget& g, const detail::ComboLayout& combo, int lineHeight, int face,
                    int text) {
  const int p = (g.dropState == 1 || g.dropState == 3) ? 1 : 0;
  const detail::Rect& button = combo.dropButton;
  DrawBevel(detail::PinToInt(button.x), detail::PinToInt(button.y), detail::PinToInt(button.w),
            detail::PinToInt(button.h), BEVEL_THIN | (p ? BEVEL_SUNKEN : 0), face);
  const int x = detail::PinToInt(combo.field.x), y = detail::PinToInt(combo.field.y);
  const int w = detail::PinToInt(combo.field.w);
  const int ay = (lineHeight - kRowHeight) / 2 + 2;
  for (int k = 0; k < 4; ++k) {
    detail::RowRun(y + ay + p + 5 + k, x + w + p - 13 + k, x + w + p - 7 - k, text);
  }
}

// Record writing: a click into an editable box's text left a pick point; it becomes the caret
// position (and the anchor, by state) before anything is drawn. Only an editable box with the
// focus takes one: while the list is open, state stands for its pressed scroll bar parts.
void PlaceCaretAtPickPoint(Gadget& g, int start) {
  const detail::PickPoint pick = detail::PendingPick(g);
  if (!pick.Pending() || !(g.flags & COMBO_EDITABLE) || g.selectionStart < 0 || ListOpen(g)) {
    return;
  }
  detail::AssignPickedPosition(g, detail::PickInLine(g.text, false, start, pick.x, false));
}

// The text of the closed box with its selection; returns the caret's offset, or -1 when the
// cursor lies outside the text.
int DrawBoxText(const Gadget& g, int x, int y, int w, int ic, int start, int text) {
  const detail::Selection sel = detail::SelectionOf(g);
  const int selection = GadgetColour(g, COLOR_SELECTION);
  const int highlight = GadgetColour(g, COLOR_HIGHLIGHT);
  const std::string_view shown = g.text;
  const long long length = static_cast<long long>(shown.size());
  const long long cursor = g.cursor;
  int caret = cursor == 0 ? start : -1;
  long long left = start;
  for (long long k = 1; k <= length; ++k) {
    // Past the drop button nothing more shows; walk on only to reach the caret.
    if (left > w && cursor < k) break;
    const std::string_view glyph = detail::GlyphOf(shown[static_cast<std::size_t>(k - 1)], false);
    const int cw = TextWidth(glyph);
    if (left >= ic + 5 && left <= w - cw - kRightReserve) {
      const int gx = x + static_cast<int>(left);
      if (sel.Holds(k)) {
        Box(gx, y + 2, cw, kRowHeight, selection);
        DrawText(gx, y + 2, glyph, highlight);
      } else {
        DrawText(gx, y + 2, glyph, text);
      }
    }
    left += cw;
    if (k == cursor) caret = detail::PinToInt(left);
  }
  return caret;
}

// The open list: frame, scroll bar, the selected row's bar, and the visible items.
void DrawOpenList(const Gadget& g, const detail::RowLayout& list, int lineHeight, int face,
                  int text) {
  const int n = static_cast<int>(std::min<std::size_t>(g.items.size(), 0x7fffffff));
  detail::DrawListFrame(g, list, n, face, text);
  const long long top = g.topItem;
  if (top < g.value && g.value <= top + g.rows) {
    detail::FillRect(list.RowRect(g.value, 0), GadgetColour(g, COLOR_SELECTION));
  }
  const int highlight = GadgetColour(g, COLOR_HIGHLIGHT);
  const int textDy = detail::RowTextDy(lineHeight);
  const int imageX = detail::PinToInt(list.ImageX(0)), labelX = detail::PinToInt(list.LabelX(0));
  const long long first = std::max(top + 1, 1LL);
  const long long last = std::min(top + g.rows, static_cast<long long>(n));
  for (long long i = first; i <= last; ++i) {
    const GadgetItem& item = g.items[static_cast<std::size_t>(i - 1)];
    const int rowY = detail::PinToInt(list.RowTop(i));
    int colour = text;
    if (i == g.value) {
      colour = highlight;
    } else {
      if (item.itemColors[1] != -1) detail::FillRect(list.RowRect(i, 0), item.itemColors[1]);
      if (item.itemColors[2] != -1) colour = item.itemColors[2];
    }
    if (list.image && item.itemData != 0) {
      DrawImage(item.itemData, imageX, rowY, detail::kImageSize, detail::kImageSize);
    }
    DrawRichText(labelX, rowY + textDy, item.itemText, colour);
  }
}

}  // namespace

void RenderComboBox(Gadget& g, int x, int y, int face, int text) {
  x = detail::PinToInt(x), y = detail::PinToInt(y);
  const int w = detail::PinToInt(g.width);
  const int lineHeight = TextHeight(" ");
  const int boxHeight = detail::ComboFieldHeight(lineHeight);
  const detail::ComboLayout combo =
      detail::ComboBoxLayout(g, x, y, w, boxHeight, detail::PinToInt(detail::ComboListHeight(g)));
  const int ic = combo.list.image;
  const int start = detail::PinToInt(static_cast<long long>(ic) - g.scrollX + kTextInset);

  DrawBevel(x, y, w, boxHeight, BEVEL_SUNKEN | BEVEL_NOFILL, face);
  Box(x + 2, y + 2, w - 4, boxHeight - 4, GadgetColour(g, COLOR_LIGHT));
  // A box too narrow for its button would have it drawn left of the gadget.
  if (w >= detail::kBarWidth + 2 * detail::kFrameInset) {
    DrawDropButton(g, combo, lineHeight, face, text);
  }

  if (ListOpen(g)) DrawOpenList(g, combo.list, lineHeight, face, text);

  SetPenColour(text);
  const bool caretShows =
      (g.flags & COMBO_EDITABLE) && g.selectionStart > -1 && detail::CaretBlinkStep(g);

  PlaceCaretAtPickPoint(g, start);
  const int caret = DrawBoxText(g, x, y, w, ic, start, text);
  // Only inside the text area: a caret scrolled out must not mark the drop button.
  if (caretShows && caret >= ic + 5 && caret <= w - kRightReserve + 1) {
    Line(x + caret, y + 2, 0, kRowHeight, text);
  }

  const int n = static_cast<int>(std::min<std::size_t>(g.items.size(), 0x7fffffff));
  if (ic && g.value >= 1 && g.value <= n) {
    const int image = g.items[static_cast<std::size_t>(g.value - 1)].itemData;
    if (image != 0) DrawImage(image, x + 6, y + 1, detail::kImageSize, detail::kImageSize);
  }
}

}  // namespace bevel
