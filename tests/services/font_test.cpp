// Fonts and text: metrics of the classic font, handles, family resolution, Windows-1252 glyphs,
// placement and background, clipping and hostile texts, read back from the headless screen.
#include <climits>
#include <string>
#include <vector>

#include "tests/support/headless_screen.h"

namespace bevel {
namespace {

using testing::HeadlessScreen;

constexpr int kInk = 0xFFFFFF;
constexpr int kBack = 0x0000FF;

class Fonts : public HeadlessScreen {
 protected:
  // Loads a font and selects it in a fresh drawing session.
  void Use(std::string_view family, int size, int flags = 0) {
    const int font = LoadFont(ANY_NUMBER, family, size, flags);
    ASSERT_NE(font, 0) << family << " " << size;
    Draw();
    SetDrawFont(font);
  }
  // A region of the back buffer, one line per row: '#' ink, 'o' back colour, '.' anything else.
  static std::string Picture(int x0, int y0, int w, int h) {
    std::string out;
    for (int y = y0; y < y0 + h; ++y) {
      for (int x = x0; x < x0 + w; ++x)
        out += At(x, y) == kInk ? '#' : At(x, y) == kBack ? 'o' : '.';
      out += '\n';
    }
    return out;
  }
  static int Count(int colour) {
    int n = 0;
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) n += At(x, y) == colour;
    return n;
  }
  // The ink of `text` drawn transparently at (10, 10) on a black screen.
  static std::string Ink(std::string_view text) {
    ClearScreen(0);
    SetDrawMode(DRAW_TRANSPARENT);
    DrawText(10, 10, text, kInk);
    return Picture(0, 0, 60, 40);
  }
};

TEST_F(Fonts, ClassicFontMetrics) {
  Draw();
  EXPECT_EQ(TextHeight(" "), 13) << "the system font is MS Sans Serif 8";
  EXPECT_EQ(TextWidth("Abbrechen"), 52);
  EXPECT_EQ(TextWidth(""), 0);
  EXPECT_EQ(TextHeight(""), 0);
  Use("MS Sans Serif", 10);
  EXPECT_EQ(TextHeight(" "), 16);
  Use("MS Sans Serif", 12);
  EXPECT_EQ(TextHeight("x"), 20);
  Use("MS Sans Serif", 8, FONT_BOLD);
  EXPECT_EQ(TextWidth("Abbrechen"), 52 + 9) << "synthetic bold: one more pixel per character";
  EXPECT_EQ(TextHeight(" "), 13);
  EndDrawing();
  EXPECT_EQ(TextWidth("Abbrechen"), 0) << "no session";
  EXPECT_EQ(TextHeight(" "), 0);
}

TEST_F(Fonts, SyntheticBoldOverstrikesOnePixelToTheRight) {
  Use("MS Sans Serif", 8);
  const std::string plain = Ink("H");
  Use("MS Sans Serif", 8, FONT_BOLD);
  std::string expected = plain;
  for (std::size_t i = 0; i + 1 < plain.size(); ++i) {
    if (plain[i] == '#' && plain[i + 1] != '\n') expected[i + 1] = '#';
  }
  EXPECT_EQ(Ink("H"), expected);
}

TEST_F(Fonts, HandlesAreNumberedReplacedAndFallBackToTheSystemFont) {
  EXPECT_EQ(LoadFont(7, "MS Sans Serif", 8), 7);
  const int a = LoadFont(ANY_NUMBER, "MS Sans Serif", 8);
  const int b = LoadFont(ANY_NUMBER, "MS Sans Serif", 8);
  EXPECT_TRUE(a > 0 && b > 0 && a != b && a != 7 && b != 7) << a << " " << b;
  EXPECT_EQ(LoadFont(7, "MS Sans Serif", 10), 7) << "loading a number again replaces it";
  // A library that loads with ANY_NUMBER first keeps its fonts when the host picks 1, 2, ...
  for (int n = 1; n <= 16; ++n) {
    if (n != 7) {
      EXPECT_EQ(LoadFont(n, "MS Sans Serif", 12), n);
    }
  }
  // Bad arguments fail and leave font 7 as it was.
  for (const int size : {0, -8, 501}) EXPECT_EQ(LoadFont(7, "MS Sans Serif", size), 0) << size;
  EXPECT_EQ(LoadFont(0, "MS Sans Serif", 8), 0);
  EXPECT_EQ(LoadFont(-1, "MS Sans Serif", 10), 0) << "-1 is the system font";

  Draw();
  SetDrawFont(7);
  EXPECT_EQ(TextHeight(" "), 16);
  SetDrawFont(a);
  EXPECT_EQ(TextHeight(" "), 13) << "another handle of the same face is untouched";
  SetDrawFont(7);
  SetDrawFont(424242);
  EXPECT_EQ(TextHeight(" "), 13) << "an unknown handle is the system font";
  EXPECT_EQ(TextWidth("Abbrechen"), 52);
}

TEST_F(Fonts, FamiliesResolveOrFallBackToSans) {
  Use("MS Sans Serif", 8);
  const std::string classic = Ink("abc");
  Use("Symbol", 8);
  EXPECT_NE(Ink("abc"), classic) << "Symbol has its own face (Greek letters)";
  EXPECT_GT(Count(kInk), 0);

  Use("DejaVu Sans", 10);
  const int width = TextWidth("Abbrechen");
  const std::string sans = Ink("Abbrechen");
  for (const std::string_view family : {"No Such Family 4711", ""}) {
    Use(family, 10);
    EXPECT_EQ(TextWidth("Abbrechen"), width) << "'" << family << "'";
    EXPECT_EQ(Ink("Abbrechen"), sans) << "'" << family << "'";
  }
  Use("MS Sans Serif", 10);
  EXPECT_NE(Ink("Abbrechen"), sans);
}

TEST_F(Fonts, Cp1252LettersHaveTheirOwnGlyphs) {
  Use("MS Sans Serif", 8);
  // The undefined 0x81 stands in for what 0x80 would show without the euro mapping.
  std::vector<std::string> seen = {Ink("?"), Ink("a"), Ink("s"), Ink("\x81")};
  for (const std::string_view letter : {"\xE4", "\xDF", "\x80"}) {  // a umlaut, sharp s, euro
    const std::string ink = Ink(letter);
    EXPECT_NE(ink.find('#'), std::string::npos);
    for (const std::string& other : seen) EXPECT_NE(ink, other) << ink;
    seen.push_back(ink);
  }
}

TEST_F(Fonts, TextHangsFromItsTopLeftCornerOnTheBaseline) {
  Use("MS Sans Serif", 8);
  ClearScreen(0);
  SetDrawMode(DRAW_TRANSPARENT);
  SetPenColour(kInk);
  DrawText(30, 40, "H");
  const int w = TextWidth("H");
  int lowest = -1, inked = 0;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      if (At(x, y) == 0) continue;
      EXPECT_TRUE(x >= 30 && x < 30 + w && y >= 40 && y < 53) << x << "," << y;
      lowest = y;
      ++inked;
    }
  }
  EXPECT_EQ(Count(kInk), inked) << "USE_PEN draws in the pen colour";
  EXPECT_EQ(lowest, 40 + 11 - 1) << "H stands on the baseline, ascent 11 below the top";
  const std::string there = Picture(30, 40, w, 13);
  ClearScreen(0);
  DrawText(77, 91, "H", static_cast<int>(0xAB000000u | kInk));  // the top byte is ignored
  EXPECT_EQ(Picture(77, 91, w, 13), there);
}

TEST_F(Fonts, OpaqueTextFillsItsCellTransparentTextKeepsTheBackground) {
  Use("MS Sans Serif", 8);
  ClearScreen(0x808080);
  DrawText(10, 10, "Abbrechen", kInk, kBack);
  const std::string opaque = Picture(9, 9, 54, 15);
  for (int y = 9; y < 24; ++y) {
    for (int x = 9; x < 63; ++x) {
      const bool inCell = x >= 10 && x < 62 && y >= 10 && y < 23;  // 52 x 13
      EXPECT_EQ(At(x, y) == kInk || At(x, y) == kBack, inCell) << x << "," << y << "\n" << opaque;
    }
  }
  const int backPixels = Count(kBack);
  SetDrawMode(DRAW_TRANSPARENT);
  DrawText(10, 50, "Abbrechen", kInk, kBack);
  EXPECT_EQ(Count(kBack), backPixels) << "no back colour in transparent mode";
  std::string expected = opaque;
  for (char& c : expected) c = c == 'o' ? '.' : c;
  EXPECT_EQ(Picture(9, 49, 54, 15), expected) << "the same ink on the untouched background";
}

TEST_F(Fonts, TextPartlyOffEachEdgeDrawsOnlyItsVisiblePart) {
  Use("MS Sans Serif", 8);
  const std::string text = "Abbrechen \xC4g\xDF|";
  const int w = TextWidth(text);
  ClearScreen(0);
  DrawText(60, 60, text, kInk, kBack);
  std::vector<int> reference;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) reference.push_back(At(x, y));

  const int partly[][2] = {{-30, 60}, {kWidth - 20, 60},          {60, -7},     {60, kHeight - 5},
                           {-30, -7}, {kWidth - 20, kHeight - 5}, {-w + 1, 60}, {60, -12}};
  for (const auto& [x, y] : partly) {
    ClearScreen(0);
    DrawText(x, y, text, kInk, kBack);
    for (int py = 0; py < kHeight; ++py) {
      for (int px = 0; px < kWidth; ++px) {
        const int rx = px - x + 60, ry = py - y + 60;
        const bool mapped = rx >= 0 && rx < kWidth && ry >= 0 && ry < kHeight;
        const int want = mapped ? reference[static_cast<std::size_t>(ry * kWidth + rx)] : 0;
        ASSERT_EQ(At(px, py), want) << "text at " << x << "," << y << " pixel " << px << "," << py;
      }
    }
  }
  const int outside[][2] = {
      {INT_MIN, 10}, {INT_MAX, 10}, {10, INT_MIN}, {10, INT_MAX}, {INT_MAX - 3, INT_MAX - 3},
      {-w, 10},      {10, -13}};
  for (const auto& [x, y] : outside) {
    ClearScreen(0);
    DrawText(x, y, text, kInk, kBack);
    EXPECT_EQ(Count(0), kWidth * kHeight) << x << "," << y;
  }
}

TEST_F(Fonts, ControlBytesAndNulsAreCharactersDrawnInsideTheirCell) {
  Use("MS Sans Serif", 8);
  std::string bytes;
  for (int c = 0x00; c < 0x20; ++c) bytes += static_cast<char>(c);
  for (int c = 0x80; c < 0xA0; ++c) bytes += static_cast<char>(c);
  int sum = 0;
  for (const char c : bytes) sum += TextWidth(std::string_view(&c, 1));
  EXPECT_EQ(TextWidth(bytes), sum);
  EXPECT_GT(TextWidth(std::string_view("\0", 1)), 0);

  ClearScreen(0);
  SetDrawMode(DRAW_TRANSPARENT);
  DrawText(0, 20, std::string_view(bytes).substr(0, 32), kInk);
  DrawText(0, 50, std::string_view(bytes).substr(32), kInk);
  int outside = 0;
  for (int y = 0; y < kHeight; ++y) {
    const bool inCell = (y >= 20 && y < 33) || (y >= 50 && y < 63);
    for (int x = 0; x < kWidth && !inCell; ++x) outside += At(x, y) != 0;
  }
  EXPECT_EQ(outside, 0);
  EXPECT_GT(Count(kInk), 0);
}

TEST_F(Fonts, MegabyteTextsMeasureExactlyAndDrawClipped) {
  Use("MS Sans Serif", 8);
  const std::string text(std::size_t{1} << 20, 'W');
  EXPECT_EQ(TextWidth(text), (1 << 20) * TextWidth("W"));
  ClearScreen(0);
  DrawText(INT_MAX - 100, 30, text, kInk, kBack);
  EXPECT_EQ(Count(0), kWidth * kHeight) << "a pen near INT_MAX does not wrap to the left";
  // Ending on screen after a megabyte off the left edge: only the tail shows.
  DrawText(50 - TextWidth(text), 30, text, kInk, kBack);
  for (int x = 0; x < kWidth; ++x) EXPECT_EQ(At(x, 42) != 0, x < 50) << x;

  // Wider than an int: the width saturates, the cell still covers the screen.
  Use("DejaVu Sans", 500);
  const std::string wide(std::size_t{4} << 20, 'W');
  EXPECT_EQ(TextWidth(wide), INT_MAX);
  ClearScreen(0);
  DrawText(0, 0, wide, kInk, kBack);
  EXPECT_EQ(Count(0), 0);
}

}  // namespace
}  // namespace bevel
