// The event handler notification.
#include "toolkit/model/notify.h"

#include "toolkit/model/toolkit_state.h"

namespace bevel::detail {

int NotifyHandlers(const ScreenWindow* window, Gadget* gadget, int kind, std::intptr_t item) {
  ToolkitState& tk = Toolkit();
  Gadget* handle = gadget != nullptr ? GadgetList::HandleOf(*gadget) : nullptr;
  // By index: a handler may append handlers. The deque never moves the one that runs.
  for (std::size_t i = 0; i < tk.HandlerList.size(); ++i) {
    if (gadget != nullptr && gadget->dead) return 0;
    const EventHandler& handler = tk.HandlerList[i];
    if (handler.dead) continue;
    if (handler.filter != nullptr && handler.filter != gadget && handler.filter != window) continue;
    if (handler.procedure(handle, kind, item) == 0) return 0;
  }
  return gadget != nullptr && gadget->dead ? 0 : 1;
}

bool Ask(Gadget& g, int kind, std::intptr_t item) {
  return NotifyHandlers(Toolkit().WindowList.Find(g.window), &g, kind, item) != 0;
}

bool StepTo(Gadget& g, int& field, long long target) {
  const long long difference = target - field;
  if (difference == 0 || !Ask(g, EVENT_STEP, static_cast<std::intptr_t>(difference))) return false;
  field = static_cast<int>(target);
  return true;
}

}  // namespace bevel::detail
