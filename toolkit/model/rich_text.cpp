// The inline-code walk and the measuring that uses it.
#include "toolkit/model/rich_text.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdint>

#include "services/services.h"
#include "toolkit/model/toolkit_state.h"

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

namespace {

int Saturated(long long v) {
  return static_cast<int>(std::clamp<long long>(v, -kPenLimit, kPenLimit));
}

}  // namespace

bool RichWalk::Next(char& c, int spaceWidth) {
  const int tabWidth = Toolkit().TabWidth;
  const int toEnd = static_cast<int>(std::min<std::size_t>(text.size(), INT_MAX));
  while (pos < text.size()) {
    const auto b = static_cast<unsigned char>(text[pos++]);
    if (b == 9) {
      // With no tab width set yet a tab stands for one space, so the walk always advances.
      const long long tw = tabWidth > 0 ? tabWidth : std::max(spaceWidth, 1);
      long long stop = tabBase;
      const long long d = static_cast<long long>(pen) - stop;
      if (d > tw) stop += (d - 1) / tw * tw;
      tabBase = pen = Saturated(stop + tw);
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

void RichWalk::Advance(int width) {
  pen = Saturated(static_cast<long long>(pen) + width);
}

int RichWalk::Colour() {
  const int c = ReadColourParameter(text.substr(pos));
  pos = std::min(pos + 6, text.size());
  return c;
}

int RichWalk::Count() {
  const CountParameter p = ReadCountParameter(text.substr(pos));
  pos += static_cast<std::size_t>(p.length);
  return p.value;
}

void RichWalk::ApplyCode(int b, int toEnd) {
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

std::string PlainText(std::string_view text) {
  RichWalk walk{text};
  std::string plain;
  char c = 0;
  while (walk.Next(c, 1)) plain += c;
  return plain;
}

}  // namespace detail

std::string MeasureRichText(std::string_view text, bool wantWidth) {
  detail::RichWalk walk{text};
  std::string plain;
  char c = 0;
  const int space = TextWidth(" ");
  while (walk.Next(c, space)) {
    plain += c;
    if (wantWidth) walk.Advance(TextWidth(std::string_view(&c, 1)));
  }
  return std::to_string(walk.pen) + " " + plain;
}

int RichTextWidth(std::string_view text) {
  detail::RichWalk walk{text};
  char c = 0;
  const int space = TextWidth(" ");
  while (walk.Next(c, space)) walk.Advance(TextWidth(std::string_view(&c, 1)));
  return walk.pen;
}

}  // namespace bevel
