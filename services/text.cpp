// Text: measuring and drawing Windows-1252 strings with the cached glyph masks of a font.
// Drawing is table look-ups and clipped mask blits; nothing is allocated per character.
#include <algorithm>
#include <climits>
#include <cstdint>

#include "services/internal/font_face.h"
#include "services/internal/fonts.h"
#include "services/internal/service_state.h"
#include "services/services.h"

namespace bevel::detail {
namespace {

// 64-bit, so megabytes of text cannot overflow.
long long WidthOf(const FontFace& face, std::string_view text) {
  long long width = 0;
  for (const char c : text) width += face.glyphs[static_cast<unsigned char>(c)].advance;
  return width;
}

// Sets the pixels of a glyph mask whose top-left lands at (x, y), clipped to the surface.
void BlitMask(Surface& s, const std::uint8_t* mask, const Glyph& g, long long x, long long y,
              std::uint32_t colour) {
  const Rect r = ClipRect(s, x, y, g.width, g.height);
  if (r.Empty()) return;
  for (int yy = r.y0; yy < r.y1; ++yy) {
    const std::uint8_t* from =
        mask + static_cast<std::size_t>(yy - y) * static_cast<std::size_t>(g.width) +
        static_cast<std::size_t>(r.x0 - x);
    std::uint32_t* to = s.Row(yy);
    for (int xx = r.x0; xx < r.x1; ++xx, ++from) {
      if (*from != 0) to[xx] = colour;
    }
  }
}

}  // namespace

int TextWidthOf(int font, std::string_view text) {
  const FontFace* face = FontFaceOf(font);
  if (face == nullptr) return 0;
  return static_cast<int>(std::min<long long>(WidthOf(*face, text), INT_MAX));
}

void DrawTextOn(Surface& s, int font, int x, int y, std::string_view text, std::uint32_t colour,
                std::uint32_t back, bool transparent) {
  const FontFace* face = FontFaceOf(font);
  if (face == nullptr || text.empty()) return;
  if (!transparent) {
    FillRect(s, x, y, WidthOf(*face, text), face->ascent + face->descent, back & 0xFFFFFF);
  }
  const long long baseline = static_cast<long long>(y) + face->ascent;
  if (baseline - face->maxAbove >= s.height || baseline + face->maxBelow <= 0) return;
  const std::uint32_t ink = StoredColour(s, colour);
  // Advances are never negative, so once the pen is this far right no later glyph can show.
  const long long stop = static_cast<long long>(s.width) + face->maxLeftOverhang;
  long long pen = x;
  for (const char c : text) {
    if (pen >= stop) break;
    const Glyph& g = face->glyphs[static_cast<unsigned char>(c)];
    if (g.width > 0) {
      BlitMask(s, face->masks.data() + g.offset, g, pen + g.left, baseline - g.top, ink);
    }
    pen += g.advance;
  }
}

}  // namespace bevel::detail

namespace bevel {

void DrawText(int x, int y, std::string_view text, int colour, int backColour) {
  detail::ServiceState& s = detail::Services();
  if (s.drawing.target == nullptr) return;
  const std::uint32_t ink =
      colour == USE_PEN ? s.drawing.pen : static_cast<std::uint32_t>(colour) & 0xFFFFFF;
  detail::DrawTextOn(*s.drawing.target, s.drawing.font, x, y, text, ink,
                     static_cast<std::uint32_t>(backColour) & 0xFFFFFF,
                     (s.drawing.mode & DRAW_TRANSPARENT) != 0);
}

int TextWidth(std::string_view text) {
  const detail::ServiceState& s = detail::Services();
  if (s.drawing.target == nullptr || text.empty()) return 0;
  return detail::TextWidthOf(s.drawing.font, text);
}

int TextHeight(std::string_view text) {
  const detail::ServiceState& s = detail::Services();
  if (s.drawing.target == nullptr || text.empty()) return 0;
  return detail::LineHeightOf(s.drawing.font);
}

}  // namespace bevel
