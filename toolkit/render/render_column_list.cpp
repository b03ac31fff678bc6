// ColumnList and FileList: a sunken box with an optional header of column titles, rows of 14
// pixels with one text cell per column, an optional check box and image per row, and the
// built-in scroll bar.
//
// Only the visible rows are touched: items are addressed by position, so a list of 100,000
// items costs what a list of ten costs.
#include <algorithm>
#include <string_view>

#include "services/services.h"
#include "toolkit/gadgets/column_entries.h"
#include "toolkit/gadgets/list_layout.h"
#include "toolkit/render/draw_helpers.h"
#include "toolkit/render/list_parts.h"
#include "toolkit/render/renderers.h"

namespace bevel {
namespace {

// Titles and cells start one column right of their column's edge, before their alignment.
constexpr int kCellText = 1;

// Field `index` (0-based) of a row's text split at LF; "" when the row has fewer fields.
std::string_view Cell(std::string_view text, int index) {
  std::size_t start = 0;
  for (int k = 0; k < index; ++k) {
    const std::size_t lf = text.find('\n', start);
    if (lf == std::string_view::npos) return {};
    start = lf + 1;
  }
  const std::size_t end = std::min(text.find('\n', start), text.size());
  return text.substr(start, end - start);
}

// Horizontal offset of a text of width `width` in a column `span` pixels wide; `pad` is the
// left padding of "L" and `rightPad` the right padding of "R". Centring has its own formula.
int AlignOffset(char align, int span, int width, int pad, int rightPad) {
  if (align == 'L') return pad;
  if (align == 'R') return span - width - rightPad;
  return (span - width + 2) / 2;
}

}  // namespace

void RenderColumnList(Gadget& g, int x, int y, int face, int text) {
  x = detail::PinToInt(x), y = detail::PinToInt(y);
  const int w = detail::PinToInt(g.width), h = detail::PinToInt(g.height);
  const int itemCount = static_cast<int>(std::min<std::size_t>(g.items.size(), 0x7fffffff));
  const detail::RowLayout layout = detail::ListLayout(g, {x, y, w, h}, itemCount);
  detail::DrawListFrame(g, layout, itemCount, face, text);

  const int cc = layout.check;
  const bool multi = (g.flags & LIST_MULTI_SELECT) != 0;
  const int lineHeight = TextHeight(" ");
  const int cellDy = detail::RowTextDy(lineHeight);
  const int selection = GadgetColour(g, COLOR_SELECTION);
  const int highlight = GadgetColour(g, COLOR_HIGHLIGHT);

  // Visible items i: topItem < i <= topItem + rows (1-based), in 64 bits so no field overflows.
  const long long first = std::max<long long>(static_cast<long long>(g.topItem) + 1, 1);
  const long long last = std::min<long long>(static_cast<long long>(g.topItem) + g.rows, itemCount);
  const auto isSelected = [&](long long i, const GadgetItem& item) {
    return (i == g.value && !multi) || (item.itemState & ITEM_SELECTED) != 0;
  };

  const int columns = std::clamp(g.columnCount, 0, detail::kMaxExtraColumns);
  std::size_t columnPos = 0;
  detail::ColumnEntry entry = detail::ReadColumnEntry(g.columns, columnPos);
  for (int c = 0; c <= columns; ++c) {
    const bool lastColumn = c == columns;
    const detail::ColumnEntry next =
        lastColumn ? detail::ColumnEntry{} : detail::ReadColumnEntry(g.columns, columnPos);
    const long long left = layout.ColumnEdge(entry.left);
    const long long right = lastColumn ? layout.LastColumnRight() : layout.ColumnEdge(next.left);
    const int span = detail::PinToInt(right - left);
    const int textX = detail::PinToInt(layout.frame.x + left) + kCellText;

    if (layout.hdr) {
      const int p = g.pressedColumn == c + 1 ? 1 : 0;
      const detail::Rect cell = layout.HeaderCell(left, right);
      DrawBevel(detail::PinToInt(cell.x), detail::PinToInt(cell.y), span, detail::kRowHeight,
                BEVEL_THIN | (p ? BEVEL_SUNKEN : 0), face);
      const int tw = entry.align == 'L' ? 0 : RichTextWidth(entry.title);
      const int offset = AlignOffset(entry.align, span, tw, 5, 4);
      DrawRichText(textX + offset + p, y + 8 - lineHeight / 2 + p, entry.title, text);
    }

    for (long long i = first; i <= last; ++i) {
      const GadgetItem& item = g.items[static_cast<std::size_t>(i - 1)];
      const int top = detail::PinToInt(layout.RowTop(i));
      const bool selected = isSelected(i, item);
      if (c == 0) {
        if (cc) detail::DrawItemCheckBox(x, top + 1, item.itemState, face, text);
        const int background = selected ? selection : item.itemColors[1];
        if (selected || background != -1) detail::FillRect(layout.RowRect(i, cc), background);
        if (layout.image && item.itemData != 0) {
          DrawImage(item.itemData, detail::PinToInt(layout.ImageX(cc)), top, detail::kImageSize,
                    detail::kImageSize);
        }
      }
      const std::string_view cell = Cell(item.itemText, c);
      const int width = entry.align == 'L' ? 0 : RichTextWidth(cell);
      int offset = AlignOffset(entry.align, span, width, 4, 3);
      if (c == 0) offset += layout.image;
      const int colour = selected                   ? highlight
                         : item.itemColors[2] != -1 ? item.itemColors[2]
                                                    : text;
      DrawRichText(textX + offset, top + cellDy, cell, colour);
    }
    entry = next;
  }
}

}  // namespace bevel
