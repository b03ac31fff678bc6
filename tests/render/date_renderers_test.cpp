// Date fields and month sheets drawn with DrawGadget and read back: the digit cells and their
// colours, the check box and buttons, the drop-down below and above the field, and the sheet's
// days, weekdays, title and today mark. Expected ink is drawn with the plain text calls at the
// places the layout rules give, so the tests follow the font, not hard-coded pixels.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "services/headless.h"
#include "tests/render/render_probe.h"
#include "toolkit/gadgets/date_parts.h"
#include "toolkit/model/toolkit_state.h"

namespace bevel {
namespace {

using testing::Points;

constexpr int kBlack = 0x000000, kWhite = 0xFFFFFF, kGrey = 0x808080, kNavy = 0x800000;
constexpr int kRed = 0x0000FF, kFace = 0xC0C0C0, kThinLight = 0xE1E1E1;
constexpr int kX = 10, kY = 10, kW = 120, kH = 20;

std::vector<int> Range(int a, int b) {
  std::vector<int> r;
  for (int v = a; v <= b; ++v) r.push_back(v);
  return r;
}

int Day(int y, int m, int d) {
  return MakeDate(y, m, d, 0, 0, 0);
}

// A text placed at (x, y) in a colour and font: what the renderer should leave.
struct Glyphs {
  int x, y;
  std::string text;
  int colour;
};

class DateLooks : public testing::RenderProbe {
 protected:
  int ScreenWidth() const override { return 420; }
  int ScreenHeight() const override { return 400; }

  // Date `number`, drawn alone by Render(number).
  Gadget& Date(int number, int date, int flags = 0, int y = kY) {
    EXPECT_NE(CreateDate(number, kX, y, kW, kH, "", date, flags), 0);
    return *detail::FindGadget(number);
  }
  // Ink of `colour` that the glyphs alone leave inside the rectangle.
  Points Expected(const std::vector<Glyphs>& glyphs, int font, int colour, int x0, int y0, int x1,
                  int y1) {
    Clear();
    Draw();
    SetDrawFont(font);
    SetDrawMode(DRAW_TRANSPARENT);
    for (const Glyphs& g : glyphs) DrawText(g.x, g.y, g.text, g.colour);
    EndDrawing();
    return Ink(colour, x0, y0, x1, y1);
  }
  int Measure(std::string_view text, int font) {
    Draw();
    SetDrawFont(font);
    const int w = TextWidth(text);
    EndDrawing();
    return w;
  }
  // "07.12.2026" laid out from the pen: digits in cells of the width of "8".
  std::vector<Glyphs> Field(std::string_view shown, int pen, int colour) {
    std::vector<Glyphs> out;
    const int digit = Measure("8", font_);
    for (const char c : shown) {
      const std::string s(1, c);
      out.push_back({kX + pen, kY + 2, s, colour});
      pen += c >= '0' && c <= '9' ? digit : Measure(s, font_);
    }
    return out;
  }
  int LineHeight(int font) {
    Draw();
    SetDrawFont(font);
    const int h = TextHeight(" ");
    EndDrawing();
    return h;
  }
  int bold() const { return Toolkit().WindowScheme[SlotIndex(COLOR_FONT)]; }
};

TEST_F(DateLooks, DigitsStandInFixedCellsColouredByTheDateAndTheEdit) {
  const struct {
    int dateSet, dateField;
    const char* typed;  // extraText before drawing
    int colour;
  } cases[] = {
      {1, 0, "", kBlack},
      {0, 0, "", kGrey},             // unset: the shadow colour
      {1, 1, "3;12;2026;", kBlack},  // one digit typed into the day: right-aligned, highlighted
  };
  int n = 0;
  for (const auto& c : cases) {
    Gadget& g = Date(++n, Day(2026, 12, 7));
    g.dateSet = c.dateSet;
    g.dateField = c.dateField;
    g.extraText = c.typed;
    Render(n);
    const Points text = Ink(c.colour, kX + 2, kY + 2, kX + kW - 17, kY + kH - 2);
    if (c.dateField == 0) {
      EXPECT_EQ(text, Expected(Field("07.12.2026", 6, c.colour), font_, c.colour, kX + 2, kY + 2,
                               kX + kW - 17, kY + kH - 2));
      EXPECT_EQ(g.extraText, "07;12;2026;");
      continue;
    }
    EXPECT_EQ(g.dateFieldType, detail::PART_DAY);
    EXPECT_EQ(g.extraText, "3;12;2026;") << "the typed digits are kept";
    const int digit = Measure("8", font_);
    EXPECT_EQ(ColumnsOf(kNavy, kY + 3, kX, kX + 40), Range(kX + 6 + digit, kX + 6 + 2 * digit - 1));
    std::vector<Glyphs> rest = Field(".12.2026", 6 + 2 * digit, kBlack);
    EXPECT_EQ(text, Expected(rest, font_, kBlack, kX + 2, kY + 2, kX + kW - 17, kY + kH - 2));
    EXPECT_EQ(Ink(kWhite, kX + 6 + digit, kY + 2, kX + 6 + 2 * digit, kY + 16),
              Expected({{kX + 6 + digit, kY + 2, "3", kWhite}}, font_, kWhite, kX + 6 + digit,
                       kY + 2, kX + 6 + 2 * digit, kY + 16));
  }
}

TEST_F(DateLooks, CheckBoxArrowsAndDropButton) {
  const int cy = kY + (kH - 14) / 2, b = kX + kW - 17;
  const struct {
    int flags, state, dateSet, dropState;
  } cases[] = {
      {DATE_CHECKBOX, 0, 1, 0},
      {DATE_CHECKBOX, 5, 0, 0},
      {DATE_UPDOWN, 3, 1, 0},
      {DATE_UPDOWN, 4, 1, 0},
      {0, 0, 1, 0},
      {0, 0, 1, 1},
  };
  int n = 0;
  for (const auto& c : cases) {
    Gadget& g = Date(++n, Day(2026, 12, 7), c.flags);
    g.state = c.state;
    g.dateSet = c.dateSet;
    g.dropState = c.dropState;
    Render(n);
    const std::string row =
        "flags " + std::to_string(c.flags) + " state " + std::to_string(c.state);
    if (c.flags & DATE_CHECKBOX) {
      EXPECT_EQ(ColumnsOf(kBlack, cy + 1, kX, kX + 16), Range(kX + 3, kX + 14)) << row;
      EXPECT_EQ(At(kX + 5, cy + 7), c.dateSet ? kBlack : (c.state == 5 ? kFace : kWhite)) << row;
      EXPECT_TRUE(Ink(kBlack, kX + 15, kY + 2, kX + 20, kY + kH - 2).empty()) << "pen from 20";
    }
    if (c.flags & DATE_UPDOWN) {
      // Halves of (20 - 4) / 2 = 8 rows; arrows 7 wide from column b + 4, one pixel further
      // right and down while pressed.
      const int up = c.state == 3, down = c.state == 4;
      EXPECT_EQ(ColumnsOf(kBlack, kY + 4 + up, b, b + 15), Range(b + 7 + up, b + 7 + up)) << row;
      EXPECT_EQ(ColumnsOf(kBlack, kY + 12 + down, b, b + 15), Range(b + 4 + down, b + 10 + down))
          << row;
      EXPECT_EQ(At(b, kY + 2), up ? 0x989898 : kThinLight) << row;
    } else {
      const int p = c.dropState == 1;
      EXPECT_EQ(ColumnsOf(kBlack, kY + 8 + p, b, b + 17), Range(kX + kW - 13 + p, kX + kW - 7 + p))
          << row;
      EXPECT_EQ(At(kX + kW - 16, kY + 2), p ? 0x989898 : kThinLight) << row;
    }
  }
}

TEST_F(DateLooks, DropDownOpensBelowOrWithItsTitleBandAbove) {
  for (const bool up : {false, true}) {
    const int y = up ? 200 : kY;
    Gadget& g = Date(up ? 2 : 1, Day(2026, 12, 7), 0, y);
    g.dropState = 2;
    g.dropUp = up;
    Render(up ? 2 : 1);
    const int top = up ? y - 158 : y + kH;  // the sheet's corner is 2 in from the pop-up's
    EXPECT_EQ(At(kX + 2, top + 2), kNavy) << up;
    EXPECT_NE(At(kX + 2, top + 1), kNavy) << up;
    EXPECT_EQ(At(kX + 2 + 196, top + 2 + 29), kNavy) << "the band is 197 x 30";
    EXPECT_NE(At(kX + 2 + 196, top + 2 + 30), kNavy);
    EXPECT_EQ(Ink(kRed, kX, top + 2 + 140, kX + 30, top + 2 + 141).size(), 2u) << "today's outline";
    EXPECT_EQ(At(kX + 5, y + 5), kWhite) << "the field is still drawn";
  }
}

// Feb 2024 begins on a Thursday, January 2024 on a Monday (a whole week of December first),
// March 2024 on a Friday. The headless today is 14 February 2024.
TEST_F(DateLooks, MonthSheetsStartOnMondayAndMarkTheDayAndToday) {
  headless::SetDateAtClockZero(MakeDate(2024, 2, 14, 12, 0, 0));
  const struct {
    int month;
    const char* title;
    int firstColumn, firstRow;  // cell of the 1st
    const char* firstCell;      // number in cell (0, 0)
  } sheets[] = {
      {2, "Februar 2024", 3, 0, "29"},
      {1, "Januar 2024", 0, 1, "25"},
      {3, "M\xE4rz 2024", 4, 0, "26"},
  };
  for (const auto& s : sheets) {
    ASSERT_NE(CreateCalendar(s.month, 0, 0, 201, 158, Day(2024, s.month, 7)), 0);
    const int cx = 2, cy = 2;
    // Expected ink is drawn over the screen: every reading draws the sheet again first.
    const auto seen = [&](int colour, int x0, int y0, int x1, int y1) {
      Render(s.month);
      return Ink(colour, x0, y0, x1, y1);
    };
    const auto pixel = [&](int x, int y) {
      Render(s.month);
      return At(x, y);
    };
    const auto cell = [&](int c, int r, const std::string& n, int colour) {
      const int w = Measure(n, font_);
      const int top = cy + 15 * r + 45;
      return Expected({{cx + 28 * c + 13 - w / 2, top + 1, n, colour}}, font_, colour, cx + 28 * c,
                      top, cx + 28 * c + 28, top + 15);
    };
    EXPECT_EQ(seen(kGrey, cx, cy + 45, cx + 28, cy + 60), cell(0, 0, s.firstCell, kGrey))
        << s.title;
    const int c1 = s.firstColumn, r1 = s.firstRow;
    EXPECT_EQ(seen(kBlack, cx + 28 * c1, cy + 45 + 15 * r1, cx + 28 * c1 + 28, cy + 60 + 15 * r1),
              cell(c1, r1, "1", kBlack))
        << s.title;
    // The 7th: white on the selection colour.
    const int k7 = c1 + 7 * r1 + 6, c7 = k7 % 7, r7 = k7 / 7;
    EXPECT_EQ(pixel(cx + 28 * c7, cy + 45 + 15 * r7), kNavy) << s.title;
    EXPECT_EQ(seen(kWhite, cx + 28 * c7, cy + 45 + 15 * r7, cx + 28 * c7 + 28, cy + 60 + 15 * r7),
              cell(c7, r7, "7", kWhite))
        << s.title;
    // Today's red outline only in February.
    const int k14 = c1 + 7 * r1 + 13, c14 = k14 % 7, r14 = k14 / 7;
    EXPECT_EQ(pixel(cx + 28 * c14, cy + 45 + 15 * r14) == kRed, s.month == 2) << s.title;
    // Title in the bold font, centred; the weekday header in the selection colour.
    const int tw = Measure(s.title, bold());
    EXPECT_EQ(seen(kWhite, cx, cy, cx + 197, cy + 30),
              Expected({{cx + (197 - tw) / 2, cy + (30 - LineHeight(bold())) / 2, s.title, kWhite}},
                       bold(), kWhite, cx, cy, cx + 197, cy + 30))
        << s.title;
    EXPECT_EQ(seen(kNavy, cx, cy + 31, cx + 28, cy + 45),
              Expected({{cx + 13 - Measure("Mo", font_) / 2, cy + 31, "Mo", kNavy}}, font_, kNavy,
                       cx, cy + 31, cx + 28, cy + 45));
    const std::string today = "Heute: 14.02.2024";
    EXPECT_EQ(seen(kBlack, cx + 26, cy + 136, cx + 197, cy + 152),
              Expected({{cx + 28, cy + 136 + (15 - LineHeight(bold())) / 2, today, kBlack}}, bold(),
                       kBlack, cx + 26, cy + 136, cx + 197, cy + 152));
  }
}

TEST_F(DateLooks, TheYearSpinShowsWhileTheYearIsChanged) {
  ASSERT_NE(CreateCalendar(1, 0, 0, 201, 158, Day(2024, 2, 7)), 0);
  Gadget& g = *detail::FindGadget(1);
  const int apex = 2 + 157;
  for (const int state : {0, 15, 16}) {
    g.state = state;
    Render(1);
    EXPECT_EQ(At(apex, 2 + 8), state >= 15 ? kBlack : kNavy) << state;
    EXPECT_EQ(ColumnsOf(kBlack, 2 + 20, apex - 1, apex + 2).size(), state >= 15 ? 1u : 0u);
  }
}

}  // namespace
}  // namespace bevel
