// Tree and TreeList: one item per row indented 17 pixels per level, expand boxes, dotted
// connection lines, optional check boxes and images; the children of a collapsed item take no
// rows.
//
// The rows come from the tree's row index (toolkit/gadgets/tree_rows.h), so a frame costs what
// the rows in view cost, however long the chain is: the rows above the view enter the level
// table through their chain of `up` rows, and below the view only the next row of each level
// still in the table can draw (its dotted line up into the view).
//
// TreeTable[L] holds the row of the last drawn item of level L (negated when that item has an
// expand box), so a later item of the same level can draw the dotted line up to it.
#include <algorithm>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "services/services.h"
#include "toolkit/gadgets/list_layout.h"
#include "toolkit/gadgets/tree_rows.h"
#include "toolkit/model/toolkit_state.h"
#include "toolkit/render/draw_helpers.h"
#include "toolkit/render/list_parts.h"
#include "toolkit/render/renderers.h"

namespace bevel {
namespace {

using detail::kTreeMaxLevel;
using detail::RowLayout;
using detail::TreeLevel;

// TreeTable entries 1 .. 256 are cleared every frame; TreeLevel keeps the levels drawn within
// 1 .. 127.
constexpr std::size_t kTreeTableSize = 258;

int NextLevel(const Gadget& g, std::size_t index) {
  return index + 1 < g.items.size() ? TreeLevel(g.items[index + 1]) : 0;
}

// The level table with the highest level that may hold a non-zero entry, so that clearing the
// deeper entries after each row costs what was set rather than 256 stores.
struct LevelTable {
  std::vector<int>& entries;
  int highest = 0;

  int operator[](int level) const { return entries[static_cast<std::size_t>(level)]; }
  // The row of the last item at this level; deeper levels start over.
  void Set(int level, int row) {
    entries[static_cast<std::size_t>(level)] = row;
    for (int l = level + 1; l <= highest; ++l) entries[static_cast<std::size_t>(l)] = 0;
    highest = level;
  }
};

// The rows above the view draw nothing, but lines from the rows in view reach up to them. The
// table as a walk from the top would leave it holds, per level, the last row of that level that
// no shallower row followed: the row just above the view and its chain of `up` rows. Rows out of
// view carry no expand-box mark.
void EnterRowsAbove(const Gadget& g, const TreeRowIndex& index, int above, LevelTable& table) {
  int chain[kTreeMaxLevel + 1];
  int length = 0;
  for (int row = above; row != 0 && length <= kTreeMaxLevel; row = index.up[row - 1]) {
    chain[length++] = row;
  }
  // Shallowest first, as a walk from the top meets them.
  while (length > 0) {
    const int row = chain[--length];
    table.Set(TreeLevel(g.items[static_cast<std::size_t>(index.item[row - 1])]), row);
  }
}

// The parts of visible row r, an item of this level: selection bar, image, expand box or leaf
// dots, check box and text.
void DrawRow(const Gadget& g, const RowLayout& layout, const GadgetItem& item, int i, long long r,
             int level, bool hasChildren, int face, int text) {
  const int rowY = detail::PinToInt(layout.RowTop(r));
  const long long indent = RowLayout::Indent(level) + layout.check;
  const bool selected = i == g.value;
  const int background = selected ? GadgetColour(g, COLOR_SELECTION) : item.itemColors[1];
  if (selected || background != -1) detail::FillRect(layout.RowRect(r, indent), background);
  if (layout.image && item.itemData != 0) {
    DrawImage(item.itemData, detail::PinToInt(layout.ImageX(indent)), rowY, detail::kImageSize,
              detail::kImageSize);
  }

  // The expand box, a plus while collapsed; a leaf has dots from the box's centre instead.
  const detail::Rect box = layout.ExpandBox(level, rowY);
  const int left = detail::PinToInt(box.x), top = detail::PinToInt(box.y);
  const int right = left + detail::kExpandBoxSize - 1, bottom = top + detail::kExpandBoxSize - 1;
  const int cx = left + detail::kExpandBoxSize / 2, cy = top + detail::kExpandBoxSize / 2;
  if (hasChildren) {
    detail::RowRun(top, left, right, text);
    detail::RowRun(bottom, left, right, text);
    detail::ColumnRun(left, top + 1, bottom - 1, text);
    detail::ColumnRun(right, top + 1, bottom - 1, text);
    detail::RowRun(cy, left + 2, right - 2, text);
    if ((item.itemState & ITEM_EXPANDED) == 0) detail::ColumnRun(cx, top + 2, bottom - 2, text);
  } else if ((g.flags & TREE_NO_LINES) == 0) {
    Plot(right, cy, text);
    Plot(cx + 2, cy, text);
    Plot(cx, cy, text);
    if (i > 1) {
      Plot(cx, cy - 2, text);
      Plot(cx, top, text);
    }
  }
  if (layout.check) {
    detail::DrawItemCheckBox(detail::PinToInt(layout.frame.x + RowLayout::Indent(level)), rowY,
                             item.itemState, face, text);
  }

  const int colour = selected                   ? GadgetColour(g, COLOR_HIGHLIGHT)
                     : item.itemColors[2] != -1 ? item.itemColors[2]
                                                : text;
  DrawRichText(detail::PinToInt(layout.LabelX(indent)), rowY + detail::RowTextDy(TextHeight(" ")),
               item.itemText, colour);
}

// The dotted column at x from row offset yo upwards: `count` dots two rows apart, each only
// where 2 < offset < h - 3. Starts at the first dot inside, so a long run costs what it shows.
void DrawDotRun(int x, int y, long long yo, long long count, int h, int text) {
  long long j = 0;
  if (yo >= h - 3) j = (yo - (h - 4) + 1) / 2;
  for (; j < count && yo - 2 * j > 2; ++j) Plot(x, detail::PinToInt(y + yo - 2 * j), text);
}

}  // namespace

void RenderTree(Gadget& g, int x, int y, int face, int text) {
  ToolkitState& tk = Toolkit();
  x = detail::PinToInt(x), y = detail::PinToInt(y);
  const int w = detail::PinToInt(g.width), h = detail::PinToInt(g.height);
  if (tk.TreeTable.size() < kTreeTableSize) tk.TreeTable.assign(kTreeTableSize, 0);
  std::fill(tk.TreeTable.begin() + 1, tk.TreeTable.begin() + 257, 0);
  LevelTable table{tk.TreeTable};
  const TreeRowIndex& index = detail::TreeRows(g);
  const int count = detail::TreeRowCount(index);
  const RowLayout layout = detail::TreeLayout(g, {x, y, w, h}, count);
  detail::DrawListFrame(g, layout, count, face, text);

  const bool lines = (g.flags & TREE_NO_LINES) == 0;
  const long long topItem = g.topItem;
  const long long lastVisible = topItem + g.rows;
  // Scrolled past every row: only the frame shows.
  if (topItem >= count) return;
  const auto rowOffset = [&](long long row) { return layout.RowTop(row) - y; };
  const auto levelOf = [&](int row) {
    return TreeLevel(g.items[static_cast<std::size_t>(index.item[row - 1])]);
  };
  // The lines run down the expand boxes' centre column and across their centre row.
  constexpr int kBoxCentre = detail::kExpandBoxSize / 2;
  constexpr int kCentreRow = detail::kExpandBoxTop + kBoxCentre;
  const auto lineColumn = [&](int level) {
    return detail::PinToInt(layout.ExpandBox(level, 0).x) + kBoxCentre;
  };
  // The dotted line from row r of this level up to the previous row of its level (the table's
  // entry, negative when that row shows an expand box: the line stops at the box's bottom).
  const auto dotsUp = [&](int r, int level, long long yo, int previous) {
    const int extra = previous > 0 ? 2 : 0;
    const long long runLength = (r - std::abs(previous) - 1LL) * 7 + extra + 3;
    DrawDotRun(lineColumn(level), y, yo, runLength, h, text);
  };

  const int first = static_cast<int>(std::max(topItem, 0LL));  // rows above the view
  EnterRowsAbove(g, index, first, table);

  // The rows whose top lies inside the gadget (and any row in view, however short the gadget).
  for (int r = first + 1; r <= count; ++r) {
    const long long yo = rowOffset(r);
    if (r > lastVisible && yo >= h - 3) break;
    const std::size_t idx = static_cast<std::size_t>(index.item[static_cast<std::size_t>(r - 1)]);
    const GadgetItem& item = g.items[idx];
    const int i = static_cast<int>(std::min<std::size_t>(idx + 1, 0x7fffffff));
    const int level = TreeLevel(item);
    const bool hasChildren = level < NextLevel(g, idx);
    const bool visible = r <= lastVisible;
    if (visible) DrawRow(g, layout, item, i, r, level, hasChildren, face, text);
    if (lines) {
      const int indentX = detail::PinToInt(x + RowLayout::Indent(level));
      if (2 < yo && yo < h - 9) Plot(indentX, detail::PinToInt(y + yo + kCentreRow), text);
      const int previous = table[level];
      if (i > 1) {
        if (2 < yo && yo < h - 3) Plot(lineColumn(level), detail::PinToInt(y + yo), text);
        if (previous != 0) dotsUp(r, level, yo, previous);
      }
    }
    // Only a drawn expand box marks its row; for a row out of view the difference lies off view.
    table.Set(level, visible && hasChildren ? -r : r);
  }

  // Below the gadget a row draws only the dotted line up to the previous row of its level, and
  // only while that row is still in the table: the next row of the same or a lower level after
  // a table entry (its `next`) either continues the entry's line or ends it.
  if (!lines) return;
  for (int level = 1; level <= table.highest; ++level) {
    const int previous = table[level];
    if (previous == 0) continue;
    const int below = index.next[static_cast<std::size_t>(std::abs(previous) - 1)];
    if (below != 0 && levelOf(below) == level) dotsUp(below, level, rowOffset(below), previous);
  }
}

}  // namespace bevel
