// The colour requester's tables and its colour arithmetic.
//
// The arithmetic is single precision on purpose: the classic dialog computed so, and its
// roundings decide which colour a pick gives.
#include "toolkit/requesters/color_tables.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "toolkit/model/toolkit_state.h"

namespace bevel {
namespace detail {
namespace {

// The base colours as RRGGBB, in the order of the swatches (rows of 8). 0x400040 stands twice.
constexpr std::array<int, 48> kBaseColours = {
    0xFF8080, 0xFFFF80, 0x80FF80, 0x00FF80, 0x80FFFF, 0x0080FF, 0xFF80C0, 0xFF80FF,
    0xFF0000, 0xFFFF00, 0x80FF00, 0x00FF40, 0x00FFFF, 0x0080C0, 0x8080C0, 0xFF00FF,
    0x804040, 0xFF8040, 0x00FF00, 0x008080, 0x004080, 0x8080FF, 0x800040, 0xFF0080,
    0x800000, 0xFF8000, 0x008000, 0x008040, 0x0000FF, 0x0000A0, 0x800080, 0x8000FF,
    0x400000, 0x804000, 0x004000, 0x004040, 0x000080, 0x000040, 0x400040, 0x400080,
    0x000000, 0x808000, 0x808040, 0x808080, 0x408080, 0xC0C0C0, 0x400040, 0xFFFFFF,
};

// The spectrum picture is drawn from every 4th hue of every 4th row and enlarged.
constexpr int kSampleStep = 4;

// A hue ramp rises or falls by 255 over 40 hues; halves round to even.
int Ramp(int steps) {
  return static_cast<int>(std::nearbyint(6.375f * static_cast<float>(steps)));
}

// The fully saturated colour of a hue.
std::array<int, 3> HueChannels(int x) {
  const int red = x < 40    ? 255
                  : x < 80  ? Ramp(80 - x)
                  : x < 160 ? 0
                  : x < 200 ? Ramp(x - 160)
                            : 255;
  const int green = x < 40 ? Ramp(x) : x < 120 ? 255 : x < 160 ? Ramp(160 - x) : 0;
  const int blue = x < 80 ? 0 : x < 120 ? Ramp(x - 80) : x < 200 ? 255 : Ramp(240 - x);
  return {red, green, blue};
}

// Row y moves every channel towards 127 by y / 240.
int SpectrumEntry(int x, int y) {
  const float s = static_cast<float>(240 - y) * (1.0f / 240.0f);
  std::array<int, 3> c = HueChannels(x);
  for (int& v : c) v = static_cast<int>(std::lround(static_cast<float>(v - 127) * s + 127.0f));
  return RGB(c[0], c[1], c[2]);
}

int Rounded(float v) {
  return static_cast<int>(std::lround(v));
}

}  // namespace

int SpectrumColour(int hue, int row) {
  const ToolkitState& tk = Toolkit();
  if (tk.SpectrumTable.empty()) return 0;
  hue = std::clamp(hue, 0, kSpectrumHues - 1);
  row = std::clamp(row, 0, kSpectrumRows - 1);
  return tk.SpectrumTable[static_cast<std::size_t>(row * kSpectrumHues + hue)];
}

Hsl RgbToHsl(int colour) {
  const int r = Red(colour), g = Green(colour), b = Blue(colour);
  const auto ratio = [](int a, int c) { return static_cast<float>(a) / static_cast<float>(c); };
  // The sector of the hue circle and the smallest channel; each denominator is positive.
  float hue = 160.0f;
  int least = b;
  if (r > g && g >= b) {
    hue = ratio(g - b, r - b) * 40.0f;
  } else if (g >= r && r > b) {
    hue = 80.0f - ratio(r - b, g - b) * 40.0f;
  } else if (g > b && b >= r) {
    hue = 80.0f + ratio(b - r, g - r) * 40.0f;
    least = r;
  } else if (b >= g && g > r) {
    hue = 160.0f - ratio(g - r, b - r) * 40.0f;
    least = r;
  } else if (b > r && r >= g) {
    hue = 160.0f + ratio(r - g, b - g) * 40.0f;
    least = g;
  } else if (r >= b && b > g) {
    hue = 240.0f - ratio(b - g, r - g) * 40.0f;
    least = g;
  }
  const float lightness = static_cast<float>(std::max({r, g, b}) + std::min({r, g, b})) / 2.125f;
  const float low = lightness / 240.0f * 255.0f;
  const float high = lightness >= 120.0f ? (lightness - 120.0f) / 120.0f * 255.0f : 0.0f;
  const float saturation =
      low - high != 0.0f ? (low - static_cast<float>(least)) / (low - high) * 240.0f : 0.0f;
  return {std::clamp(Rounded(hue), 0, 239), std::clamp(Rounded(saturation), 0, 240),
          std::clamp(Rounded(lightness), 0, 240)};
}

int AdjustLightness(int colour, int d) {
  if (d == 0) return colour & 0xFFFFFF;
  const float f = static_cast<float>(d) / 120.0f;
  std::array<int, 3> c = {Red(colour), Green(colour), Blue(colour)};
  for (int& v : c) {
    const auto fv = static_cast<float>(v);
    v = std::clamp(Rounded(d < 0 ? fv + f * fv : fv + f * (255.0f - fv)), 0, 255);
  }
  return RGB(c[0], c[1], c[2]);
}

void EnsureColorTables() {
  if (Toolkit().SpectrumTable.empty()) InitColorRequester();
}

}  // namespace detail

int InitColorRequester() {
  using namespace detail;
  ToolkitState& tk = Toolkit();
  tk.SpectrumTable.resize(static_cast<std::size_t>(kSpectrumHues * kSpectrumRows));
  for (int y = 0; y < kSpectrumRows; ++y) {
    for (int x = 0; x < kSpectrumHues; ++x) {
      tk.SpectrumTable[static_cast<std::size_t>(y * kSpectrumHues + x)] = SpectrumEntry(x, y);
    }
  }
  tk.ColorTable.fill(0);
  for (std::size_t k = 0; k < kBaseColours.size(); ++k) {
    const int rrggbb = kBaseColours[k];
    tk.ColorTable[k + 1] = RGB(rrggbb >> 16, rrggbb >> 8, rrggbb);
  }
  tk.NextCustomColor = kFirstCustomColor;

  if (tk.SpectrumImage != 0) ReleaseImage(tk.SpectrumImage);
  tk.SpectrumImage =
      CreateImage(ANY_NUMBER, kSpectrumHues / kSampleStep, (kSpectrumRows - 1) / kSampleStep + 1);
  if (tk.SpectrumImage == 0) return 0;
  // Called from inside a frame (a handler), the caller's drawing session comes back.
  const DrawingState caller = CurrentDrawing();
  const bool drawn = BeginDrawing(ImageTarget(tk.SpectrumImage)) != 0;
  if (drawn) {
    for (int y = 0; y < kSpectrumRows; y += kSampleStep) {
      for (int x = 0; x < kSpectrumHues; x += kSampleStep) {
        Plot(x / kSampleStep, y / kSampleStep, SpectrumColour(x, y));
      }
    }
    EndDrawing();
  }
  ResumeDrawing(caller);
  if (!drawn) {
    ReleaseImage(tk.SpectrumImage);
    tk.SpectrumImage = 0;
    return 0;
  }
  ResizeImage(tk.SpectrumImage, kSpectrumHues, kSpectrumRows);
  return 1;
}

}  // namespace bevel
