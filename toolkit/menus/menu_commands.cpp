// Menu commands: creating menus and their entries, changing entries, shortcuts, pop-ups, and
// the lookups the frame function needs.
//
// Entry and shortcut handles are record addresses. A command given a handle first finds it in
// its list, so a handle whose menu was removed with its window is refused (0) rather than used.
#include <algorithm>
#include <vector>

#include "toolkit/menus/menus.h"
#include "toolkit/model/toolkit_state.h"

namespace bevel {
namespace {

constexpr int kMenuBarHeight = 18;
// ANY_NUMBER handles count from here, far above the small numbers callers choose.
constexpr int kFirstHandle = 0x10000000;

int NewMenuHandle() {
  ToolkitState& g = Toolkit();
  int handle = kFirstHandle;
  while (g.MenuList.Contains(handle)) handle = handle == 0x7FFFFFFF ? kFirstHandle : handle + 1;
  return handle;
}

int NewMenu(int number, int kind) {
  ToolkitState& g = Toolkit();
  if (number < 1 && number != ANY_NUMBER) return 0;
  if (number != ANY_NUMBER && g.MenuList.Contains(number)) return 0;
  for (Menu& m : g.MenuList) m.current = 0;
  Menu& m = g.MenuList.Append(number == ANY_NUMBER ? NewMenuHandle() : number);
  m.window = CurrentGadgetListOwner();
  m.kind = kind;
  m.current = 1;
  return m.number;
}

Menu* CurrentMenu() {
  ToolkitState& g = Toolkit();
  // The current menu is nearly always the last one; search from the back.
  for (auto it = g.MenuList.end(); it != g.MenuList.begin();) {
    --it;
    if (it->current != 0) return &*it;
  }
  return nullptr;
}

MenuEntry* AppendEntry(int kind, std::string_view text, int item) {
  Menu* m = CurrentMenu();
  if (m == nullptr) return nullptr;
  MenuEntry& e = Toolkit().MenuEntryList.emplace_back();
  e.menu = m;
  e.kind = kind;
  e.text = text;
  e.item = item;
  return &e;
}

MenuEntry* FindEntry(const MenuEntry* handle) {
  if (handle == nullptr) return nullptr;
  for (MenuEntry& e : Toolkit().MenuEntryList)
    if (&e == handle) return &e;
  return nullptr;
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
  ToolkitState& g = Toolkit();
  const Menu* m = g.MenuList.Find(menu);
  if (m == nullptr) return 0;
  for (MenuEntry& e : g.MenuEntryList)
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
  ToolkitState& g = Toolkit();
  if (window != 0 && !g.WindowList.Contains(window)) return nullptr;
  return &g.ShortcutList.emplace_back(Shortcut{event, window, key});
}

int ShowPopupMenu(int number, int x, int y) {
  Menu* m = Toolkit().MenuList.Find(number);
  if (m == nullptr || m->kind != MENU_POPUP) return 0;
  m->popupX = x == -1 ? MouseX() : x;
  m->popupY = y == -1 ? MouseY() : y;
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

void RemoveWindowMenus(int window) {
  ToolkitState& g = Toolkit();
  // Entries first: they point at their menu records.
  g.MenuEntryList.remove_if([window](const MenuEntry& e) { return e.menu->window == window; });
  g.ShortcutList.remove_if([window](const Shortcut& s) { return s.window == window; });
  std::vector<int> numbers;
  for (const Menu& m : g.MenuList)
    if (m.window == window) numbers.push_back(m.number);
  for (int number : numbers) g.MenuList.Remove(number);
}

}  // namespace detail
}  // namespace bevel
