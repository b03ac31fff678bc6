// Presses on Tree and TreeList: the label selects, the expand box and the check box are armed
// (bits 0x08 and 0x01, completed by the update pass on release), a double click on the
// selected label expands or collapses it at once, and the scroll bar scrolls visible rows.
//
// Row r (1-based among the visible nodes) lies at gy + (r - topItem - 1) x 14 + 2 and is drawn
// indented by d = 17 x level: expand box d - 15 .. d + 1, check box d + 2 .. d + 15, label from
// d + chk + 2 up to the scroll bar. Levels are taken as the renderer draws them (1 .. 127).
#include <algorithm>
#include <cstddef>

#include "toolkit/frame/press_common.h"
#include "toolkit/frame/press_handling.h"
#include "toolkit/gadgets/items.h"

namespace bevel::detail {

using press::kGone;
using press::N;

namespace {

constexpr int kRow = 14;
constexpr int kIndent = 17;
constexpr int kCheckColumn = 14;
constexpr int kMaxLevel = 127;

int LevelOf(const GadgetItem& item) {
  return std::clamp(item.itemLevel, 1, kMaxLevel);
}

bool HasChildren(const Gadget& g, std::size_t index) {
  return index + 1 < g.items.size() && LevelOf(g.items[index + 1]) > LevelOf(g.items[index]);
}

// One walk over the chain: the number of visible nodes (the children of a collapsed node take
// no rows) and the index of the node on visible row `wanted` (-1 when there is none).
struct TreeRows {
  int count = 0;
  long long found = -1;
};

TreeRows WalkRows(const Gadget& g, long long wanted) {
  TreeRows rows;
  int collapsed = 0;
  for (std::size_t idx = 0; idx < g.items.size(); ++idx) {
    const int level = LevelOf(g.items[idx]);
    if (collapsed != 0 && level <= collapsed) collapsed = 0;
    if (collapsed != 0) continue;
    ++rows.count;
    if (rows.count == wanted) rows.found = static_cast<long long>(idx);
    if (HasChildren(g, idx) && (g.items[idx].itemState & ITEM_EXPANDED) == 0) collapsed = level;
  }
  return rows;
}

// Expands or collapses node idx after asking (19 collapse, 20 expand). A TreeList reads its
// directory entries one level ahead as the update pass does. False when the gadget is gone.
bool ToggleNode(Gadget& g, std::size_t idx) {
  const bool expanded = (g.items[idx].itemState & ITEM_EXPANDED) != 0;
  const int answer = N(g, expanded ? 19 : 20, static_cast<std::intptr_t>(idx));
  if (answer == kGone) return false;
  if (!answer || idx >= g.items.size()) return true;
  g.items[idx].itemState ^= ITEM_EXPANDED;
  if (g.type == GADGET_TREELIST) {
    if (expanded) {
      CollapseTreeListNode(g, static_cast<int>(idx));
    } else {
      ExpandTreeListNode(g, static_cast<int>(idx));
    }
  }
  return true;
}

}  // namespace

void PressTree(Gadget& g, const FrameInput& in) {
  const int number = g.number;
  if (N(g, 1, 0) == kGone) return;
  const int gx = in.ox + g.x, gy = in.oy + g.y;
  const int w = g.width, h = g.height;
  const int mx = in.mx, my = in.my;
  const int chk = (g.flags & LIST_CHECKBOXES) ? kCheckColumn : 0;

  // The visible row under the mouse (hdr 0), if any.
  long long wanted = 0;
  const long long below = static_cast<long long>(my) - gy - 1;
  if (my > gy + 1 && my < gy + h - 2 && below >= 1) {
    const long long k = (below + kRow - 1) / kRow;
    if (k >= 1 && k <= g.rows) wanted = static_cast<long long>(g.topItem) + k;
  }
  const TreeRows rows = WalkRows(g, wanted);
  const int sb = g.rows >= rows.count ? 2 : 16;

  // Which of the pressed node's parts is held in this frame.
  long long boxItem = -1, checkItem = -1;
  long long idx = in.left ? rows.found : -1;
  int d = 0;
  bool hasChildren = false;
  if (idx >= 0) {
    const std::size_t k = static_cast<std::size_t>(idx);
    d = kIndent * LevelOf(g.items[k]);
    hasChildren = HasChildren(g, k);
    if (hasChildren && mx > gx + d - 16 && mx <= gx + d + 1) boxItem = idx;
    if (chk && mx > gx + d + 1 && mx < gx + d + 16) checkItem = idx;
  }
  // Marks stay only on the parts still held; a marked node may have scrolled out of view.
  for (std::size_t k = 0; k < g.items.size(); ++k) {
    const long long i = static_cast<long long>(k);
    if (i != boxItem) g.items[k].itemState &= ~ITEM_EXPANDER_CLICKED;
    if (chk && i != checkItem) g.items[k].itemState &= ~ITEM_CHECK_CLICKED;
  }

  if (idx >= 0) {
    const int i = static_cast<int>(idx) + 1;
    const bool onLabel = mx > gx + d + chk + 1 && mx < gx + w - sb;
    if (onLabel && (g.flags & LIST_NO_SELECTION) == 0) {
      const int answer = N(g, 4, i - 1);
      if (answer == kGone) return;
      if (answer) {
        g.state = 1;
        g.value = i;
        press::SetEvent(g);
      }
    }
    // A handler may have removed items: re-check the index before each mark.
    if (boxItem >= 0) {
      const int answer = N(g, 17, i - 1);
      if (answer == kGone) return;
      if (answer && idx < static_cast<long long>(g.items.size())) {
        g.items[static_cast<std::size_t>(idx)].itemState |= ITEM_EXPANDER_CLICKED;
      }
    }
    if (checkItem >= 0) {
      const int answer = N(g, 6, i - 1);
      if (answer == kGone) return;
      if (answer && idx < static_cast<long long>(g.items.size())) {
        g.items[static_cast<std::size_t>(idx)].itemState |= ITEM_CHECK_CLICKED;
      }
    }
    // A double click on the label: only there, so that a double click on the expand box does
    // not toggle the node twice (once here and once through the box on release).
    if (in.doubleClick && onLabel) {
      g.activated = 1;
      const std::size_t k = static_cast<std::size_t>(idx);
      if (i == g.value && k < g.items.size() && (HasChildren(g, k) || g.type == GADGET_TREELIST)) {
        if (!ToggleNode(g, k)) return;
      }
    }
  }

  if (g.rows < rows.count && in.left) {
    // Visible rows may have changed with a toggle above.
    const int count = WalkRows(g, 0).count;
    const int state = ListScrollBarPress(g, in, count, gy, h, 0);
    if (!press::Alive(g, number)) return;
    g.state = state;
  }
}

}  // namespace bevel::detail
