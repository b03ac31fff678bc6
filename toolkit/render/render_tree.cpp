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
#include "toolkit/model/toolkit_state.h"
#include "toolkit/render/draw_helpers.h"
#include "toolkit/render/list_parts.h"
#include "toolkit/render/renderers.h"

namespace bevel {
namespace {

constexpr int kIndent = 17;
constexpr int kCheckColumn = 14;
constexpr int kImageColumn = 16;
constexpr int kImageSize = 14;
// The level table serves levels 1 .. 127; deeper levels, and the unset level 0 of items added
// without one, are drawn at the nearest level it holds.
constexpr int kMaxLevel = 127;
constexpr std::size_t kTreeTableSize = 258;

int LevelOf(const GadgetItem& item) {
  return std::clamp(item.itemLevel, 1, kMaxLevel);
}

int NextLevel(const Gadget& g, std::size_t index) {
  return index + 1 < g.items.size() ? LevelOf(g.items[index + 1]) : 0;
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
    const int level = LevelOf(item);
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

// The parts of one visible row; (x, rowY) is the gadget's left edge and the row's top, and the
// row's background ends `margin` pixels before the gadget's width w.
void DrawRow(const Gadget& g, const GadgetItem& item, int i, int x, int rowY, int w, int d,
             bool hasChildren, int margin, int face, int text) {
  const int cc = (g.flags & LIST_CHECKBOXES) ? kCheckColumn : 0;
  const int ic = (g.flags & LIST_IMAGES) ? kImageColumn : 0;
  const bool selected = i == g.value;
  const int background = selected ? GadgetColour(g, COLOR_SELECTION) : item.itemColors[1];
  if (selected || background != -1) {
    Box(x + d + cc + 2, rowY, w - margin - d - cc, detail::kRowHeight, background);
  }
  if (ic && item.itemData != 0)
    DrawImage(item.itemData, x + d + cc + 4, rowY, kImageSize, kImageSize);

  const int bx = x + d;  // expand box and leaf dots hang to the left of the indentation
  if (hasChildren) {
    detail::RowRun(rowY + 2, bx - 10, bx - 2, text);
    detail::RowRun(rowY + 10, bx - 10, bx - 2, text);
    detail::ColumnRun(bx - 10, rowY + 3, rowY + 9, text);
    detail::ColumnRun(bx - 2, rowY + 3, rowY + 9, text);
    detail::RowRun(rowY + 6, bx - 8, bx - 4, text);
    if ((item.itemState & ITEM_EXPANDED) == 0) detail::ColumnRun(bx - 6, rowY + 4, rowY + 8, text);
  } else if ((g.flags & TREE_NO_LINES) == 0) {
    Plot(bx - 2, rowY + 6, text);
    Plot(bx - 4, rowY + 6, text);
    Plot(bx - 6, rowY + 6, text);
    if (i > 1) {
      Plot(bx - 6, rowY + 4, text);
      Plot(bx - 6, rowY + 2, text);
    }
  }
  if (cc) detail::DrawItemCheckBox(x + d, rowY, item.itemState, face, text);

  const int colour = selected                   ? GadgetColour(g, COLOR_HIGHLIGHT)
                     : item.itemColors[2] != -1 ? item.itemColors[2]
                                                : text;
  DrawRichText(x + d + cc + ic + 4, rowY + (detail::kRowHeight - TextHeight(" ")) / 2,
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
  ToolkitState& ts = Toolkit();
  x = detail::PinToInt(x), y = detail::PinToInt(y);
  const int w = detail::PinToInt(g.width), h = detail::PinToInt(g.height);
  if (ts.TreeTable.size() < kTreeTableSize) ts.TreeTable.assign(kTreeTableSize, 0);
  std::fill(ts.TreeTable.begin() + 1, ts.TreeTable.begin() + 257, 0);
  LevelTable table{ts.TreeTable};
  const RowCount count = CountRows(g, table);
  const detail::ListFrame frame =
      detail::DrawListFrame(g, x, y, w, h, face, text, count.rows, 0, false);

  const bool lines = (g.flags & TREE_NO_LINES) == 0;
  const long long topItem = g.topItem;
  const long long lastVisible = topItem + g.rows;
  const auto rowOffset = [&](long long row) {
    return (row - topItem - 1) * detail::kRowHeight + 2;
  };
  // Once rows lie below the view, every entry at or above deadFrom points below it too.
  int deadFrom = kMaxLevel + 1;

  // The first drawn item is never hidden, so the walk resumes outside any collapsed branch.
  int r = count.start.row, collapsed = 0;
  for (std::size_t idx = count.start.index; idx < g.items.size(); ++idx) {
    const GadgetItem& item = g.items[idx];
    const int i = static_cast<int>(std::min<std::size_t>(idx + 1, 0x7fffffff));
    const int level = LevelOf(item);
    if (collapsed != 0 && level <= collapsed) collapsed = 0;
    if (collapsed != 0) continue;
    ++r;
    const bool hasChildren = level < NextLevel(g, idx);
    const int d = kIndent * level;
    const long long yo = rowOffset(r);

    const bool visible = r > topItem && r <= lastVisible;
    if (visible) {
      DrawRow(g, item, i, x, detail::PinToInt(y + yo), w, d, hasChildren, frame.margin, face, text);
    }
    if (lines) {
      if (2 < yo && yo < h - 9) Plot(x + d, detail::PinToInt(y + yo + 6), text);
      const int previous = table[level];
      if (i > 1) {
        if (2 < yo && yo < h - 3) Plot(x + d - 6, detail::PinToInt(y + yo), text);
        if (previous != 0) {
          // Down to the previous item's dots, or to the bottom of its expand box.
          const int extra = previous > 0 ? 2 : 0;
          const long long runLength = (r - std::abs(previous) - 1LL) * 7 + extra + 3;
          DrawDotRun(x + d - 6, y, yo, runLength, h, text);
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
