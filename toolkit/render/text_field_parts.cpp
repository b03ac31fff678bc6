// Caret blink, selection, glyphs and caret placement of the text fields.
#include "toolkit/render/text_field_parts.h"

#include <algorithm>

#include "services/services.h"
#include "toolkit/model/toolkit_state.h"

namespace bevel::detail {
namespace {

// Far beyond any frame rate, yet doubled it stays an int.
constexpr int kMaxBlinkFrames = 1 << 24;

}  // namespace

bool CaretBlinkStep(Gadget& g) {
  const bool shows = g.blinkPhase < g.blinkPhase2;
  // A period is two blink units: shown while the countdown is below one unit. At frame times
  // above a second BlinkFrames rounds to 0; one frame per unit keeps the countdown moving. A
  // countdown that went below 0 (a record set by hand) restarts the same way.
  if (g.blinkPhase <= 0) {
    const int unit = std::clamp(Toolkit().BlinkFrames, 1, kMaxBlinkFrames);
    g.blinkPhase = 2 * unit;
    g.blinkPhase2 = unit;
  }
  --g.blinkPhase;
  return shows;
}

Selection SelectionOf(const Gadget& g) {
  Selection s;
  s.any = g.cursor >= 0 && g.selectionStart >= 0;
  s.lo = std::min(g.cursor, g.selectionStart);
  s.hi = std::max(g.cursor, g.selectionStart);
  return s;
}

int PickInLine(std::string_view line, bool masked, int start, int px, bool below) {
  if (line.empty()) return 0;
  const int length = static_cast<int>(std::min<std::size_t>(line.size(), 0x7fffffff));
  if (below) return length;
  int picked = -1;
  if (px <= start + TextWidth(GlyphOf(line[0], masked)) / 2) picked = 0;
  // The middles only move right, so the first character whose middle is right of the point
  // ends the search.
  long long left = start;
  for (int k = 1; k <= length; ++k) {
    const int cw = TextWidth(GlyphOf(line[static_cast<std::size_t>(k - 1)], masked));
    const long long right = left + cw;
    if (px < right - cw / 2) break;
    picked = k;
    left = right;
  }
  return std::max(picked, 0);
}

void AssignPickedPosition(Gadget& g, int position) {
  if (g.state == 3 || g.state == 4) g.cursor = position;
  if (g.state == 2 || g.state == 4) g.selectionStart = position;
  g.pickX = 0;
  g.pickY = 0;
}

}  // namespace bevel::detail
