// Drawing the active window: backdrop, frame, title bar and title-bar buttons.
//
// Drawing stays read-only except for one named step, EnforceMinimumSize: the window grows to
// fit its title and buttons (reporting WINDOW_EVENT_MIN_SIZE), which needs the title's width
// in the window's font and so can only be measured inside the drawing session.
#include <span>

#include "services/services.h"
#include "toolkit/model/coordinates.h"
#include "toolkit/model/toolkit_state.h"
#include "toolkit/render/draw_helpers.h"
#include "toolkit/windows/windows.h"

namespace bevel::detail {
namespace {

// One line of a glyph: Line(x + dx, y + dy, w, h) from the button's corner (end excluded).
struct Stroke {
  int dx, dy, w, h;
};

constexpr Stroke kCloseGlyph[] = {{4, 3, 7, 7}, {5, 3, 7, 7}, {10, 3, -7, 7}, {11, 3, -7, 7}};
constexpr Stroke kMaximiseGlyph[] = {
    {3, 2, 9, 0}, {3, 3, 9, 0}, {3, 4, 0, 6}, {3, 10, 9, 0}, {11, 4, 0, 6}};
constexpr Stroke kMinimiseGlyph[] = {{4, 9, 6, 0}, {4, 10, 6, 0}};
// Two overlapping frames: the front one lower left, the back one upper right.
constexpr Stroke kRestoreGlyph[] = {{3, 5, 6, 0}, {3, 6, 6, 0}, {3, 7, 0, 3}, {3, 10, 6, 0},
                                    {8, 7, 0, 3}, {5, 2, 6, 0}, {5, 3, 6, 0}, {5, 4, 1, 0},
                                    {9, 7, 1, 0}, {10, 4, 0, 4}};

void DrawGlyph(std::span<const Stroke> glyph, int x, int y, int colour) {
  for (const Stroke& s : glyph) Line(x + s.dx, y + s.dy, s.w, s.h, colour);
}

// Grows the window to fit its title and title-bar buttons, and to at least one content row. A
// title wider than the coordinate range (a huge tab width) grows it only to the range's end.
void EnforceMinimumSize(ScreenWindow& w) {
  if (HasTitleBar(w) && !w.title.empty()) {
    long long minimum = RichTextWidth(w.title) + 13LL;
    if (w.flags & WINDOW_CLOSE_BUTTON) {
      minimum += 18;
      if (w.flags & (WINDOW_MINIMIZE_ENABLED | WINDOW_MAXIMIZE_ENABLED)) {
        minimum += 34;
        if (w.flags & (WINDOW_NO_MAXIMIZE_BUTTON | WINDOW_NO_MINIMIZE_BUTTON)) minimum -= 16;
      }
    }
    const int width = ClampCoordinate(minimum - 2 * BorderSize(w));
    if (OuterWidth(w) < minimum && w.width != width) {
      w.width = width;
      w.event = WINDOW_EVENT_MIN_SIZE;
    }
  }
  if (w.height < 1) {
    w.height = 1;
    w.event = WINDOW_EVENT_MIN_SIZE;
  }
}

// The restore glyph stands on the button that undoes the window's current size state.
std::span<const Stroke> GlyphOf(const ScreenWindow& w, int button) {
  if (button == TITLE_MAXIMIZE) {
    if (IsMaximised(w)) return kRestoreGlyph;
    return kMaximiseGlyph;
  }
  if (button == TITLE_MINIMIZE) {
    if (IsMinimised(w)) return kRestoreGlyph;
    return kMinimiseGlyph;
  }
  return kCloseGlyph;
}

void DrawTitleButton(const ScreenWindow& w, int button, int face, int glyphColour) {
  if (!TitleButtonShown(w, button)) return;
  const ScreenRect r = TitleButtonRect(w, button);
  const bool pressed = w.buttonState == button;
  DrawBevel(r.x, r.y, r.w, r.h, pressed ? BEVEL_SUNKEN : 0, face);
  // A greyed glyph takes the gadgets' disabled colour, like every other disabled control.
  const auto shadow = static_cast<std::size_t>(SlotIndex(COLOR_SHADOW));
  const int colour = TitleButtonEnabled(w, button) ? glyphColour : Toolkit().GadgetScheme[shadow];
  // A pressed button's glyph moves with its sunken face.
  const int p = pressed ? 1 : 0;
  DrawGlyph(GlyphOf(w, button), r.x + p, r.y + p, colour);
}

void DrawWindowFrame(ScreenWindow& w) {
  SetDrawFont(WindowColour(w, COLOR_FONT));
  SetDrawMode(DRAW_TRANSPARENT);
  EnforceMinimumSize(w);

  // While another window waits to activate, this one already looks inactive, so the snapshot
  // that becomes the newcomer's backdrop shows it so.
  const bool pending = Toolkit().PendingWindow != 0;
  const int bar = WindowColour(w, pending ? COLOR_LIGHT : COLOR_SELECTION);
  const int titleText = WindowColour(w, pending ? COLOR_SHADOW : COLOR_HIGHLIGHT);
  const int glyph = WindowColour(w, COLOR_TEXT);
  const int face = WindowColour(w, COLOR_FACE);

  const int b = BorderSize(w);
  if (b != 0) {
    DrawBevel(w.x, w.y, OuterWidth(w), OuterHeight(w), 0, face);
  } else {
    Box(w.x, w.y, OuterWidth(w), OuterHeight(w), face);
  }
  if (!HasTitleBar(w)) return;

  const ScreenRect title = TitleBarRect(w);
  Box(title.x, title.y, title.w, title.h, bar);
  DrawRichText(w.x + b + 4, w.y + b + (kTitleBarHeight - TextHeight(" ")) / 2, w.title, titleText);
  DrawTitleButton(w, TITLE_CLOSE, face, glyph);
  DrawTitleButton(w, TITLE_MAXIMIZE, face, glyph);
  DrawTitleButton(w, TITLE_MINIMIZE, face, glyph);
}

}  // namespace

void DrawActiveWindow() {
  ScreenWindow* w = ActiveWindowRecord();
  if (w == nullptr) return;
  if (SpriteExists(w->backdrop)) BlitSprite(w->backdrop, 0, 0);
  DrawWindowFrame(*w);
}

}  // namespace bevel::detail
