// Retiring the records a closed window owns, and freeing them when no frame holds them.
#include "toolkit/model/lifetime.h"

#include <unordered_set>

#include "toolkit/model/toolkit_state.h"

namespace bevel::detail {

void RetireWindow(ScreenWindow& w) {
  ToolkitState& tk = Toolkit();
  const int number = w.number;
  std::unordered_set<const void*> gone{&w};
  if (number != 0) {
    for (Gadget* gadget : tk.GadgetList) {
      if (gadget->window != number) continue;
      gone.insert(gadget);
      tk.GadgetList.Retire(*gadget);
    }
    // Nothing dead is drawn: an open drop-down of the window closes with it.
    if (const Gadget* open = tk.GadgetList.At(tk.OpenPopupIndex); open && open->dead) {
      tk.OpenPopupIndex = -1;
    }
    for (Menu& menu : tk.MenuList) {
      if (menu.window == number) tk.MenuList.Retire(menu);
    }
    for (MenuEntry& entry : tk.MenuEntryList) {
      if (entry.menu->dead) tk.MenuEntryList.Retire(entry);
    }
    for (Shortcut& shortcut : tk.ShortcutList) {
      if (shortcut.window == number) tk.ShortcutList.Retire(shortcut);
    }
  }
  // A handler tied to a closed record is never called again: a record made later at the same
  // address must not inherit it.
  for (EventHandler& handler : tk.HandlerList) {
    if (handler.filter != nullptr && gone.count(handler.filter) != 0) handler.dead = true;
  }
  tk.WindowList.Retire(w);
  FreeRetired();
}

void FreeRetired() {
  ToolkitState& tk = Toolkit();
  if (tk.FrameDepth > 0) return;
  // OpenPopupIndex is a position: follow its gadget across the purge.
  const Gadget* open = tk.GadgetList.At(tk.OpenPopupIndex);
  if (open != nullptr && open->dead) open = nullptr;
  tk.GadgetList.Purge();
  tk.OpenPopupIndex = open != nullptr ? open->listIndex : -1;
  tk.MenuEntryList.Purge();
  tk.MenuList.Purge();
  tk.ShortcutList.Purge();
  tk.WindowList.Purge();
  std::erase_if(tk.HandlerList, [](const EventHandler& handler) { return handler.dead; });
}

void MarkActivated(Gadget& g) {
  g.activatedFrame = Toolkit().FrameSerial;
}

bool Activated(const Gadget& g) {
  return g.activatedFrame != 0 && g.activatedFrame == Toolkit().FrameSerial;
}

FrameScope::FrameScope() : drawing_(CurrentDrawing()) {
  ToolkitState& tk = Toolkit();
  if (tk.FrameDepth > 0) outerSerial_ = tk.FrameSerial;
  ++tk.FrameDepth;
  tk.FrameSerial = ++tk.LastFrameSerial;
}

FrameScope::~FrameScope() {
  ToolkitState& tk = Toolkit();
  --tk.FrameDepth;
  // The outermost frame's serial stays: GadgetActivated asks about the frame just run.
  if (outerSerial_ != 0) tk.FrameSerial = outerSerial_;
  ResumeDrawing(drawing_);
  FreeRetired();
}

}  // namespace bevel::detail
