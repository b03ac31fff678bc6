// Menu commands: creating menus and their entries, changing entries, shortcuts, pop-ups, and
// the lookups the frame function needs.
//
// Entry and shortcut handles are tokens (see toolkit/model/record_list.h): a command given a
// handle finds its record by it, so a handle whose menu was closed with its window names
// nothing and is refused (0), even when a new entry took the old one's memory.
#include <algorithm>

#include "toolkit/menus/menus.h"
#include "toolkit/model/coordinates.h"
#include "toolkit/model/toolkit_state.h"

namespace bevel {
namespace {

constexpr int kMenuBarHeight = 18;
// ANY_NUMBER handles count from here, far above the small numbers callers choose.
constexpr int kFirstHandle = 0x10000000;

int NewMenuHandle() {
  ToolkitState& tk = Toolkit();
  int handle = kFirstHandle;
  while (tk.MenuList.Contains(handle)) handle = handle == 0x7FFFFFFF ? kFirstHandle : handle + 1;
  return handle;
}

int NewMenu(int number, int kind) {
  ToolkitState& tk = Toolkit();
  if (number < 1 && number != ANY_NUMBER) return 0;
  if (number != ANY_NUMBER && tk.MenuList.Contains(number)) return 0;
  for (Menu& m : tk.MenuList) m.current = 0;
  Menu& m = tk.MenuList.Append(number == ANY_NUMBER ? NewMenuHandle() : number);
  m.window = CurrentGadgetListOwner();
  m.kind = kind;
  m.current = 1;
  return m.number;
}

Menu* CurrentMenu() {
  for (Menu& m : Toolkit().MenuList)
    if (m.current != 0) return &m;
  return nullptr;
}

MenuEntry* AppendEntry(int kind, std::string_view text, int item) {
  Menu* m = CurrentMenu();
  if (m == nullptr) return nullptr;
  auto& entries = Toolkit().MenuEntryList;
  MenuEntry& e = entries.Append();
  e.menu = m;
  e.kind = kind;
  e.text = text;
  e.item = item;
  return entries.HandleOf(e);
}

MenuEntry* FindEntry(const MenuEntry* handle) {
  return Toolkit().MenuEntryList.Find(handle);
}

void SetDisabled(MenuEntry& e, int state) {
  if (state != 0) {
    e.flags = (e.flags | ENTRY_DISABLED) & ~ENTRY_HIGHLIGHTED;
  } else {
    e.flags &= ~ENTRY_DISABLED;
  }
}

}  // namespace

int CreateMenu(int number) {
  return NewMenu(number, MENU_BAR);
}

int CreatePopupMenu(int number) {
  return NewMenu(number, MENU_POPUP);
}

MenuEntry* AddMenuTitle(std::string_view text) {
  return AppendEntry(ENTRY_TITLE, text, 0);
}

MenuEntry* AddMenuItem(int item, std::string_view text) {
  return AppendEntry(ENTRY_ITEM, text, item);
}

MenuEntry* EndSubMenu() {
  return AppendEntry(ENTRY_END_OF_LEVEL, "", 0);
}

MenuEntry* AddMenuSeparator() {
  return AppendEntry(ENTRY_SEPARATOR, "", 0);
}

int DisableMenuItem(int menu, int item, int state) {
  ToolkitState& tk = Toolkit();
  const Menu* m = tk.MenuList.Find(menu);
  if (m == nullptr) return 0;
  for (MenuEntry& e : tk.MenuEntryList)
    if (e.menu == m && e.kind == ENTRY_ITEM && e.item == item) SetDisabled(e, state);
  return 1;
}

int DisableMenuEntry(MenuEntry* entry, int state) {
  MenuEntry* e = FindEntry(entry);
  if (e == nullptr) return 0;
  SetDisabled(*e, state);
  return 1;
}

int SetMenuItemText(MenuEntry* entry, std::string_view text) {
  MenuEntry* e = FindEntry(entry);
  if (e == nullptr) return 0;
  e->text = text;
  return 1;
}

int SetMenuItemState(MenuEntry* entry, int ticked) {
  MenuEntry* e = FindEntry(entry);
  if (e == nullptr) return 0;
  e->flags = ticked != 0 ? e->flags | ENTRY_TICKED : e->flags & ~ENTRY_TICKED;
  return 1;
}

Shortcut* AddShortcut(int window, int key, int event) {
  ToolkitState& tk = Toolkit();
  if (window != 0 && !tk.WindowList.Contains(window)) return nullptr;
  Shortcut& s = tk.ShortcutList.Append();
  s.event = event;
  s.window = window;
  s.key = key;
  return tk.ShortcutList.HandleOf(s);
}

int ShowPopupMenu(int number, int x, int y) {
  Menu* m = Toolkit().MenuList.Find(number);
  if (m == nullptr || m->kind != MENU_POPUP) return 0;
  m->popupX = x == -1 ? MouseX() : detail::ClampCoordinate(x);
  m->popupY = y == -1 ? MouseY() : detail::ClampCoordinate(y);
  m->shown = 1;
  return 1;
}

int OpenMenuNumber() {
  int open = 0;
  for (const Menu& m : Toolkit().MenuList) {
    const bool isOpen = m.kind == MENU_POPUP ? m.shown != 0 : m.openTitle != 0;
    if (isOpen) open = m.number;
  }
  return open;
}

int MenuBarHeight() {
  return kMenuBarHeight;
}

namespace detail {

Menu* FirstMenuBar(int window) {
  for (Menu& m : Toolkit().MenuList)
    if (m.window == window && m.kind == MENU_BAR) return &m;
  return nullptr;
}

Menu* LiveMenuBar() {
  return FirstMenuBar(Toolkit().ActiveWindow);
}

bool AnyMenuOpen() {
  const Menu* bar = LiveMenuBar();
  if (bar != nullptr && bar->openTitle != 0) return true;
  const auto& menus = Toolkit().MenuList;
  return std::any_of(menus.begin(), menus.end(),
                     [](const Menu& m) { return m.kind == MENU_POPUP && m.shown != 0; });
}

MenuPoint MenuBarOrigin(int window) {
  const ScreenWindow* w = window != 0 ? Toolkit().WindowList.Find(window) : nullptr;
  if (w == nullptr) return {1, 1};
  const int b = (w->flags & WINDOW_NO_BORDER) != 0 ? 0 : 2;
  const int title = (w->flags & WINDOW_NO_TITLE_BAR) != 0 ? 0 : 20;
  return {w->x + b, w->y + b + title};
}

}  // namespace detail
}  // namespace bevel
