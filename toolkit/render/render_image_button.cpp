// ImageButton: only its bevel here; the picture is a sprite the frame function blits after the
// drawing session, centred and moved with the pressed face.
#include "toolkit/render/draw_helpers.h"
#include "toolkit/render/renderers.h"

namespace bevel {

void RenderImageButton(Gadget& g, int x, int y, int face, int) {
  DrawBevel(x, y, g.width, g.height, g.state >= 1 ? BEVEL_SUNKEN : 0, face);
}

}  // namespace bevel
