// Shading, bevels, text blocks and inline text codes, read back pixel by pixel.
#include <string>

#include "tests/support/toolkit_screen.h"
#include "toolkit/render/draw_helpers.h"

namespace bevel {
namespace {

class Helpers : public testing::ToolkitScreen {
 protected:
  // Renderers draw text without background; so do these tests.
  void Draw() {
    ToolkitScreen::Draw();
    SetDrawMode(DRAW_TRANSPARENT);
  }
};
using namespace std::string_literals;

TEST(Shade, FactorsOnTheDefaultFace) {
  EXPECT_EQ(ShadeColour(SHADE_OUTER_LIGHT, 0xC0C0C0), 0xF0F0F0);
  EXPECT_EQ(ShadeColour(SHADE_INNER_LIGHT, 0xC0C0C0), 0xE1E1E1);
  EXPECT_EQ(ShadeColour(1.0f, 0xC0C0C0), 0xC0C0C0);
  EXPECT_EQ(ShadeColour(SHADE_THIN_DARK, 0xC0C0C0), 0x989898);
  EXPECT_EQ(ShadeColour(SHADE_INNER_DARK, 0xC0C0C0), 0x808080);
  EXPECT_EQ(ShadeColour(SHADE_TRACK, 0xC0C0C0), 0x707070);
  EXPECT_EQ(ShadeColour(SHADE_OUTER_DARK, 0xC0C0C0), 0x404040);
  EXPECT_EQ(ShadeColour(SHADE_OUTER_LIGHT, 0xFFFFFF), 0xFFFFFF) << "clamped at 255";
  EXPECT_EQ(ShadeColour(0.5f, 0x010305), 0x000202) << "halves round to even: 2.5, 1.5, 0.5";
  EXPECT_EQ(ShadeColour(2.0f, 0x0000FF), 0x0000FF) << "channels stay apart";
}

TEST_F(Helpers, RaisedBevelEdges) {
  Clear();
  Draw();
  DrawBevel(10, 10, 20, 12, 0, 0xC0C0C0);
  EXPECT_EQ(At(10, 10), 0xF0F0F0);
  EXPECT_EQ(At(28, 10), 0xF0F0F0);
  EXPECT_EQ(At(29, 10), 0x404040) << "the dark right edge owns the top-right corner";
  EXPECT_EQ(At(10, 21), 0xF0F0F0) << "the light left edge owns the bottom-left corner";
  EXPECT_EQ(At(11, 21), 0x404040);
  EXPECT_EQ(At(11, 11), 0xE1E1E1);
  EXPECT_EQ(At(27, 11), 0xE1E1E1);
  EXPECT_EQ(At(28, 11), 0x808080);
  EXPECT_EQ(At(12, 20), 0x808080);
  EXPECT_EQ(At(11, 20), 0xE1E1E1);
  EXPECT_EQ(At(12, 12), 0xC0C0C0);
  EXPECT_EQ(At(27, 19), 0xC0C0C0);
  EXPECT_EQ(At(30, 10), kBackground);
}

TEST_F(Helpers, SunkenThinAndUnfilledBevels) {
  Clear();
  Draw();
  DrawBevel(10, 10, 20, 12, BEVEL_SUNKEN, 0xC0C0C0);
  EXPECT_EQ(At(29, 10), 0x404040);
  EXPECT_EQ(At(10, 20), 0x404040);
  EXPECT_EQ(At(10, 21), 0xF0F0F0);
  EXPECT_EQ(At(29, 11), 0xF0F0F0);
  EXPECT_EQ(At(11, 11), 0x808080);
  EXPECT_EQ(At(28, 11), 0x808080);
  EXPECT_EQ(At(28, 12), 0xE1E1E1);
  EXPECT_EQ(At(11, 20), 0xE1E1E1);

  DrawBevel(40, 10, 10, 10, BEVEL_THIN, 0xC0C0C0);
  EXPECT_EQ(At(40, 10), 0xE1E1E1);
  EXPECT_EQ(At(49, 10), 0x989898);
  EXPECT_EQ(At(41, 19), 0x989898);
  EXPECT_EQ(At(41, 11), 0xC0C0C0) << "thin bevels fill from one pixel in";
  DrawBevel(60, 10, 10, 10, BEVEL_THIN | BEVEL_SUNKEN, 0xC0C0C0);
  EXPECT_EQ(At(60, 10), 0x989898);
  EXPECT_EQ(At(69, 19), 0xE1E1E1);

  DrawBevel(80, 10, 10, 10, BEVEL_NOFILL, 0xC0C0C0);
  EXPECT_EQ(At(84, 14), kBackground);
  // Tiny bevels stay inside their rectangle, raised or sunken.
  DrawBevel(100, 10, 1, 1, 0, 0xC0C0C0);
  DrawBevel(110, 10, 0, 5, 0, 0xC0C0C0);
  DrawBevel(120, 10, 1, 8, BEVEL_SUNKEN, 0xC0C0C0);
  DrawBevel(130, 10, 8, 1, BEVEL_SUNKEN, 0xC0C0C0);
  EXPECT_EQ(At(99, 10), kBackground);
  EXPECT_EQ(At(101, 10), kBackground);
  EXPECT_EQ(At(110, 10), kBackground);
  EXPECT_EQ(At(121, 12), kBackground);
  EXPECT_EQ(At(132, 11), kBackground);
}

TEST(RichTextParameters, CountColourAndHex) {
  EXPECT_EQ(detail::HexValue("1f", 2), 31);
  EXPECT_EQ(detail::HexValue("Z", 1), 35);
  EXPECT_EQ(detail::HexValue("1-", 2), 16) << "other characters count 0 but keep their place";
  EXPECT_EQ(detail::HexValue("FFFFFFFFFFFFFFFFFFFFF", 21), INT_MAX) << "saturates";
  EXPECT_EQ(detail::ReadColourParameter("FF0000rest"), 0x0000FF) << "red in the low byte";
  EXPECT_EQ(detail::ReadColourParameter("00FF"), 0x00FF00) << "missing digits count 0";
  const auto c = detail::ReadCountParameter("CWabc");
  EXPECT_EQ(c.length, 2);
  EXPECT_EQ(c.value, 12);
  EXPECT_EQ(detail::ReadCountParameter("abc").length, 0);
}

TEST_F(Helpers, MeasuringSkipsCodesAndParameters) {
  Draw();
  EXPECT_EQ(MeasureRichText("Ha\x16"
                            "0000FFllo",
                            true),
            std::to_string(TextWidth("Hallo")) + " Hallo");
  EXPECT_EQ(MeasureRichText("\x18"
                            "FF0000"
                            "3W"
                            "\x15"
                            "00FF00"
                            "3WHallo",
                            false),
            "0 Hallo");
  EXPECT_EQ(RichTextWidth(""), 0);
  EXPECT_EQ(RichTextWidth("a\x0F"
                          "bc"),
            TextWidth("abc"))
      << "no W: count 0, nothing skipped";
  EXPECT_EQ(RichTextWidth("ab\x17"
                          "12"),
            TextWidth("ab"))
      << "a short colour ends the text";
  SetTabWidth(40);
  EXPECT_EQ(RichTextWidth("\t"), 40);
  // The next stop at or after the pen: a pen exactly on a stop stays there.
  auto nextStop = [](int pen) { return (pen + 39) / 40 * 40; };
  EXPECT_EQ(RichTextWidth("Beenden\tX"), nextStop(TextWidth("Beenden")) + TextWidth("X"));
  EXPECT_EQ(RichTextWidth(std::string(60, 'i') + "\t"), nextStop(60 * TextWidth("i")));
  EXPECT_EQ(RichTextWidth("\t\t"), 80);
}

TEST_F(Helpers, TabWithoutTabWidthStopsAtSpaceWidths) {
  Draw();
  ASSERT_EQ(Toolkit().TabWidth, 0);
  const int space = TextWidth(" ");
  const int stop = RichTextWidth("a\t");
  EXPECT_GE(stop, TextWidth("a")) << "the walk advances to a stop and ends";
  EXPECT_EQ(stop % space, 0);
  EXPECT_EQ(RichTextWidth("\t\t\t"), 3 * space);
}

// The underline of the third letter only, then codes that act to the end and the reset.
TEST_F(Helpers, UnderlinesHighlightsAndColours) {
  Clear();
  Draw();
  const int lh = TextHeight(" ");
  const int wa = TextWidth("a");
  DrawRichText(10, 10,
               "aa\x0E"
               "aa",
               0x000000);
  const int underlineRow = 10 + lh - 1;
  auto underlined = [&](int from, int to) {
    for (int x = from; x < to; ++x)
      if (At(x, underlineRow) != 0x000000) return false;
    return true;
  };
  EXPECT_TRUE(underlined(10 + 2 * wa, 10 + 3 * wa));
  EXPECT_EQ(At(10, underlineRow), kBackground);
  EXPECT_EQ(At(10 + 3 * wa, underlineRow), kBackground) << "only one character";

  DrawRichText(10, 40,
               "\x15"
               "00FF00"
               "3WHallo",
               0x000000);
  const int wHal = TextWidth("Hal");
  EXPECT_EQ(At(10, 40), 0x00FF00) << "green box behind the first three letters";
  EXPECT_EQ(At(10 + wHal - 1, 40 + lh), 0x00FF00) << "the box is one row taller than a line";
  EXPECT_EQ(At(10 + wHal, 40), kBackground);

  DrawRichText(10, 70,
               "\x13"
               "ab\x1F"
               "cd",
               0x0000FF);
  EXPECT_EQ(At(10, 70 + lh - 1), 0x0000FF);
  EXPECT_EQ(At(10, 70 + lh + 1), 0x0000FF) << "second line two rows lower";
  EXPECT_EQ(At(10 + TextWidth("ab"), 70 + lh - 1), kBackground) << "31 ends the underline";
}

TEST_F(Helpers, ColourCodesColourOnlyTheirCharacters) {
  Clear();
  Draw();
  DrawRichText(10, 10,
               "\x17"
               "FF0000"
               "MM",
               0x000000);
  const int wm = TextWidth("M");
  int red = 0, black = 0;
  for (int y = 10; y < 10 + TextHeight(" "); ++y) {
    for (int x = 10; x < 10 + wm; ++x) red += At(x, y) == 0x0000FF;
    for (int x = 10 + wm; x < 10 + 2 * wm; ++x) black += At(x, y) == 0x000000;
  }
  EXPECT_GT(red, 5);
  EXPECT_GT(black, 5);
}

TEST_F(Helpers, TextBlocksAlignAndCentre) {
  Clear();
  Draw();
  // Two lines centred vertically in a 40-pixel box with a 13-pixel line start at y + 7.
  DrawTextBlock(0, 20, 100, 40, "I\nI", ALIGN_LEFT, 0x000000, true);
  int top = -1;
  for (int y = 20; y < 60 && top < 0; ++y)
    for (int x = 0; x < 10; ++x)
      if (At(x, y) == 0x000000) {
        top = y;
        break;
      }
  ASSERT_EQ(TextHeight(" "), 13);
  Clear();
  DrawText(0, 27, "I", 0x000000);
  int expectTop = -1;
  for (int y = 20; y < 60 && expectTop < 0; ++y)
    for (int x = 0; x < 10; ++x)
      if (At(x, y) == 0x000000) {
        expectTop = y;
        break;
      }
  EXPECT_EQ(top, expectTop);

  // Right alignment leaves one pixel free at the right edge.
  Clear();
  DrawTextBlock(0, 80, 60, 13,
                "\x16"
                "000000"
                "W",
                ALIGN_RIGHT, 0x000000, false);
  EXPECT_EQ(At(58, 80), 0x000000);
  EXPECT_EQ(At(59, 80), kBackground);
  EXPECT_EQ(At(58 - TextWidth("W"), 80), kBackground);
  EXPECT_EQ(At(59 - TextWidth("W"), 80), 0x000000);
}

TEST_F(Helpers, MalformedAndHugeTextsEnd) {
  Draw();
  std::string junk;
  for (int i = 0; i < 20000; ++i) junk += static_cast<char>(i % 40);
  DrawRichText(0, 0, junk, 0);
  DrawTextBlock(-50, -50, 10, 10, junk, 0, 0, true);
  EXPECT_GE(RichTextWidth(junk), 0);
  EXPECT_EQ(MeasureRichText("\x18", true), "0 ");
  EXPECT_EQ(MeasureRichText("\x15"
                            "FF",
                            true),
            "0 ");
}

}  // namespace
}  // namespace bevel
