// Drawing helpers shared by every renderer and by the window, menu and requester drawing:
// colour shading, the 3-D bevel, text blocks, and one-line text with inline text codes.
//
// All of them draw into the drawing session the caller has opened; none opens or closes one.
//
// Inline text codes (bytes inside any gadget, menu or window text; they are not drawn):
//   9 tab; 14 underline 1 character; 15 underline N; 16 underline to the end;
//   17, 18, 19 the same with a double line; 20 highlight 1 (colour); 21 highlight N (colour,
//   count); 22 highlight to the end (colour); 23 colour 1 (colour); 24 colour N (colour, count);
//   25 colour to the end (colour); 31 reset all.
// A colour parameter is six hex digits RRGGBB; a count parameter is hex digits followed by "W".
#pragma once

#include <string>
#include <string_view>

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
// "<width> <plain text>": the width (when wantWidth, else only the tab advances) and the text
// with all codes and their parameters removed.
std::string MeasureRichText(std::string_view text, bool wantWidth);
int RichTextWidth(std::string_view text);

namespace detail {

struct CountParameter {
  int length = 0;  // 1-based position of the first "W", 0 when there is none
  int value = 0;
};
CountParameter ReadCountParameter(std::string_view rest);
// Colour (red in the low byte) from the first six characters RRGGBB of rest.
int ReadColourParameter(std::string_view rest);
int HexValue(std::string_view s, int n);

}  // namespace detail
}  // namespace bevel
