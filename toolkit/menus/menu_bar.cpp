// The menu handler: one call per menu and frame reads the left button, reacts and draws the
// bar (or the pop-up) with its open drop-down.
//
// Left-button phase of a menu (mousePhase), advanced once per handled frame:
//
//   button   | before: 0 up | 2 pressed | 1 held | 3 released
//   ---------+--------------+-----------+--------+-----------
//   down     |      2       |     1     |   1    |     2
//   up       |      0       |     3     |   3    |     0
//
// What a bar box does with the mouse on it, by phase (k = the box's 1-based position):
//   2 press:    opens k; a press on the title already open arms `reclick` instead, which
//               lasts until the release of that press, wherever it happens
//   1 held:     opens k (dragging along the bar switches titles)
//   3 release:  closes when armed by reclick or when k is an item (an enabled item is chosen)
//   0 up:       opens k when another title is open, else shows the hover highlight
// A release outside the bar and outside every open drop-down closes the menu; a release on a
// drop-down item chooses it (drop_down.cpp) and sets the phase to 0, so it acts only once.
#include <iterator>

#include "toolkit/menus/menus.h"
#include "toolkit/model/toolkit_state.h"
#include "toolkit/render/draw_helpers.h"

namespace bevel::detail {
namespace {

constexpr int kBarHeight = 18;
constexpr int kBoxPadding = 18;  // added to the label's width
constexpr int kBevelHeight = 17;
constexpr int kLabelX = 9;
constexpr int kStyleHighlighted = BEVEL_THIN;
constexpr int kStylePressed = BEVEL_THIN | BEVEL_SUNKEN;

int NextPhase(int phase, bool down) {
  const bool wasDown = phase == 1 || phase == 2;
  if (down) return wasDown ? 1 : 2;
  return wasDown ? 3 : 0;
}

bool IsOpen(const Menu& m) {
  return m.kind == MENU_POPUP ? m.shown != 0 : m.openTitle != 0;
}

EntryIterator FirstEntry(const Menu& m) {
  auto& entries = Toolkit().MenuEntryList;
  auto it = entries.begin();
  while (it != entries.end() && it->menu != &m) ++it;
  return it;
}

void ClearHighlights(const Menu& m) {
  for (MenuEntry& e : Toolkit().MenuEntryList)
    if (e.menu == &m) e.flags &= ~ENTRY_HIGHLIGHTED;
}

struct BarBox {
  EntryIterator entry;
  int k = 0;  // 1-based position on the bar
  int x = 0, width = 0;
};

// Calls visit(box) for each title and item at depth 0, left to right. A box with an empty label
// takes the width of the box before it (18 for the first). An end-of-level marker with no open
// level (an unbalanced EndSubMenu) is ignored here, so it cannot hide the rest of the bar.
// Caller: the menu's font is selected in an open drawing session.
template <class Visit>
void ForEachBarBox(const Menu& m, int barX, Visit visit) {
  auto& entries = Toolkit().MenuEntryList;
  int depth = 0, k = 0, x = barX, width = kBoxPadding;
  for (auto it = entries.begin(); it != entries.end(); ++it) {
    if (it->menu != &m) continue;
    if (it->kind == ENTRY_END_OF_LEVEL) {
      if (depth > 0) --depth;
      continue;
    }
    if (depth == 0 && (it->kind == ENTRY_TITLE || it->kind == ENTRY_ITEM)) {
      if (!it->text.empty()) width = RichTextWidth(it->text) + kBoxPadding;
      visit(BarBox{it, ++k, x, width});
      x += width;
    }
    if (it->kind == ENTRY_TITLE) ++depth;
  }
}

// Step of the bar state machine for the box under the mouse (see the table at the top).
void PressBox(Menu& m, MenuEntry& e, int k) {
  switch (m.mousePhase) {
    case 2:
      if (m.openTitle == k) {
        m.reclick = 1;
      } else {
        m.openTitle = k;
      }
      break;
    case 3:
      if (m.reclick != 0 || e.kind == ENTRY_ITEM) {
        m.openTitle = 0;
        m.reclick = 0;
        if (e.kind == ENTRY_ITEM && (e.flags & ENTRY_DISABLED) == 0) m.selected = e.item;
      }
      break;
    case 1:
      m.openTitle = k;
      break;
    default:
      if (m.openTitle != 0) {
        m.openTitle = k;
      } else if ((e.flags & ENTRY_DISABLED) == 0) {
        e.flags |= ENTRY_HIGHLIGHTED;
      }
      break;
  }
}

// Returns true when an open drop-down of the bar holds the mouse.
bool HandleBar(MenuPass& pass, int barX, int barY, bool& overBar) {
  Menu& m = pass.menu;
  // The whole bar reacts before anything is drawn, so that a title opened by dragging along
  // the bar is the only drop-down drawn in this frame.
  ForEachBarBox(m, barX, [&](const BarBox& box) {
    MenuEntry& e = *box.entry;
    e.flags &= ~ENTRY_HIGHLIGHTED;
    const bool inside = pass.mx >= box.x && pass.mx < box.x + box.width && pass.my >= barY &&
                        pass.my < barY + kBarHeight;
    if (!inside) return;
    overBar = true;
    PressBox(m, e, box.k);
  });

  bool holds = false;
  ForEachBarBox(m, barX, [&](const BarBox& box) {
    const MenuEntry& e = *box.entry;
    const bool highlighted = (e.flags & ENTRY_HIGHLIGHTED) != 0;
    const bool disabled = (e.flags & ENTRY_DISABLED) != 0;
    const int pressed = !highlighted && m.openTitle == box.k ? 1 : 0;
    Box(box.x, barY, box.width, kBarHeight, pass.look.face);
    if (highlighted || pressed != 0) {
      DrawBevel(box.x, barY, box.width, kBevelHeight,
                highlighted ? kStyleHighlighted : kStylePressed, pass.look.face);
    }
    if (pressed != 0 && e.kind == ENTRY_TITLE && !disabled)
      holds = HandleDropDown(pass, std::next(box.entry), box.x, barY + kBarHeight, 0) || holds;
    DrawRichText(box.x + kLabelX + pressed, barY + (kBarHeight - pass.textHeight) / 2 + pressed,
                 e.text, disabled ? pass.look.disabledText : pass.look.text);
  });
  return holds;
}

}  // namespace

MenuLook LookOf(const Menu& m) {
  const ColorScheme& scheme = Toolkit().MenuScheme;
  auto slot = [&](std::size_t index) {
    return m.colors[index] != -1 ? m.colors[index] : scheme[index];
  };
  MenuLook look;
  look.text = slot(2);
  look.face = slot(3);
  look.disabledText = slot(4);
  look.highlightText = slot(5);
  look.highlightBar = slot(6);
  look.font = slot(7);
  return look;
}

void HandleMenu(Menu& m, int barX, int barY) {
  m.selected = 0;
  m.mousePhase = NextPhase(m.mousePhase, MouseButton(1) != 0);
  // A choice in a drop-down sets the phase to 0, so remember the release here.
  const bool released = m.mousePhase == 3;
  if (m.kind == MENU_POPUP && m.shown == 0) return;

  MenuPass pass{m, LookOf(m), MouseX(), MouseY(), 0};
  SetDrawFont(pass.look.font);
  SetDrawMode(DRAW_TRANSPARENT);
  pass.textHeight = TextHeight(" ");

  const bool wasOpen = IsOpen(m);
  bool overBar = false;
  const bool holds = m.kind == MENU_POPUP
                         ? HandleDropDown(pass, FirstEntry(m), m.popupX, m.popupY, 0)
                         : HandleBar(pass, barX, barY, overBar);

  // A release anywhere else closes the menu.
  if (!holds && !overBar && m.mousePhase == 3) {
    m.openTitle = 0;
    m.shown = 0;
  }
  // `reclick` belongs to one press: whatever its release did, the next press starts afresh.
  if (released) m.reclick = 0;
  if ((wasOpen && !IsOpen(m)) || m.selected != 0) ClearHighlights(m);
}

void HandleMenus(Menu* bar) {
  ToolkitState& tk = Toolkit();
  for (Menu& m : tk.MenuList) m.selected = 0;
  if (bar != nullptr) {
    const MenuPoint origin = MenuBarOrigin(bar->window);
    HandleMenu(*bar, origin.x, origin.y);
  }
  for (Menu& m : tk.MenuList)
    if (m.kind == MENU_POPUP && m.shown != 0) HandleMenu(m, 0, 0);
}

}  // namespace bevel::detail
