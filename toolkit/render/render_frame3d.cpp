// Frame3D: a decorative frame (thin sunken, sunken or flat) with its caption centred on top, or
// by default an etched group box whose top line runs through the middle of a left-placed
// caption.
#include "services/services.h"
#include "toolkit/render/draw_helpers.h"
#include "toolkit/render/list_parts.h"
#include "toolkit/render/renderers.h"

namespace bevel {
namespace {

// The gap in the group box's top line starts 7 pixels in and is 7 pixels wider than the
// caption, so even an empty caption leaves one.
constexpr int kGapStart = 7;
constexpr int kGapExtra = 14;
constexpr int kCaptionIndent = 10;

// A horizontal run of `count` pixels from x; nothing for a count of 0 or less.
void Run(int x, int y, int count, int colour) {
  if (count > 0) Line(x, y, count, 0, colour);
}

// The etched group box: a dark line with a light line inside-below and to its right, for the
// whole outline except the gap for the caption.
void DrawGroupBox(int x, int y, int w, int h, int tw, int face) {
  const int th = TextHeight(" ");
  const int top = y + th / 2;
  const int fh = h - th / 2;
  const int gapEnd = x + tw + kGapExtra;  // first column after the gap
  const int dark = ShadeColour(SHADE_INNER_DARK, face);
  const int light = ShadeColour(SHADE_OUTER_LIGHT, face);

  detail::RowRun(top, x, x + kGapStart - 1, dark);
  Run(gapEnd, top, w - tw - 15, dark);
  detail::ColumnRun(x, top, top + fh - 2, dark);
  detail::RowRun(top + fh - 2, x, x + w - 2, dark);
  detail::ColumnRun(x + w - 2, top, top + fh - 2, dark);

  detail::RowRun(top + 1, x + 1, x + kGapStart - 1, light);
  Run(gapEnd, top + 1, w - tw - 16, light);
  detail::ColumnRun(x + 1, top + 1, top + fh - 3, light);
  detail::RowRun(top + fh - 1, x, x + w - 1, light);
  detail::ColumnRun(x + w - 1, top, top + fh - 1, light);
}

}  // namespace

void RenderFrame3D(Gadget& g, int x, int y, int face, int text) {
  x = detail::PinToInt(x), y = detail::PinToInt(y);
  const int w = detail::PinToInt(g.width), h = detail::PinToInt(g.height);
  const int tw = g.text.empty() ? 0 : RichTextWidth(g.text);
  int captionX = x + (w - tw) / 2;
  int captionY = y;
  if (g.flags & FRAME_SINGLE) {
    DrawBevel(x, y, w, h, BEVEL_SUNKEN | BEVEL_NOFILL | BEVEL_THIN, face);
    captionY = y + 1;
  } else if (g.flags & FRAME_DOUBLE_SUNKEN) {
    DrawBevel(x, y, w, h, BEVEL_SUNKEN | BEVEL_NOFILL, face);
    captionY = y + 2;
  } else if (g.flags & FRAME_FLAT) {
    // Outlined shapes stay on for the caption; DrawGadget sets the mode again for the next one.
    SetDrawMode(DRAW_TRANSPARENT | DRAW_OUTLINE);
    Box(x, y, w, h, text);
    captionY = y + 1;
  } else {
    DrawGroupBox(x, y, w, h, tw, face);
    captionX = x + kCaptionIndent;
  }
  DrawRichText(captionX, captionY, g.text, text);
}

}  // namespace bevel
