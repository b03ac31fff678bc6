// ScrollBar: two 14-pixel arrow buttons, a darker track and a thumb sized by the page (the
// `rows` field), horizontal or with FLAG_VERTICAL vertical. Both orientations are one drawing
// along the bar's length and across its thickness.
//
// The thumb follows the press handling's model so that what is drawn is what can be grabbed:
// with maximum >= minimum it covers page / (maximum - minimum + 1) of the track and steps
// through the rest over the positions a page leaves; a range that is empty or no larger than a
// page gives a thumb filling the track (the range) or resting at its start (the page). Records
// that model cannot picture (a page of 0 or less, a value outside the range) still get a thumb
// of a few pixels that lies on the track.
#include <algorithm>
#include <cmath>

#include "services/services.h"
#include "toolkit/render/draw_helpers.h"
#include "toolkit/render/list_parts.h"
#include "toolkit/render/renderers.h"

namespace bevel {
namespace {

constexpr int kButton = 14;
constexpr int kMinThumb = 8;

// Maps "along the bar / across it" to the screen for either orientation.
struct BarAxes {
  bool vertical;
  int x, y;

  void Bevel(int along, int length, int thickness, int style, int face) const {
    if (vertical) {
      DrawBevel(x, y + along, thickness, length, style, face);
    } else {
      DrawBevel(x + along, y, length, thickness, style, face);
    }
  }
  void Fill(int along, int length, int thickness, int colour) const {
    if (vertical) {
      Box(x, y + along, thickness, length, colour);
    } else {
      Box(x + along, y, length, thickness, colour);
    }
  }
  // Pixels across0 .. across1 at one position along the bar.
  void Run(int along, int across0, int across1, int colour) const {
    if (vertical) {
      detail::RowRun(y + along, x + across0, x + across1, colour);
    } else {
      detail::ColumnRun(x + along, y + across0, y + across1, colour);
    }
  }
};

struct Thumb {
  int offset = 0;  // from the start of the track
  int length = 0;
};

// The thumb on a track of `track` pixels (> 0).
Thumb PlaceThumb(const Gadget& g, int track) {
  const long long count = static_cast<long long>(g.maximum) - g.minimum + 1;
  const long long page = g.rows;
  double length = track;
  double step = 0;
  if (count >= 1) {
    length = std::min(static_cast<double>(page) / static_cast<double>(count) * track, length);
  }
  if (length <= 0) length = std::min(kMinThumb, track);
  if (count - page >= 1) step = (track - length) / static_cast<double>(count - page);

  Thumb t;
  t.length = detail::PinToInt(std::ceil(length));
  const double moved = std::floor(step * (static_cast<double>(g.value) - g.minimum));
  t.offset = detail::PinToInt(moved);
  // Rounding the length up can overshoot the track's end by one pixel; a larger overshoot
  // comes from a value outside the range and is met by the clamp below instead.
  if (static_cast<long long>(t.offset) + t.length == track + 1LL) --t.length;
  t.length = std::clamp(t.length, 1, track);
  t.offset = std::clamp(t.offset, 0, track - t.length);
  return t;
}

}  // namespace

void RenderScrollBar(Gadget& g, int x, int y, int face, int text) {
  const bool vertical = (g.flags & FLAG_VERTICAL) != 0;
  const BarAxes axes{vertical, detail::PinToInt(x), detail::PinToInt(y)};
  const int length = detail::PinToInt(vertical ? g.height : g.width);
  const int thickness = detail::PinToInt(vertical ? g.width : g.height);
  if (length <= 0 || thickness <= 0) return;
  const int first = g.state == 2 ? 1 : 0;
  const int second = g.state == 3 ? 1 : 0;
  const int pressedThumb = g.state == 4 ? BEVEL_SUNKEN : 0;

  axes.Bevel(0, kButton, thickness, BEVEL_THIN | (first ? BEVEL_SUNKEN : 0), face);
  axes.Bevel(length - kButton, kButton, thickness, BEVEL_THIN | (second ? BEVEL_SUNKEN : 0), face);
  const int track = length - 2 * kButton;
  if (track > 0) {
    axes.Fill(kButton, track, thickness, ShadeColour(SHADE_TRACK, face));
    const Thumb t = PlaceThumb(g, track);
    axes.Bevel(kButton + t.offset, t.length, thickness, BEVEL_THIN | pressedThumb, face);
  }

  // Arrows of 1, 3, 5, 7 pixels centred across the bar, moved one pixel along and across while
  // their button is held.
  const int centre = static_cast<int>(std::floor((thickness - 7) / 2.0)) + 3;
  for (int k = 0; k < 4; ++k) {
    axes.Run(first + 5 + k, centre + first - k, centre + first + k, text);
    axes.Run(length - kButton + second + 5 + k, centre + second - 3 + k, centre + second + 3 - k,
             text);
  }
}

}  // namespace bevel
