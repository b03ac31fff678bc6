// Drop-downs and sub-menus: one level of a menu as a bevelled column of rows.
//
// Layout of a level with n rows of which s are separators, at (x, y):
//   W = widest label + 48, H = n x 17 - s x 8 + 6; rows start 2 pixels down; an item or title
//   row is 17 high (hit band y + row + 1 .. y + row + 17, x + 3 .. x + W - 4), a separator 9.
//   Labels at x + 24; a ticked row has its check mark at x + 9 .. x + 16; a title its arrow at
//   x + W - 14 .. x + W - 11 and its sub-menu at (x + W - 3, y + row - 2).
//
// A title's sub-menu is open while the title carries the highlight flag. The flag stays while
// the mouse is on the title or inside the open sub-menu (or one opened from it), so the user
// can move from a title into its sub-menu without it closing.
#include <algorithm>
#include <array>
#include <iterator>

#include "toolkit/menus/menus.h"
#include "toolkit/model/toolkit_state.h"
#include "toolkit/render/draw_helpers.h"

namespace bevel::detail {
namespace {

constexpr int kFirstRow = 2;
constexpr int kRowHeight = 17;
constexpr int kSeparatorRowHeight = 9;
constexpr int kWidthExtra = 48;
constexpr int kHeightExtra = 6;
constexpr int kRowInset = 3;  // the highlight bar and the hit band leave 3 pixels on each side
constexpr int kLabelX = 24;
constexpr int kSubMenuOverlap = 3;
constexpr int kSubMenuRise = 2;
constexpr int kTickX = 9;
constexpr std::array<int, 8> kTickTops = {8, 9, 10, 9, 8, 7, 6, 5};
constexpr int kTickLength = 3;

struct LevelSize {
  int width = 0, height = 0;
};

// Calls visit(it) for each entry shown by the level that starts at `first`: titles, items and
// separators at the level's own depth. Deeper entries are skipped; the level ends at its
// end-of-level marker, or with the menu's last entry when that marker is missing.
template <class Visit>
void ForEachLevelEntry(const Menu& m, EntryIterator first, Visit visit) {
  auto& entries = Toolkit().MenuEntryList;
  int depth = 0;
  for (auto it = first; it != entries.end(); ++it) {
    if (it->menu != &m) continue;
    if (it->kind == ENTRY_END_OF_LEVEL) {
      if (depth == 0) return;
      --depth;
      continue;
    }
    if (depth == 0) visit(it);
    if (it->kind == ENTRY_TITLE) ++depth;
  }
}

// Caller: the menu's font is selected in an open drawing session (widths come from it).
LevelSize MeasureLevel(const Menu& m, EntryIterator first) {
  int rows = 0, separators = 0, widest = 0;
  ForEachLevelEntry(m, first, [&](EntryIterator it) {
    ++rows;
    if (it->kind == ENTRY_SEPARATOR) {
      ++separators;
    } else if (!it->text.empty()) {
      widest = std::max(widest, RichTextWidth(it->text));
    }
  });
  return {widest + kWidthExtra,
          rows * kRowHeight - separators * (kRowHeight - kSeparatorRowHeight) + kHeightExtra};
}

bool Inside(int mx, int my, int x, int y, int w, int h) {
  return mx >= x && mx < x + w && my >= y && my < y + h;
}

bool CanOpen(const MenuEntry& e, int depth) {
  return e.kind == ENTRY_TITLE && (e.flags & ENTRY_DISABLED) == 0 && depth + 1 < kMaxOpenLevels;
}

// Whether the mouse is inside the level at (x, y) or inside a sub-menu open below it, from the
// flags as they stand: used to keep a title highlighted while its sub-menu holds the mouse.
bool LevelHolds(const MenuPass& pass, EntryIterator first, int x, int y, int depth) {
  const LevelSize size = MeasureLevel(pass.menu, first);
  if (Inside(pass.mx, pass.my, x, y, size.width, size.height)) return true;
  bool holds = false;
  int row = kFirstRow;
  ForEachLevelEntry(pass.menu, first, [&](EntryIterator it) {
    if (it->kind == ENTRY_SEPARATOR) {
      row += kSeparatorRowHeight;
      return;
    }
    if (!holds && CanOpen(*it, depth) && (it->flags & ENTRY_HIGHLIGHTED) != 0) {
      holds = LevelHolds(pass, std::next(it), x + size.width - kSubMenuOverlap,
                         y + row - kSubMenuRise, depth + 1);
    }
    row += kRowHeight;
  });
  return holds;
}

void DrawSeparator(int x, int y, int width, int face) {
  Line(x + 4, y + 4, width - 8, 0, ShadeColour(SHADE_THIN_DARK, face));
  Line(x + 4, y + 5, width - 8, 0, ShadeColour(SHADE_INNER_LIGHT, face));
}

void DrawTick(int x, int y, int colour) {
  for (int i = 0; i < static_cast<int>(kTickTops.size()); ++i)
    Line(x + kTickX + i, y + kTickTops[static_cast<std::size_t>(i)], 0, kTickLength, colour);
}

// A right-pointing triangle 7 pixels high whose left column starts at x.
void DrawArrow(int x, int y, int colour) {
  Line(x, y + 5, 0, 7, colour);
  Line(x + 1, y + 6, 0, 5, colour);
  Line(x + 2, y + 7, 0, 3, colour);
  Line(x + 3, y + 8, 0, 1, colour);
}

}  // namespace

bool HandleDropDown(MenuPass& pass, EntryIterator first, int x, int y, int depth) {
  Menu& m = pass.menu;
  const MenuLook& look = pass.look;
  const LevelSize size = MeasureLevel(m, first);
  const int w = size.width;
  DrawBevel(x, y, w, size.height, 0, look.face);
  bool holds = Inside(pass.mx, pass.my, x, y, w, size.height);
  int row = kFirstRow;
  ForEachLevelEntry(m, first, [&](EntryIterator it) {
    MenuEntry& e = *it;
    const int rowY = y + row;
    if (e.kind == ENTRY_SEPARATOR) {
      DrawSeparator(x, rowY, w, look.face);
      row += kSeparatorRowHeight;
      return;
    }
    const bool disabled = (e.flags & ENTRY_DISABLED) != 0;
    const bool over = Inside(pass.mx, pass.my, x + kRowInset, rowY + 1, w - 2 * kRowInset, 17);
    const int subX = x + w - kSubMenuOverlap, subY = rowY - kSubMenuRise;
    if (over && !disabled) {
      if (m.mousePhase == 3 && e.kind == ENTRY_ITEM) {
        m.selected = e.item;
        m.openTitle = 0;
        m.mousePhase = 0;  // the release is used up: the bar must not act on it again
        m.shown = 0;
      }
      e.flags |= ENTRY_HIGHLIGHTED;
    } else if (!(CanOpen(e, depth) && (e.flags & ENTRY_HIGHLIGHTED) != 0 &&
                 LevelHolds(pass, std::next(it), subX, subY, depth + 1))) {
      e.flags &= ~ENTRY_HIGHLIGHTED;
    }
    const bool highlighted = (e.flags & ENTRY_HIGHLIGHTED) != 0;

    int colour = look.text;
    if (disabled) {
      colour = look.disabledText;
    } else if (highlighted) {
      Box(x + kRowInset, rowY + 1, w - 2 * kRowInset, 17, look.highlightBar);
      colour = look.highlightText;
    }
    DrawRichText(x + kLabelX, rowY + (18 - pass.textHeight) / 2, e.text, colour);
    if ((e.flags & ENTRY_TICKED) != 0) DrawTick(x, rowY, colour);
    if (e.kind == ENTRY_TITLE) {
      DrawArrow(x + w - 14, rowY, colour);
      if (highlighted && CanOpen(e, depth))
        holds = HandleDropDown(pass, std::next(it), subX, subY, depth + 1) || holds;
    }
    row += kRowHeight;
  });
  return holds;
}

}  // namespace bevel::detail
