// Spin: two stacked buttons with arrows; the value itself is not shown.
#include "services/services.h"
#include "toolkit/render/draw_helpers.h"
#include "toolkit/render/renderers.h"

namespace bevel {

void RenderSpin(Gadget& g, int x, int y, int face, int text) {
  const int half = g.height / 2;
  const int up = g.state == 1 ? 1 : 0;
  const int down = g.state == 2 ? 1 : 0;
  DrawBevel(x, y, g.width, half, up ? BEVEL_SUNKEN : 0, face);
  DrawBevel(x, y + g.height - half, g.width, half, down ? BEVEL_SUNKEN : 0, face);
  const int ux = x + (g.width - 7) / 2 + up;
  const int uy = y + (half - 4) / 2 + up;
  for (int i = 0; i < 4; ++i) Line(ux + 3 - i, uy + i, 2 * i + 1, 0, text);
  const int dx = x + (g.width - 7) / 2 + down;
  const int dy = y + g.height - half + (half - 4) / 2 + down;
  for (int i = 0; i < 4; ++i) Line(dx + i, dy + i, 7 - 2 * i, 0, text);
}

}  // namespace bevel
