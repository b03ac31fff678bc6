// The frame's invariant check.
#include "toolkit/frame/invariants.h"

#ifdef BEVEL_CHECK_INVARIANTS

#include <cstdio>
#include <cstdlib>

#include "toolkit/model/gadget_class.h"
#include "toolkit/model/toolkit_state.h"

namespace bevel::detail {
namespace {

[[noreturn]] void Broken(const char* what, int number) {
  std::fprintf(stderr, "bevel: broken invariant after GadgetEvent: %s (record %d)\n", what, number);
  std::abort();
}

void Require(bool holds, const char* what, int number) {
  if (!holds) Broken(what, number);
}

// 0, or a live window that is shown.
bool LiveShownWindow(int number) {
  if (number == 0) return true;
  const ScreenWindow* w = Toolkit().WindowList.Find(number);
  return w != nullptr && w->hidden == 0;
}

void CheckGadgets(const ToolkitState& tk) {
  for (const Gadget* g : tk.GadgetList) {
    const auto length = static_cast<long long>(g->text.size());
    Require(g->selectionStart >= -1 && g->selectionStart <= length,
            "selection anchor within the text", g->number);
    Require(g->cursor >= -1 && g->cursor <= length, "caret within the text", g->number);
    if (HasClassFlag(*g, CLASS_ITEMS)) {
      Require(g->value >= 0 && static_cast<std::size_t>(g->value) <= g->items.size(),
              "selection within the items", g->number);
      Require(g->topItem >= 0, "first visible row not negative", g->number);
    }
    Require(tk.GadgetList.At(g->listIndex) == g, "list position kept", g->number);
  }
}

void CheckWindows(const ToolkitState& tk) {
  Require(LiveShownWindow(tk.ActiveWindow), "active window live and shown", tk.ActiveWindow);
  Require(LiveShownWindow(tk.PendingWindow), "pending window live and shown", tk.PendingWindow);
  for (const ScreenWindow& w : tk.WindowList) {
    // Owners are live windows, and lead to the screen in fewer steps than there are windows.
    int owner = w.owner;
    for (std::size_t steps = 0; owner != 0; ++steps) {
      Require(steps < tk.WindowList.size(), "owner chain ends at the screen", w.number);
      const ScreenWindow* o = tk.WindowList.Find(owner);
      Require(o != nullptr, "owners live", w.number);
      owner = o->owner;
    }
  }
}

void CheckOpenDropDown(const ToolkitState& tk) {
  if (tk.OpenPopupIndex == -1) return;
  const Gadget* open = tk.GadgetList.At(tk.OpenPopupIndex);
  Require(open != nullptr && !open->dead, "open drop-down names a live gadget", tk.OpenPopupIndex);
  Require(ClassOf(*open).placeDropDown != nullptr, "open drop-down has a drop-down part",
          open->number);
  Require(open->dropState >= 2, "open drop-down is open", open->number);
}

}  // namespace

void CheckFrameInvariants() {
  const ToolkitState& tk = Toolkit();
  CheckGadgets(tk);
  CheckWindows(tk);
  CheckOpenDropDown(tk);
}

}  // namespace bevel::detail

#endif
