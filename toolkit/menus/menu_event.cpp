// MenuEvent: what the menus produced in this frame, keyboard shortcuts first.
//
// A choice is looked for in the active window's menus before the screen's. Reading only the
// first menu of "the active window or the screen" would let a screen bar created before a
// window hide every choice made in that window's own bar. Within one window the menus are read
// in creation order and the first choice wins; as HandleMenus clears every menu's choice at
// the start of each frame, only menus handled in this frame (the live bar, shown pop-ups) can
// hold one.
#include "toolkit/model/keys.h"
#include "toolkit/model/toolkit_state.h"

namespace bevel {
namespace {

constexpr int kScanCodeMask = 0xFFFF;

// Level-triggered: true in every frame in which the keys are held. Modifiers that the shortcut
// does not name may be held as well.
bool ShortcutHeld(int key) {
  const int scanCode = key & kScanCodeMask;
  if (scanCode <= 0 || KeyPushed(scanCode) == 0) return false;
  if ((key & SHORTCUT_SHIFT) != 0 && !detail::ShiftHeld()) return false;
  if ((key & SHORTCUT_CTRL) != 0 && !detail::CtrlHeld()) return false;
  if ((key & SHORTCUT_ALT) != 0 && !detail::AltHeld()) return false;
  return true;
}

int ChoiceOfWindow(int window) {
  for (const Menu& m : Toolkit().MenuList)
    if (m.window == window && m.selected != 0) return m.selected;
  return 0;
}

}  // namespace

int MenuEvent() {
  ToolkitState& tk = Toolkit();
  for (const Shortcut& s : tk.ShortcutList)
    if ((s.window == tk.ActiveWindow || s.window == 0) && ShortcutHeld(s.key)) return s.event;
  if (const int chosen = ChoiceOfWindow(tk.ActiveWindow); chosen != 0) return chosen;
  return tk.ActiveWindow != 0 ? ChoiceOfWindow(0) : 0;
}

}  // namespace bevel
