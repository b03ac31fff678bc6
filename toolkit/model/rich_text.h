// The walk over a text with inline codes, shared by measuring (here) and drawing (the
// renderers' DrawRichText), so that both always agree on what is a character and what a code
// skips.
//
// Inline text codes (bytes inside any gadget, menu or window text; they are not drawn):
//   9 tab; 14 underline 1 character; 15 underline N; 16 underline to the end;
//   17, 18, 19 the same with a double line; 20 highlight 1 (colour); 21 highlight N (colour,
//   count); 22 highlight to the end (colour); 23 colour 1 (colour); 24 colour N (colour, count);
//   25 colour to the end (colour); 31 reset all.
// A colour parameter is six hex digits RRGGBB; a count parameter is hex digits followed by "W".
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace bevel {

// "<width> <plain text>": the width (when wantWidth, else only the tab advances) and the text
// with all codes and their parameters removed. Measures with the current drawing font.
// Widths saturate at kPenLimit (below).
std::string MeasureRichText(std::string_view text, bool wantWidth);
int RichTextWidth(std::string_view text);

namespace detail {

// The text as shown: without its inline codes and their parameters. Needs no font.
std::string PlainText(std::string_view text);

// One pass over a text: Next() steps over tabs (moving the pen to the next tab stop) and codes
// (recording what they ask for) to the next drawable character. The caller advances the pen by
// each character's width (Advance) and counts down the code counters as it draws.
//
// The pen saturates at +-kPenLimit: a tab width near INT_MAX, or a long run of tabs, takes it
// off every screen without overflowing, and sums of the pen with a position stay within int.
inline constexpr int kPenLimit = 1 << 30;

struct RichWalk {
  std::string_view text;
  std::size_t pos = 0;
  int pen = 0, tabBase = 0;
  int underlineCount = 0, underlineLines = 1;
  int highlightCount = 0, highlightColour = 0;
  int colourCount = 0, colourColour = 0;

  // Advances past tabs and codes to the next drawable character; false at the end.
  // spaceWidth: the tab stop distance while no tab width is set.
  bool Next(char& c, int spaceWidth);
  void Advance(int width);

 private:
  int Colour();
  int Count();
  void ApplyCode(int b, int toEnd);
};

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
