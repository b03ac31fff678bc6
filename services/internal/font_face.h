// A loaded font at one size: 256 pre-rendered glyph masks indexed by the Windows-1252 byte.
//
// Only the font sources of services/ see this; the rest of the services draw through
// services/internal/fonts.h.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace bevel::detail {

// One glyph's mask inside FontFace::masks: width x height bytes, row by row, each 0 or 1.
struct Glyph {
  std::size_t offset = 0;
  int width = 0;
  int height = 0;
  int left = 0;     // from the pen position to the mask's left column
  int top = 0;      // from the baseline up to the mask's top row
  int advance = 0;  // never negative, so the pen only moves right
};

// Invariant: every glyph's mask lies inside `masks`; the bounds below hold for every glyph.
struct FontFace {
  int ascent = 0;
  int descent = 0;
  std::array<Glyph, 256> glyphs{};
  std::vector<std::uint8_t> masks;
  // Bounds over all glyphs, so that drawing can stop or skip without looking at each one.
  int maxLeftOverhang = 0;  // largest -left (0 when no glyph reaches left of its pen)
  int maxAbove = 0;         // largest top
  int maxBelow = 0;         // largest height - top
};

// Where fontconfig found a family: the file and face index, and whether bold must be drawn
// by overstriking because the matched face is not bold itself.
struct FontSource {
  std::string file;
  int index = 0;
  bool synthesiseBold = false;
};

// Resolves a family name (Windows-1252) at a pixel size (26.6 fixed point); an unknown or empty
// family falls back to the configuration's sans font. False when fontconfig finds nothing.
bool ResolveFont(std::string_view family, long pixelSize26, bool bold, FontSource& out);

// Renders all 256 glyphs of the source at the pixel size (26.6). Bitmap-only faces use their
// nearest strike. nullptr when FreeType cannot open the file.
std::unique_ptr<FontFace> RenderFontFace(const FontSource& source, long pixelSize26);

// The face of a font handle; the system font ("MS Sans Serif" 8, loaded on first use) for
// kSystemFont and unknown handles. nullptr only when not even that can be loaded.
const FontFace* FontFaceOf(int font);

}  // namespace bevel::detail
