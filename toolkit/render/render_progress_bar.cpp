// ProgressBar: a sunken frame around a bar in the selection colour.
#include <cmath>

#include "services/services.h"
#include "toolkit/render/draw_helpers.h"
#include "toolkit/render/renderers.h"

namespace bevel {

void RenderProgressBar(Gadget& g, int x, int y, int face, int) {
  DrawBevel(x, y, g.width, g.height, BEVEL_SUNKEN | BEVEL_NOFILL, face);
  const double range = static_cast<double>(g.maximum) - g.minimum;
  if (range <= 0) return;
  const bool vertical = (g.flags & FLAG_VERTICAL) != 0;
  const int length = (vertical ? g.height : g.width) - 4;
  if (length <= 0) return;
  double part = (static_cast<double>(g.value) - g.minimum) / range;
  part = part < 0 ? 0 : (part > 1 ? 1 : part);  // a value outside the range fills no further
  const int filled = static_cast<int>(std::lround(length * part));
  const int bar = GadgetColour(g, COLOR_SELECTION);
  if (vertical) {
    Box(x + 2, y + 2, g.width - 4, filled, bar);
  } else {
    Box(x + 2, y + 2, filled, g.height - 4, bar);
  }
}

}  // namespace bevel
