// String gadgets drawn with DrawGadget on the default scheme and read back pixel by pixel (the
// gadget font's letters a..e and digits are 6 pixels wide, "f" 3), and whole frames through
// GadgetEvent for the caret placement that clicks and Up ask for.
#include <climits>
#include <string>

#include "services/headless.h"
#include "tests/render/render_probe.h"
#include "tests/support/frame_fixture.h"
#include "toolkit/text/key_mapping.h"

namespace bevel {
namespace {

using testing::Points;
using Rows = std::vector<int>;

constexpr int kX = 10, kY = 10;  // every gadget's corner
constexpr int kLight = 0xFFFFFF, kBlack = 0x000000, kNavy = 0x800000, kGreen = 0x00FF00;

Rows Range(int a, int b) {
  Rows r;
  for (int v = a; v <= b; ++v) r.push_back(v);
  return r;
}

class Strings : public testing::RenderProbe {
 protected:
  void SetUp() override {
    RenderProbe::SetUp();
    Toolkit().BlinkFrames = 50;
  }
  static Gadget& Field(int w, int h, std::string_view text, int flags, int number = 1) {
    EXPECT_NE(CreateString(number, kX, kY, w, h, text, -1, flags), 0);
    return *detail::FindGadget(number);
  }
  // The field has the focus with these ends; the caret shows in the next frame, or not.
  static void Focus(Gadget& g, int anchor, int cursor, bool caretShows = true) {
    g.selectionStart = anchor;
    g.cursor = cursor;
    g.state = 1;
    g.blinkPhase = caretShows ? 0 : 5;
    g.blinkPhase2 = caretShows ? 1 : 0;
  }
  // Column x holds the text colour over all 14 rows of the line at top.
  static bool CaretAt(int x, int top) {
    return RowsOf(kBlack, x, top, top + 14) == Range(top, top + 13);
  }
  Points Digits(int left, int count) {
    return TextInk(kX + left, kY + 2, std::string(count, '0'), kBlack, kX + 100);
  }
};

TEST_F(Strings, FieldAlignmentAndPasswordStars) {
  // A field 101 wide: the centred offset (101 - tw) / 2 truncates. Stars are narrower than the
  // letters, and the alignment measures the stored letters.
  const int tw = Width("abc");
  ASSERT_NE(tw, Width("***"));
  ASSERT_EQ((101 - tw) % 2, 1);
  const struct {
    int flags, left;
    const char* drawn;
  } cases[] = {{0, 6, "abc"},
               {ALIGN_RIGHT, 101 - tw - 6, "abc"},
               {ALIGN_CENTER, (101 - tw) / 2, "abc"},
               {STRING_PASSWORD, 6, "***"},
               {STRING_PASSWORD | ALIGN_RIGHT, 101 - tw - 6, "***"}};
  int number = 0;
  for (const auto& c : cases) {
    const Points expected = TextInk(kX + c.left, kY + 2, c.drawn, kBlack, kX + 99);
    Field(101, 20, "abc", c.flags, ++number);
    Render(number);
    EXPECT_EQ(Ink(kBlack, kX, kY, kX + 101, kY + 20), expected) << c.flags;
    EXPECT_EQ(At(kX, kY), 0x404040) << "sunken";
    EXPECT_EQ(At(kX + 99, kY + 18), 0xE1E1E1);
    EXPECT_EQ(At(kX + 2, kY + 17), kLight);
    EXPECT_TRUE(Outside(kX, kY, 101, 20).empty());
  }
}

TEST_F(Strings, OnlyWholeCharactersAreDrawn) {
  // The k-th digit starts at 6 k and shows when it starts at 2 or later and ends 2 pixels before
  // the right edge: the 15th (at 90) needs a field 98 wide.
  Gadget& g = Field(98, 20, std::string(20, '0'), 0);
  const Points fifteen = Digits(6, 15), fourteen = Digits(6, 14), shifted = Digits(7, 14);
  Render(1);
  EXPECT_EQ(Ink(kBlack, kX, kY, kX + 100, kY + 20), fifteen);
  g.width = 97;
  Render(1);
  EXPECT_EQ(Ink(kBlack, kX, kY, kX + 100, kY + 20), fourteen);
  g.width = 98;
  g.scrollX = 5;  // the first digit would start at column 1
  Render(1);
  EXPECT_EQ(Ink(kBlack, kX, kY, kX + 100, kY + 20), shifted);
}

TEST_F(Strings, SelectionBoxesInBothDirections) {
  Gadget& g = Field(100, 20, "abcdef", 0);
  SetGadgetColor(1, COLOR_HIGHLIGHT, kGreen);
  const Points bcd = TextInk(kX + 12, kY + 2, "bcd", kGreen, kX + 98);
  for (const auto& [anchor, cursor] : {std::pair{1, 4}, std::pair{4, 1}}) {
    Focus(g, anchor, cursor, false);
    Render(1);
    // Characters 2 .. 4 on navy boxes 14 rows high (row y + 15 lies below every glyph).
    EXPECT_EQ(ColumnsOf(kNavy, kY + 15, kX, kX + 100), Range(kX + 12, kX + 29)) << anchor;
    EXPECT_EQ(Span(kNavy, kX + 12), std::pair(kY + 2, kY + 15));
    EXPECT_EQ(Ink(kGreen, kX, kY, kX + 100, kY + 20), bcd);
    EXPECT_TRUE(Ink(kBlack, kX + 12, kY, kX + 30, kY + 20).empty());
  }
  Focus(g, 2, -1, false);  // no caret: no selection
  Render(1);
  EXPECT_TRUE(Ink(kNavy, kX, kY, kX + 100, kY + 20).empty());
}

TEST_F(Strings, CaretBlinkCountersReachBeyondAByte) {
  Gadget& g = Field(100, 20, "abc", 0);
  const int column = kX + 24;
  // Loaded with 2 x 3 when it runs out, the countdown shows the caret while below 3.
  Toolkit().BlinkFrames = 3;
  Focus(g, 3, 3);
  g.blinkPhase = g.blinkPhase2 = 0;
  std::string seen;
  for (int frame = 0; frame < 13; ++frame) {
    Render(1);
    seen += CaretAt(column, kY + 2) ? 'V' : (At(column, kY + 15) == kBlack ? '?' : 'H');
  }
  EXPECT_EQ(seen, "HHHHVVVHHHVVV");
  // At 2.5 ms frames a unit is 200 frames: the countdown holds 400 and the caret shows once it
  // is below 200.
  Toolkit().BlinkFrames = 200;
  g.blinkPhase = g.blinkPhase2 = 0;
  Render(1);
  EXPECT_EQ(g.blinkPhase, 399);
  EXPECT_EQ(g.blinkPhase2, 200);
  g.blinkPhase = 200;
  Render(1);
  EXPECT_FALSE(CaretAt(column, kY + 2));
  Render(1);
  EXPECT_TRUE(CaretAt(column, kY + 2));
  // Without the focus no caret, and the counters stay.
  Focus(g, -1, -1);
  Render(1);
  EXPECT_NE(At(column, kY + 15), kBlack);
  EXPECT_EQ(g.blinkPhase, 0);
}

TEST_F(Strings, ScrollKeepsTheCaretInsideWidthLessNine) {
  // 15 digits and an "s" are 95 pixels: the caret at 95 needs scrollX 95 - (100 - 9) = 4.
  Gadget& g = Field(100, 20, std::string(15, '0') + "s", 0);
  Focus(g, 16, 16);
  Render(1);
  EXPECT_EQ(g.scrollX, 4);
  Focus(g, 16, 16);
  Render(1);
  EXPECT_TRUE(CaretAt(kX + 97, kY + 2));
  g.scrollX = 40;  // the caret left of the scrolled part: the scroll follows it back
  Focus(g, 2, 2);
  Render(1);
  EXPECT_EQ(g.scrollX, 12);
  // A caret outside the field in this frame is not drawn over the neighbours or the edge.
  for (const auto& [text, caret] :
       {std::pair{std::string(17, '0'), 108}, std::pair{std::string(15, '0') + "-", 99}}) {
    SetGadgetText(1, text);
    g.scrollX = 0;
    Focus(g, static_cast<int>(text.size()), static_cast<int>(text.size()));
    Render(1);
    EXPECT_TRUE(Outside(kX, kY, 100, 20).empty()) << caret;
    EXPECT_EQ(RowsOf(0xF0F0F0, kX + 99, kY + 1, kY + 20), Range(kY + 1, kY + 19)) << caret;
    EXPECT_EQ(g.scrollX, std::max(caret - 6 - 91, 0));
  }
}

TEST_F(Strings, MultiLineRowsFourteenApartFromTopItem) {
  Gadget& g = Field(100, 32, "ab\ncd\nef", STRING_MULTILINE);  // two lines visible
  const auto lines = [&](const char* first, const char* second) {
    Points p = TextInk(kX + 6, kY + 2, first, kBlack, kX + 98);
    const Points q = TextInk(kX + 6, kY + 16, second, kBlack, kX + 98);
    p.insert(p.end(), q.begin(), q.end());
    return p;
  };
  const Points top0 = lines("ab", "cd"), top1 = lines("cd", "ef");
  const Points ab = TextInk(kX + 6, kY + 2, "ab", kBlack, kX + 98);
  Render(1);
  EXPECT_EQ(Ink(kBlack, kX, kY, kX + 100, kY + 32), top0);
  g.topItem = 1;
  Render(1);
  EXPECT_EQ(Ink(kBlack, kX, kY, kX + 100, kY + 32), top1);
  // The caret after "e" on the second row; the selection runs over the line feeds.
  Focus(g, 1, 7);
  Render(1);
  EXPECT_TRUE(CaretAt(kX + 12, kY + 16));
  EXPECT_EQ(Span(kNavy, kX + 6), std::pair(kY + 2, kY + 29));
  // After Enter at the end the caret stands on a new, empty line.
  SetGadgetText(1, "ab\n");
  g.topItem = 0;
  Focus(g, 3, 3);
  Render(1);
  EXPECT_TRUE(CaretAt(kX + 6, kY + 16));
  // A field 10 pixels high still shows one line.
  SetGadgetText(1, "ab\ncd");
  g.height = 10;
  Focus(g, -1, -1);
  Render(1);
  EXPECT_EQ(Ink(kBlack, kX, kY, kX + 100, kY + 40), ab);
}

TEST_F(Strings, PickPointBecomesTheNearestBoundary) {
  // Three lines visible: "abc" at top 2, "de" at 16, "fghij" at 30.
  const struct {
    const char* what;
    int state, px, py, cursor, anchor;  // both ends start at 1
  } cases[] = {
      {"third line right of its text", 4, 140, 35, 12, 12},
      {"third line left of f's middle", 4, 7, 35, 7, 7},
      {"third line on f's middle", 4, 8, 35, 8, 8},
      {"second line left of d's middle", 4, 8, 21, 4, 4},
      {"second line on d's middle", 4, 9, 21, 5, 5},
      {"first line top row", 4, 13, 2, 1, 1},
      {"below every line", 4, 20, 60, 12, 12},
      {"drag: only the caret", 3, 140, 21, 6, 1},
      {"anchor only", 2, 140, 21, 1, 6},
  };
  int number = 0;
  for (const auto& c : cases) {
    Gadget& g = Field(150, 46, "abc\nde\nfghij", STRING_MULTILINE, ++number);
    Focus(g, 1, 1, false);
    g.state = c.state;
    g.pickX = c.px;
    g.pickY = c.py;
    Render(number);
    EXPECT_EQ(g.cursor, c.cursor) << c.what;
    EXPECT_EQ(g.selectionStart, c.anchor) << c.what;
    EXPECT_EQ(g.pickY, 0) << c.what;
  }
}

TEST_F(Strings, BadRecordsAndHugeTexts) {
  Gadget& g = Field(100, 20, "abc", 0);
  const struct {
    const char* what;
    int cursor, anchor, topItem, scrollX, pickX, pickY;
  } cases[] = {
      {"ends past the text", 500, 400, 0, 0, 0, 0},
      {"scrolled to the left end", 3, 3, 0, INT_MIN, 0, 0},
      {"scrolled to the right end", 3, 3, 0, INT_MAX, 0, 0},
      {"top line far below", 3, 3, INT_MAX, 0, 5, 5},
      {"top line far above", 3, 3, INT_MIN, 0, 5, 5},
      {"pick far outside", 3, 3, 0, 0, 32767, -32768},
  };
  for (const auto& c : cases) {
    for (const int flags : {0, STRING_MULTILINE}) {
      g.flags = flags;
      Focus(g, c.anchor, c.cursor);
      g.topItem = c.topItem, g.scrollX = c.scrollX, g.pickX = c.pickX, g.pickY = c.pickY;
      g.state = 4;
      Render(1);
      EXPECT_EQ(At(kX, kY), 0x404040) << c.what;
      EXPECT_TRUE(Outside(kX, kY, 100, 20).empty()) << c.what;
    }
  }
  for (const auto& [w, h] : {std::pair{0, 0}, std::pair{-5, -5}, std::pair{5, 3}}) {
    g.width = w, g.height = h;
    Focus(g, 1, 1);
    Render(1);
    EXPECT_TRUE(Ink(kBlack, kX, kY, kX + 100, kY + 20).empty()) << w;
    EXPECT_TRUE(Outside(kX, kY, 100, 20).empty()) << w;
  }

  // 100,000 digits, caret at the end: the scroll reaches it.
  Gadget& huge = Field(100, 20, std::string(100000, '0'), 0, 2);
  Focus(huge, 100000, 100000);
  Render(2);
  EXPECT_EQ(huge.scrollX, 600000 - 91);
  Focus(huge, 100000, 100000);
  Render(2);
  EXPECT_TRUE(CaretAt(kX + 97, kY + 2));
  // 100,000 line feeds shown from line 50,000, which holds "x"; a click on the next line.
  std::string lines(100000, '\n');
  lines.insert(50000, "x");
  Gadget& m = Field(100, 46, lines, STRING_MULTILINE, 3);
  m.topItem = 50000;
  const Points x = TextInk(kX + 6, kY + 2, "x", kBlack, kX + 98);
  Focus(m, 0, 0, false);
  m.state = 4, m.pickX = 50, m.pickY = 20;
  Render(3);
  EXPECT_EQ(Ink(kBlack, kX, kY, kX + 100, kY + 46), x);
  EXPECT_EQ(m.cursor, 50002);
}

// Whole frames: press handling and the editor leave the point, the renderer of the same frame
// places the caret.
class StringFrames : public testing::FrameFixture {};

TEST_F(StringFrames, ClickPlacesTheCaretDragSelectsAndUpKeepsTheColumn) {
  ASSERT_NE(CreateString(1, kX, kY, 100, 46, "abcdef\nabcdef", -1, STRING_MULTILINE), 0);
  Gadget& g = *detail::FindGadget(1);
  Frame();
  headless::SetMouse(kX + 19, kY + 22);  // second line, left of the middle of "c" (21)
  headless::SetButton(1, true);
  Frame();
  EXPECT_EQ(g.cursor, 9);
  EXPECT_EQ(g.selectionStart, 9);
  headless::SetMouse(kX + 40, kY + 22);  // past the middle of "f" (39)
  Frame();
  EXPECT_EQ(g.cursor, 13);
  EXPECT_EQ(g.selectionStart, 9);
  EXPECT_EQ(headless::Pixel(kX + 24, kY + 29), kNavy) << "selected in the same frame";
  headless::SetButton(1, false);
  Frame();
  SetCursor(1, 9);
  SetSelectionStart(1, 9);
  Frame();
  EXPECT_EQ(g.pickX, 18) << "the caret's column";
  headless::SetKey(KEY_UP, true);
  Frame();
  EXPECT_EQ(g.cursor, 2);
  EXPECT_EQ(g.selectionStart, 2);
  headless::SetKey(KEY_UP, false);
}

}  // namespace
}  // namespace bevel
