// Date entry in whole frames, as a user does it: a click selects a part, keys type and step
// it, limits hold after every change; a day cell clicked in a calendar becomes the date; masks
// of any shape are drawn and typed into without harm.
#include <algorithm>
#include <string>
#include <vector>

#include "services/headless.h"
#include "tests/support/frame_fixture.h"
#include "toolkit/model/colours.h"
#include "toolkit/model/toolkit_state.h"

namespace bevel {
namespace {

constexpr int kLeft = 203, kRight = 205, kUp = 200, kDown = 208, kHome = 199, kEnd = 207;
constexpr int kEnter = 28;
constexpr int kX = 10, kY = 10;

int Day(int y, int m, int d) {
  return MakeDate(y, m, d, 0, 0, 0);
}

// Scan codes of the digit row for a string of digits.
std::vector<int> Keys(const std::string& digits) {
  std::vector<int> keys;
  for (const char c : digits) keys.push_back(c == '0' ? 11 : c - '0' + 1);
  return keys;
}

class DateEntry : public testing::FrameFixture {
 protected:
  int ScreenWidth() const override { return 420; }
  int ScreenHeight() const override { return 400; }

  Gadget& R(int number) { return *detail::FindGadget(number); }
  static void Key(int scanCode) {
    headless::SetKey(scanCode, true);
    Frame();
    headless::SetKey(scanCode, false);
    Frame();
  }
  // Selects part `part` of a Date at (kX, kY): a click into its first part, then Right.
  static void Select(int part) {
    Click(kX + 8, kY + 5);
    for (int i = 1; i < part; ++i) Key(kRight);
  }
};

TEST_F(DateEntry, KeysTypeAndStepTheSelectedPartWithinRangesAndLimits) {
  const struct {
    const char* name;
    int date, lower, upper;
    int part;
    std::vector<int> keys;
    int expected;       // the date afterwards
    const char* parts;  // extraText afterwards
  } cases[] = {
      {"07 then 3 restarts, 31 fits December", Day(2026, 12, 7), 0, 0, 1, Keys("31"),
       Day(2026, 12, 31), "31;12;2026;"},
      {"31 is no November day", Day(2026, 11, 7), 0, 0, 1, Keys("31"), Day(2026, 11, 7),
       "1;11;2026;"},
      {"25 completes the day", Day(2026, 12, 7), 0, 0, 1, Keys("25"), Day(2026, 12, 25),
       "25;12;2026;"},
      {"year typed digit by digit", Day(2026, 12, 7), 0, 0, 3, Keys("1999"), Day(1999, 12, 7),
       "07;12;1999;"},
      {"1969 is no year: the 9 starts over", Day(2026, 12, 7), 0, 0, 3, Keys("1969"),
       Day(2026, 12, 7), "07;12;9;"},
      {"End in February 2024", Day(2024, 2, 3), 0, 0, 1, {kEnd}, Day(2024, 2, 29), "29;02;2024;"},
      {"End in February 2026", Day(2026, 2, 3), 0, 0, 1, {kEnd}, Day(2026, 2, 28), "28;02;2026;"},
      {"Home on the month", Day(2026, 12, 7), 0, 0, 2, {kHome}, Day(2026, 1, 7), "07;01;2026;"},
      {"Up stops at the month's end",
       Day(2026, 12, 31),
       0,
       0,
       1,
       {kUp, kDown},
       Day(2026, 12, 30),
       "30;12;2026;"},
      {"a year below the lower limit takes all of it", Day(2026, 12, 7), Day(2000, 1, 1), 0, 3,
       Keys("1990"), Day(2000, 1, 1), "01;01;2000;"},
      {"a month past the upper limit takes all of it", Day(2026, 6, 7),
       MakeDate(2026, 1, 1, 0, 0, 0), MakeDate(2026, 6, 15, 10, 30, 0), 2, Keys("12"),
       MakeDate(2026, 6, 15, 10, 30, 0), "15;06;2026;"},
      {"Backspace and Delete change nothing",
       Day(2026, 12, 7),
       0,
       0,
       1,
       {14, 211},
       Day(2026, 12, 7),
       "07;12;2026;"},
      {"Down below the lower limit",
       Day(2026, 6, 7),
       Day(2026, 6, 5),
       0,
       1,
       {kDown, kDown, kDown},
       Day(2026, 6, 5),
       "05;06;2026;"},
  };
  int number = 0;
  for (const auto& c : cases) {
    // One Date at a time at (kX, kY); the ones before are moved off the screen.
    ASSERT_NE(CreateDate(++number, kX, kY, 150, 20, "", c.date, 0), 0) << c.name;
    if (c.lower || c.upper) SetDateLimits(number, c.lower, c.upper);
    Select(c.part);
    ASSERT_EQ(R(number).dateField, c.part) << c.name;
    for (const int key : c.keys) Key(key);
    EXPECT_EQ(GetGadgetState(number), c.expected) << c.name;
    EXPECT_EQ(R(number).extraText, c.parts) << c.name;
    R(number).x = 1000;  // out of the way of the next one
  }
}

TEST_F(DateEntry, LeftAndRightWrapEnterEndsTheEditClicksSelectByCells) {
  ASSERT_NE(CreateDate(1, kX, kY, 150, 20, "", Day(2026, 12, 7), 0), 0);
  Select(1);
  Key(kLeft);
  EXPECT_EQ(R(1).dateField, 3);
  Key(kRight);
  EXPECT_EQ(R(1).dateField, 1);
  headless::SetKey(kEnter, true);
  EXPECT_EQ(Frame(), 1) << "Enter is reported";
  EXPECT_EQ(R(1).dateField, 0);
  headless::SetKey(kEnter, false);

  // A click selects the first part whose first digit cell, widened by the part's own width,
  // reaches past it: day digits from 6, month from 18 + w, year from 30 + 2w ("." w wide).
  const int dot = [] {
    BeginDrawing(BackBufferTarget());
    SetDrawFont(GadgetColour(*detail::FindGadget(1), COLOR_FONT));
    const int w = TextWidth(".");
    EndDrawing();
    return w;
  }();
  const struct {
    int x, part;
  } clicks[] = {{1, 1}, {23, 1}, {24, 2}, {35 + dot, 2}, {36 + dot, 3}, {59 + 2 * dot, 3}};
  for (const auto& k : clicks) {
    R(1).dateField = 0;
    Click(kX + k.x, kY + 5);
    EXPECT_EQ(R(1).dateField, k.part) << "click at " << k.x;
  }
  R(1).dateField = 2;
  Click(kX + 60 + 2 * dot, kY + 5);
  EXPECT_EQ(R(1).dateField, 2) << "right of every part: the selection stays";
}

TEST_F(DateEntry, AClickedDayCellBecomesTheDateAndClosesTheDropDown) {
  ASSERT_NE(CreateDate(1, kX, kY, 150, 20, "", Day(2024, 2, 7), DATE_CHECKBOX), 0);
  ASSERT_NE(CreateCalendar(2, 200, 10, 201, 158, Day(2024, 2, 7)), 0);
  SetGadgetState(1, 0);  // unticked
  Click(kX + 150 - 8, kY + 5);
  ASSERT_EQ(R(1).dropState, 2);
  // The sheet's corner is (kX + 2, kY + 22); 1 February 2024 is a Thursday, so row 2,
  // column 4 is the 16th. A cell takes presses from one column right of its left edge.
  Click(kX + 2 + 1 + 28 * 4, kY + 22 + 45 + 15 * 2 + 7);
  EXPECT_EQ(GetGadgetState(1), Day(2024, 2, 16)) << "picked and ticked";
  EXPECT_EQ(R(1).dropState, 0);
  EXPECT_EQ(Toolkit().OpenPopupIndex, -1);

  // On the Calendar's February sheet the first row starts with 29 January; a cell takes
  // presses from one column right of its left edge, so that edge is the cell before's.
  const struct {
    int x, picked;
  } days[] = {{1, Day(2024, 1, 29)}, {28, Day(2024, 1, 29)}, {29, Day(2024, 1, 30)}};
  for (const auto& d : days) {
    SetGadgetState(2, Day(2024, 2, 7));
    Click(200 + 2 + d.x, 10 + 2 + 45 + 3);
    EXPECT_EQ(GetGadgetState(2), d.picked) << "column " << d.x;
  }
}

TEST_F(DateEntry, MasksOfAnyShapeDrawWhatFitsAndTypeSafely) {
  const struct {
    std::string mask;
    std::size_t parts;
  } masks[] = {
      {"x", 0},
      {"%", 0},
      {"%yy.%dd %", 1},
      {std::string(3000, '%') + "%dd", 1},
      {[] {
         std::string m;
         for (int i = 0; i < 2000; ++i) m += "%dd.";
         return m;
       }(),
       2000},
  };
  int number = 0;
  for (const auto& m : masks) {
    ASSERT_NE(CreateDate(++number, kX, kY, 60, 20, m.mask, Day(2026, 12, 7), 0), 0);
    Click(kX + 8, kY + 5);
    Key(3);  // "2"
    Key(kRight);
    Key(kEnd);
    const std::string& parts = R(number).extraText;
    EXPECT_EQ(static_cast<std::size_t>(std::count(parts.begin(), parts.end(), ';')), m.parts);
    for (int y = 0; y < 40; ++y)
      for (int x = kX + 60; x < kX + 80; ++x)
        ASSERT_EQ(headless::ShownPixel(x, y), 0x808080) << "drawn beside the field: " << x;
    R(number).x = 1000;
  }
  // The mask grew under a part being typed: its text is missing, so typing starts it over.
  ASSERT_NE(CreateDate(50, kX, kY, 150, 20, "", Day(2026, 6, 7), 0), 0);
  Select(2);
  R(50).extraText = "07;";
  for (const int key : Keys("12")) Key(key);
  EXPECT_EQ(GetGadgetState(50), Day(2026, 12, 7));
}

}  // namespace
}  // namespace bevel
