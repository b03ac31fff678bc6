// Tree and TreeList: one item per row indented 17 pixels per level, expand boxes, dotted
// connection lines, optional check boxes and images; the children of a collapsed item take no
// rows.
//
// The items are one flat chain in display order, so which rows exist depends on every item
// before them: the renderer walks the whole chain once, without allocating, to count the rows
// for the scroll bar, then draws from the first visible row and stops as soon as nothing
// further down can reach the visible area.
//
// TreeTable[L] holds the row of the last drawn item of level L (negated when that item has an
// expand box), so a later item of the same level can draw the dotted line up to it.
#include <algorithm>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "services/services.h"
#include "toolkit/gadgets/list_layout.h"
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

// Where drawing starts: the first item of the first visible row, with the counters as they
// stand before it.
struct WalkStart {
  std::size_t index = 0;
  int row = 0;  // rows before it
};

struct RowCount {
  int rows = 0;  // items not hidden inside a collapsed branch
  WalkStart start;
};

// Counts the tree's rows (the scroll bar needs them before anything is drawn) and, on the way,
// enters the rows above the view into the level table: they draw nothing, so drawing can
// resume at the first visible row instead of walking the chain a second time from the top.
RowCount CountRows(const Gadget& g, LevelTable& table) {
  RowCount count;
  count.start.index = g.items.size();
  bool started = false;
  int collapsed = 0;
  for (std::size_t idx = 0; idx < g.items.size(); ++idx) {
    const GadgetItem& item = g.items[idx];
    const int level = TreeLevel(item);
    if (collapsed != 0 && level <= collapsed) collapsed = 0;
    if (collapsed != 0) continue;
    ++count.rows;
    if (!started && count.rows > g.topItem) {
      started = true;
      count.start = {idx, count.rows - 1};
    }
    const bool hasChildren = level < NextLevel(g, idx);
    // Rows out of view carry no expand-box mark.
    if (!started) table.Set(level, count.rows);
    if (hasChildren && (item.itemState & ITEM_EXPANDED) == 0) collapsed = level;
  }
  return count;
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
  const RowCount count = CountRows(g, table);
  const RowLayout layout = detail::TreeLayout(g, {x, y, w, h}, count.rows);
  detail::DrawListFrame(g, layout, count.rows, face, text);

  const bool lines = (g.flags & TREE_NO_LINES) == 0;
  const long long topItem = g.topItem;
  const long long lastVisible = topItem + g.rows;
  const auto rowOffset = [&](long long row) { return layout.RowTop(row) - y; };
  // The lines run down the expand boxes' centre column and across their centre row.
  constexpr int kBoxCentre = detail::kExpandBoxSize / 2;
  constexpr int kCentreRow = detail::kExpandBoxTop + kBoxCentre;
  // Once rows lie below the view, every entry at or above deadFrom points below it too.
  int deadFrom = kTreeMaxLevel + 1;

  // The first drawn item is never hidden, so the walk resumes outside any collapsed branch.
  int r = count.start.row, collapsed = 0;
  for (std::size_t idx = count.start.index; idx < g.items.size(); ++idx) {
    const GadgetItem& item = g.items[idx];
    const int i = static_cast<int>(std::min<std::size_t>(idx + 1, 0x7fffffff));
    const int level = TreeLevel(item);
    if (collapsed != 0 && level <= collapsed) collapsed = 0;
    if (collapsed != 0) continue;
    ++r;
    const bool hasChildren = level < NextLevel(g, idx);
    const long long yo = rowOffset(r);

    const bool visible = r > topItem && r <= lastVisible;
    if (visible) DrawRow(g, layout, item, i, r, level, hasChildren, face, text);
    if (lines) {
      const int indentX = detail::PinToInt(x + RowLayout::Indent(level));
      const int lineX = detail::PinToInt(layout.ExpandBox(level, 0).x) + kBoxCentre;
      if (2 < yo && yo < h - 9) Plot(indentX, detail::PinToInt(y + yo + kCentreRow), text);
      const int previous = table[level];
      if (i > 1) {
        if (2 < yo && yo < h - 3) Plot(lineX, detail::PinToInt(y + yo), text);
        if (previous != 0) {
          // Down to the previous item's dots, or to the bottom of its expand box.
          const int extra = previous > 0 ? 2 : 0;
          const long long runLength = (r - std::abs(previous) - 1LL) * 7 + extra + 3;
          DrawDotRun(lineX, y, yo, runLength, h, text);
        }
      }
    }

    // Only a drawn expand box marks its row; for a row out of view the difference lies off view.
    table.Set(level, visible && hasChildren ? -r : r);
    if (hasChildren && (item.itemState & ITEM_EXPANDED) == 0) collapsed = level;

    // Below the view nothing is drawn but the dotted lines up from later rows; those reach no
    // higher than their previous item of the same level, so once every entry points below the
    // view the rest of the chain cannot change a pixel.
    if (r > lastVisible && yo >= h - 3) {
      if (!lines) break;
      if (level < deadFrom) {
        deadFrom = level;
        bool reachable = false;
        for (int l = 1; l < level && !reachable; ++l) {
          reachable = table[l] != 0 && rowOffset(std::abs(table[l])) < h - 9;
        }
        if (!reachable) break;
      }
    }
  }
}

}  // namespace bevel
