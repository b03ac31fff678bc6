// Drawing helpers shared by every renderer and by the window, menu and requester drawing:
// colour shading, the 3-D bevel, text blocks, and one-line text with inline text codes.
//
// All of them draw into the drawing session the caller has opened; none opens or closes one.
//
// The inline text codes are described with the walk in toolkit/model/rich_text.h.
#pragma once

#include <string>
#include <string_view>

#include "toolkit/model/rich_text.h"

namespace bevel {

inline constexpr int BEVEL_SUNKEN = 1;
inline constexpr int BEVEL_NOFILL = 2;
inline constexpr int BEVEL_THIN = 4;

// The shading factors of the bevels, single precision.
inline constexpr float SHADE_OUTER_LIGHT = 1.25f;
inline constexpr float SHADE_INNER_LIGHT = 1.171875f;
inline constexpr float SHADE_THIN_DARK = 0.7916667f;
inline constexpr float SHADE_INNER_DARK = 0.6666667f;
inline constexpr float SHADE_TRACK = 0.5833333f;
inline constexpr float SHADE_OUTER_DARK = 0.3333333f;

// Each of red, green, blue multiplied by factor, limited to 255, rounded half to even.
int ShadeColour(float factor, int colour);
void DrawBevel(int x, int y, int w, int h, int style, int colour);
// Lines split at byte 10, aligned by ALIGN_LEFT / ALIGN_RIGHT / centred; not clipped to the box.
void DrawTextBlock(int x, int y, int w, int h, std::string_view text, int align, int colour,
                   bool centreVertically);
// One line with inline codes, top-left at (x, y).
void DrawRichText(int x, int y, std::string_view text, int colour);

}  // namespace bevel
