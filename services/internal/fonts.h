// Fonts inside the services: resolved with fontconfig, rendered once per glyph with FreeType,
// then drawn as cached 1-bit masks (drawing text costs blits, not FreeType calls).
#pragma once

#include <cstdint>
#include <string_view>

#include "services/internal/surface.h"

namespace bevel::detail {

// Draws text at (x, y) (top-left of the line cell) with the font of handle `font` (kSystemFont
// or unknown: the system font). Unless transparent, the text's cell (TextWidthOf x
// LineHeightOf) is first filled with back.
void DrawTextOn(Surface& s, int font, int x, int y, std::string_view text, std::uint32_t colour,
                std::uint32_t back, bool transparent);
int TextWidthOf(int font, std::string_view text);
int LineHeightOf(int font);

}  // namespace bevel::detail
