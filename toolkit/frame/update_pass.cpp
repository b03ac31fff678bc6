// The update pass driver: the steps every gadget shares, then its class's own step.
#include "toolkit/frame/update_pass.h"

#include "services/services.h"
#include "toolkit/model/colours.h"
#include "toolkit/model/gadget_class.h"
#include "toolkit/model/toolkit_state.h"

namespace bevel::detail {
namespace {

void UpdateGadget(Gadget& g, const FrameInput& in) {
  const ToolkitState& tk = Toolkit();
  const GadgetClass& cls = ClassOf(g);
  g.hoverItem = -1;
  SetDrawFont(GadgetColour(g, COLOR_FONT));
  // A hidden gadget takes no keys and reports nothing until it is shown again.
  const bool live = g.window == tk.ActiveWindow && !in.minimised && g.hidden == 0;
  if (live && cls.update != nullptr) cls.update(g, in);
  if (cls.keepsKeyRepeat == nullptr || !cls.keepsKeyRepeat(g)) g.repeatDelay = 0;
}

}  // namespace

void RunUpdatePass(const FrameInput& in) {
  const GadgetList& list = Toolkit().GadgetList;
  // Positions stay put while a frame runs (a gadget closed by a handler keeps its place until
  // the frame ends), so the walk goes by position; gadgets that handlers create are appended
  // and take their step in this pass too.
  for (int position = 0; position < list.size(); ++position) {
    Gadget& g = *list.At(position);
    if (!g.dead) UpdateGadget(g, in);
  }
}

}  // namespace bevel::detail
