// Colour shading for bevel edges.
#include <cfenv>
#include <cmath>

#include "toolkit/render/draw_helpers.h"

namespace bevel {

int ShadeColour(float factor, int colour) {
  int out = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    float v = static_cast<float>((colour >> shift) & 255) * factor;
    if (v > 255.0f) v = 255.0f;
    if (v < 0.0f) v = 0.0f;
    // nearbyint rounds half to even in the default rounding mode.
    out |= static_cast<int>(std::nearbyint(v)) << shift;
  }
  return out;
}

}  // namespace bevel
