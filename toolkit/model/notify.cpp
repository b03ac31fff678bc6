// The event handler notification.
#include "toolkit/model/notify.h"

#include "toolkit/model/toolkit_state.h"

namespace bevel::detail {

int NotifyHandlers(const ScreenWindow* window, Gadget* gadget, int kind, std::intptr_t item) {
  ToolkitState& g = Toolkit();
  // By index and by copy: a handler may append handlers, which can move the list.
  for (std::size_t i = 0; i < g.HandlerList.size(); ++i) {
    const EventHandler handler = g.HandlerList[i];
    const void* filter = handler.filter;
    if (filter != nullptr && filter != gadget && filter != window) continue;
    if (handler.procedure(gadget, kind, item) == 0) return 0;
  }
  return 1;
}

}  // namespace bevel::detail
