// Positions and sizes as the commands store them: within -COORDINATE_LIMIT .. COORDINATE_LIMIT,
// so that the frame's sums of a few of them (a window's origin, a gadget's position and size, a
// margin) never overflow an int.
#pragma once

#include <algorithm>

#include "services/services.h"

namespace bevel::detail {

inline int ClampCoordinate(long long v) {
  return static_cast<int>(std::clamp<long long>(v, -COORDINATE_LIMIT, COORDINATE_LIMIT));
}

// A size that cannot be negative (the screen's).
inline int ClampExtent(long long v) {
  return static_cast<int>(std::clamp<long long>(v, 0, COORDINATE_LIMIT));
}

}  // namespace bevel::detail
