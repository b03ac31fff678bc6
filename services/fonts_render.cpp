// Glyph rendering with FreeType. A font is rendered once, when it is loaded: all 256 glyphs,
// monochrome (the classic crisp look, and the same pixels on every machine), into byte masks.
// The FreeType face is closed right after, so drawing never reaches FreeType.
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <unordered_map>

#include "services/internal/cp1252.h"
#include "services/internal/font_face.h"

namespace bevel::detail {
namespace {

struct FaceDeleter {
  void operator()(FT_Face f) const { FT_Done_Face(f); }
};
using Face = std::unique_ptr<FT_FaceRec, FaceDeleter>;

// Started on first use and kept for the process; nullptr when FreeType cannot start.
FT_Library Library() {
  static FT_Library const library = [] {
    FT_Library l = nullptr;
    return FT_Init_FreeType(&l) == 0 ? l : nullptr;
  }();
  return library;
}

int PixelsRoundedUp(FT_Pos v26) {
  return static_cast<int>((v26 + 63) >> 6);
}

// Classic point sizes measure the character height without internal leading, which for these
// raster fonts is the strike's ascent: MS Sans Serif 8 pt (10.7 px) takes the 13-px strike
// (ascent 11) and 10 pt (13.3 px) the 16-px strike (ascent 13). Comparing with y_ppem, which
// here is the whole cell height, would put 10 pt on the 13-px strike.
int NearestStrike(FT_Face face, long pixelSize26) {
  int best = 0;
  long bestDistance = LONG_MAX;
  for (int i = 0; i < face->num_fixed_sizes; ++i) {
    if (FT_Select_Size(face, i) != 0) continue;
    FT_Pos height = face->size->metrics.ascender;
    if (height <= 0) height = face->available_sizes[i].y_ppem;
    const long distance = std::labs(static_cast<long>(height) - pixelSize26);
    if (distance < bestDistance) {
      best = i;
      bestDistance = distance;
    }
  }
  return best;
}

bool SetSize(FT_Face face, long pixelSize26) {
  if (FT_IS_SCALABLE(face)) {
    const auto pixels = static_cast<FT_UInt>(std::max(1L, (pixelSize26 + 32) >> 6));
    return FT_Set_Pixel_Sizes(face, 0, pixels) == 0;
  }
  return face->num_fixed_sizes > 0 && FT_Select_Size(face, NearestStrike(face, pixelSize26)) == 0;
}

FT_UInt GlyphIndexOf(FT_Face face, unsigned char byte) {
  if (face->charmap != nullptr && face->charmap->encoding == FT_ENCODING_MS_SYMBOL) {
    // Symbol-only fonts are addressed by the byte itself, which Windows places at U+F000.
    const FT_UInt g = FT_Get_Char_Index(face, 0xF000u + byte);
    return g != 0 ? g : FT_Get_Char_Index(face, byte);
  }
  return FT_Get_Char_Index(face, Cp1252ToUnicode(byte));
}

bool Inked(const FT_Bitmap& bm, int x, int y) {
  const int pitch = bm.pitch;
  const unsigned char* row =
      pitch >= 0
          ? bm.buffer + static_cast<std::ptrdiff_t>(y) * pitch
          : bm.buffer + static_cast<std::ptrdiff_t>(static_cast<int>(bm.rows) - 1 - y) * -pitch;
  switch (bm.pixel_mode) {
    case FT_PIXEL_MODE_MONO:
      return ((row[x >> 3] >> (7 - (x & 7))) & 1) != 0;
    case FT_PIXEL_MODE_GRAY:
      return row[x] >= 128;
    case FT_PIXEL_MODE_BGRA:
      return row[x * 4 + 3] >= 128;
    default:
      return false;
  }
}

// Copies the slot's bitmap into the face's masks. Synthesised bold overstrikes one pixel to the
// right, so the mask and the advance grow by one.
Glyph AppendGlyph(FontFace& out, const FT_GlyphSlotRec& slot, bool bold) {
  const int extra = bold ? 1 : 0;
  Glyph g;
  g.advance = std::max(0, static_cast<int>((slot.advance.x + 32) >> 6)) + extra;
  const FT_Bitmap& bm = slot.bitmap;
  const int w = static_cast<int>(bm.width);
  const int h = static_cast<int>(bm.rows);
  if (w <= 0 || h <= 0 || bm.buffer == nullptr) return g;
  g.left = slot.bitmap_left;
  g.top = slot.bitmap_top;
  g.width = w + extra;
  g.height = h;
  g.offset = out.masks.size();
  out.masks.resize(g.offset + static_cast<std::size_t>(g.width) * static_cast<std::size_t>(h), 0);
  std::uint8_t* mask = out.masks.data() + g.offset;
  for (int y = 0; y < h; ++y) {
    std::uint8_t* row = mask + static_cast<std::size_t>(y) * static_cast<std::size_t>(g.width);
    for (int x = 0; x < w; ++x) {
      if (!Inked(bm, x, y)) continue;
      row[x] = 1;
      row[x + extra] = 1;
    }
  }
  out.maxLeftOverhang = std::max(out.maxLeftOverhang, -g.left);
  out.maxAbove = std::max(out.maxAbove, g.top);
  out.maxBelow = std::max(out.maxBelow, g.height - g.top);
  return g;
}

}  // namespace

std::unique_ptr<FontFace> RenderFontFace(const FontSource& source, long pixelSize26) {
  FT_Library library = Library();
  if (library == nullptr) return nullptr;
  FT_Face raw = nullptr;
  if (FT_New_Face(library, source.file.c_str(), source.index, &raw) != 0) return nullptr;
  const Face face(raw);
  // FreeType picks a Unicode map when there is one; symbol fonts often have only their own.
  if (face->charmap == nullptr && FT_Select_Charmap(raw, FT_ENCODING_MS_SYMBOL) != 0 &&
      face->num_charmaps > 0) {
    FT_Set_Charmap(raw, face->charmaps[0]);
  }
  if (!SetSize(raw, pixelSize26)) return nullptr;

  auto out = std::make_unique<FontFace>();
  out->ascent = PixelsRoundedUp(face->size->metrics.ascender);
  out->descent = PixelsRoundedUp(-face->size->metrics.descender);
  // Control and undefined bytes mostly share one glyph (.notdef); render each glyph once.
  std::unordered_map<FT_UInt, Glyph> rendered;
  for (int byte = 0; byte < 256; ++byte) {
    const FT_UInt index = GlyphIndexOf(raw, static_cast<unsigned char>(byte));
    auto it = rendered.find(index);
    if (it == rendered.end()) {
      Glyph g;
      if (FT_Load_Glyph(raw, index, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) == 0) {
        g = AppendGlyph(*out, *face->glyph, source.synthesiseBold);
      }
      it = rendered.emplace(index, g).first;
    }
    out->glyphs[static_cast<std::size_t>(byte)] = it->second;
  }
  return out;
}

}  // namespace bevel::detail
