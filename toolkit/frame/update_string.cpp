// Update step of the String: a text field, edited by the text-entry module's own step (focus
// after a click, key auto-repeat and KeyEditor).
#include "toolkit/frame/update_pass.h"
#include "toolkit/model/toolkit_state.h"
#include "toolkit/text/key_editor.h"

namespace bevel::detail {

void UpdateString(Gadget& g, const FrameInput&) {
  UpdateTextField(g, Toolkit().WindowList.Find(g.window));
}

}  // namespace bevel::detail
