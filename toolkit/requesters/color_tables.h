// The colour requester's colour model: the spectrum of hues and saturations, lightness, the
// conversion of a colour to hue, saturation and lightness, and the swatch colours.
//
// Scales: hue 0..239, 40 to a sixth of the circle (red 0, yellow 40, green 80, cyan 120, blue
// 160, magenta 200); saturation and lightness 0..240, lightness 120 being the pure colour. Row y
// of the spectrum holds saturation 240 - y. The tables live in ToolkitState as long as the
// toolkit (InitColorRequester).
#pragma once

namespace bevel::detail {

inline constexpr int kSpectrumHues = 240, kSpectrumRows = 241;
inline constexpr int kSwatchCount = 80;  // ColorTable entries 1..80
inline constexpr int kFirstCustomColor = 49, kLastCustomColor = 80;

struct Hsl {
  int hue = 0, saturation = 0, lightness = 0;
};

// SpectrumTable entry (hue, row), both clamped to the table; 0 while there is no table.
int SpectrumColour(int hue, int row);
// Hue, saturation and lightness of a colour (single-precision arithmetic, each rounded to the
// nearest integer, halves away from zero).
Hsl RgbToHsl(int colour);
// The colour moved d / 120 of the way to black (d < 0) or to white (d > 0), d in -120..120.
int AdjustLightness(int colour, int d);
// Builds the tables unless InitColorRequester has.
void EnsureColorTables();

}  // namespace bevel::detail
