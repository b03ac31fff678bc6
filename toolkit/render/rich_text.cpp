// Text with inline codes: one walk shared by drawing and measuring, so both always agree on
// what is a character and what a code skips.
#include <algorithm>
#include <climits>
#include <cstdint>

#include "services/services.h"
#include "toolkit/core/toolkit_state.h"
#include "toolkit/render/draw_helpers.h"

namespace bevel {
namespace detail {

int HexValue(std::string_view s, int n) {
  n = std::clamp(n, 0, static_cast<int>(s.size()));
  std::uint64_t value = 0;
  std::uint64_t place = 1;
  for (int k = 0; k < n; ++k) {
    const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(s[n - 1 - k])));
    int digit = 0;
    if (c >= '0' && c <= '9') digit = c - '0';
    if (c >= 'A' && c <= 'Z') digit = c - 'A' + 10;
    value += static_cast<std::uint64_t>(digit) * place;
    // Long runs cannot grow without bound: the value saturates.
    if (value > INT_MAX) return INT_MAX;
    if (place > INT_MAX) {
      if (digit != 0) return INT_MAX;
    } else {
      place *= 16;
    }
  }
  return static_cast<int>(value);
}

CountParameter ReadCountParameter(std::string_view rest) {
  CountParameter p;
  const auto w = rest.find('W');
  if (w == std::string_view::npos) return p;
  p.length = static_cast<int>(w) + 1;
  p.value = HexValue(rest, static_cast<int>(w));
  return p;
}

int ReadColourParameter(std::string_view rest) {
  // RRGGBB reordered to BBGGRR: red ends in the low byte. Missing characters count as "0".
  char bgr[6] = {'0', '0', '0', '0', '0', '0'};
  const char* order = "452301";  // source index for each target position
  for (int i = 0; i < 6; ++i) {
    const std::size_t from = static_cast<std::size_t>(order[i] - '0');
    if (from < rest.size()) bgr[i] = rest[from];
  }
  return HexValue(std::string_view(bgr, 6), 6);
}

}  // namespace detail

namespace {

// What the walk found: either a character to draw at the pen, or nothing more.
struct RichWalk {
  std::string_view text;
  std::size_t pos = 0;
  int pen = 0, tabBase = 0;
  int underlineCount = 0, underlineLines = 1;
  int highlightCount = 0, highlightColour = 0;
  int colourCount = 0, colourColour = 0;

  // Advances past tabs and codes to the next drawable character; false at the end.
  bool Next(char& c, int spaceWidth) {
    const int tabWidth = Toolkit().TabWidth;
    const int toEnd = static_cast<int>(std::min<std::size_t>(text.size(), INT_MAX));
    while (pos < text.size()) {
      const auto b = static_cast<unsigned char>(text[pos++]);
      if (b == 9) {
        // With no tab width set yet a tab stands for one space, so the walk always advances.
        const int tw = tabWidth > 0 ? tabWidth : std::max(spaceWidth, 1);
        const int d = pen - tabBase;
        if (d > tw) tabBase += (d - 1) / tw * tw;
        tabBase += tw;
        pen = tabBase;
        continue;
      }
      if ((b >= 14 && b <= 25) || b == 31) {
        ApplyCode(b, toEnd);
        continue;
      }
      c = static_cast<char>(b);
      return true;
    }
    return false;
  }

  int Colour() {
    const int c = detail::ReadColourParameter(text.substr(pos));
    pos = std::min(pos + 6, text.size());
    return c;
  }
  int Count() {
    const detail::CountParameter p = detail::ReadCountParameter(text.substr(pos));
    pos += static_cast<std::size_t>(p.length);
    return p.value;
  }

  void ApplyCode(int b, int toEnd) {
    switch (b) {
      case 14:
        underlineCount = 1, underlineLines = 1;
        break;
      case 15:
        underlineCount = Count(), underlineLines = 1;
        break;
      case 16:
        underlineCount = toEnd, underlineLines = 1;
        break;
      case 17:
        underlineCount = 1, underlineLines = 2;
        break;
      case 18:
        underlineCount = Count(), underlineLines = 2;
        break;
      case 19:
        underlineCount = toEnd, underlineLines = 2;
        break;
      case 20:
        highlightColour = Colour(), highlightCount = 1;
        break;
      case 21:
        highlightColour = Colour(), highlightCount = Count();
        break;
      case 22:
        highlightColour = Colour(), highlightCount = toEnd;
        break;
      case 23:
        colourColour = Colour(), colourCount = 1;
        break;
      case 24:
        colourColour = Colour(), colourCount = Count();
        break;
      case 25:
        colourColour = Colour(), colourCount = toEnd;
        break;
      case 31:
        underlineCount = highlightCount = colourCount = 0;
        break;
      default:
        break;
    }
  }
};

}  // namespace

void DrawRichText(int x, int y, std::string_view text, int colour) {
  if (text.empty()) return;
  const int lineHeight = TextHeight(" ");
  RichWalk walk{text};
  walk.pen = walk.tabBase = x;
  char c = 0;
  const int space = TextWidth(" ");
  while (walk.Next(c, space)) {
    const std::string_view ch(&c, 1);
    const int cw = TextWidth(ch);
    if (walk.highlightCount > 0) {
      --walk.highlightCount;
      Box(walk.pen, y, cw, lineHeight + 1, walk.highlightColour);
    }
    int front = colour;
    if (walk.colourCount > 0) {
      --walk.colourCount;
      front = walk.colourColour;
    }
    SetPenColour(front);
    DrawText(walk.pen, y, ch);
    if (walk.underlineCount > 0) {
      --walk.underlineCount;
      for (int j = 0; j < walk.underlineLines; ++j)
        Line(walk.pen, y + lineHeight + 2 * j - 1, cw, 0);
    }
    walk.pen += cw;
  }
  SetPenColour(colour);
}

std::string MeasureRichText(std::string_view text, bool wantWidth) {
  RichWalk walk{text};
  std::string plain;
  char c = 0;
  const int space = TextWidth(" ");
  while (walk.Next(c, space)) {
    plain += c;
    if (wantWidth) walk.pen += TextWidth(std::string_view(&c, 1));
  }
  return std::to_string(walk.pen) + " " + plain;
}

int RichTextWidth(std::string_view text) {
  RichWalk walk{text};
  char c = 0;
  const int space = TextWidth(" ");
  while (walk.Next(c, space)) walk.pen += TextWidth(std::string_view(&c, 1));
  return walk.pen;
}

void DrawTextBlock(int x, int y, int w, int h, std::string_view text, int align, int colour,
                   bool centreVertically) {
  const int lineHeight = TextHeight(" ");
  const int lines = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
  std::size_t start = 0;
  for (int i = 0; i < lines; ++i) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    const std::string_view line = text.substr(start, end - start);
    start = end + 1;
    const int tw = RichTextWidth(line);
    int dx = 0;
    if ((align & ALIGN_LEFT) == 0) dx = (align & ALIGN_RIGHT) != 0 ? w - tw - 1 : (w - tw) / 2;
    int dy = lineHeight * i;
    if (centreVertically) dy += (h - lineHeight * lines) / 2;
    DrawRichText(x + dx, y + dy, line, colour);
  }
}

}  // namespace bevel
