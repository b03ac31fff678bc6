// Reading back what a renderer drew: a gadget drawn alone on the toolkit screen, the pixels of
// one colour in a rectangle, and where a text alone would leave its ink.
#pragma once

#include <string_view>
#include <utility>
#include <vector>

#include "tests/support/toolkit_screen.h"
#include "toolkit/frame/draw_gadget.h"
#include "toolkit/render/draw_helpers.h"
#include "toolkit/render/renderers.h"

namespace bevel::testing {

using Points = std::vector<std::pair<int, int>>;

class RenderProbe : public ToolkitScreen {
 protected:
  // Draws gadget `number` alone over the background colour.
  void Render(int number) {
    Clear();
    Draw();
    DrawGadget(*detail::FindGadget(number), 0, 0);
    EndDrawing();
  }
  // Pixels of `colour` inside [x0, x1) x [y0, y1), row by row.
  static Points Ink(int colour, int x0, int y0, int x1, int y1) {
    Points p;
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x)
        if (At(x, y) == colour) p.emplace_back(x, y);
    return p;
  }
  // The ink `text` alone leaves at (x, y) in the gadget font, from column x - 1 to x1 over 14
  // rows.
  Points TextInk(int x, int y, std::string_view text, int colour, int x1) {
    Clear();
    Draw();
    SetDrawFont(font_);
    SetDrawMode(DRAW_TRANSPARENT);
    DrawRichText(x, y, text, colour);
    EndDrawing();
    return Ink(colour, x - 1, y, x1, y + 14);
  }
  int Width(std::string_view text) {
    Draw();
    SetDrawFont(font_);
    const int w = RichTextWidth(text);
    EndDrawing();
    return w;
  }
  // Rows y0 .. y1 - 1 of column x that hold `colour`, and columns x0 .. x1 - 1 of row y.
  static std::vector<int> RowsOf(int colour, int x, int y0, int y1) {
    std::vector<int> ys;
    for (int y = y0; y < y1; ++y)
      if (At(x, y) == colour) ys.push_back(y);
    return ys;
  }
  static std::vector<int> ColumnsOf(int colour, int y, int x0, int x1) {
    std::vector<int> xs;
    for (int x = x0; x < x1; ++x)
      if (At(x, y) == colour) xs.push_back(x);
    return xs;
  }
  // First and last row of `colour` in column x over the whole screen, {-1, -1} when none.
  static std::pair<int, int> Span(int colour, int x) {
    const std::vector<int> ys = RowsOf(colour, x, 0, kHeight);
    return ys.empty() ? std::pair{-1, -1} : std::pair{ys.front(), ys.back()};
  }
  // The first pixel outside the rectangle that is not the background, or none.
  static Points Outside(int x, int y, int w, int h) {
    for (int py = 0; py < kHeight; ++py)
      for (int px = 0; px < kWidth; ++px) {
        const bool inside = px >= x && px < x + w && py >= y && py < y + h;
        if (!inside && At(px, py) != kBackground) return {{px, py}};
      }
    return {};
  }
};

}  // namespace bevel::testing
