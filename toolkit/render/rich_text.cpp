// Drawing text with inline codes, over the walk the measuring shares (toolkit/model/rich_text.h).
#include <algorithm>
#include <string_view>

#include "services/services.h"
#include "toolkit/model/rich_text.h"
#include "toolkit/render/draw_helpers.h"
#include "toolkit/toolkit.h"

namespace bevel {

void DrawRichText(int x, int y, std::string_view text, int colour) {
  if (text.empty()) return;
  const int lineHeight = TextHeight(" ");
  detail::RichWalk walk{text};
  walk.pen = walk.tabBase = std::clamp(x, -detail::kPenLimit, detail::kPenLimit);
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
    walk.Advance(cw);
  }
  SetPenColour(colour);
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
