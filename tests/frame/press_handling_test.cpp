// Press and release handling of the buttons, the spin, the bars, the text field, the combo box,
// the date gadget and the calendar, driven frame by frame with a held mouse button.
#include "toolkit/frame/behaviour.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "tests/support/press_fixture.h"
#include "toolkit/gadgets/date_parts.h"
#include "toolkit/render/renderers.h"

namespace bevel {
namespace {

using detail::FrameInput;
using testing::Notice;

class Press : public testing::PressFixture {};

// ---------------------------------------------------------------------------------------------
// Buttons

TEST_F(Press, ButtonsAndCheckBoxesArmWhileHeldAndReleaseCancels) {
  ASSERT_NE(CreateButton(1, 10, 10, 60, 20, "OK"), 0);
  ASSERT_NE(CreateButton(2, 10, 40, 60, 20, "Toggle", BUTTON_TOGGLE), 0);
  detail::PressButton(R(1), Left(20, 15));
  EXPECT_EQ(R(1).state, 1);
  detail::ReleaseButton(R(1));
  EXPECT_EQ(R(1).state, 0);

  // A toggle that is on (2) is armed as 3 and falls back to 2 when the mouse leaves.
  R(2).state = 2;
  detail::PressButton(R(2), Left(20, 45));
  EXPECT_EQ(R(2).state, 3);
  detail::ReleaseButton(R(2));
  EXPECT_EQ(R(2).state, 2);

  ASSERT_NE(CreateCheckBox(3, 10, 70, 80, 20, "Tick"), 0);
  R(3).state = 2;
  detail::PressCheckBox(R(3), Left(15, 75));
  detail::PressCheckBox(R(3), Left(15, 75));  // held: unchanged
  EXPECT_EQ(R(3).state, 3);
  detail::ReleaseCheckBox(R(3));
  EXPECT_EQ(R(3).state, 2);

  veto = [](int kind, std::intptr_t) { return kind == 1; };
  detail::PressButton(R(1), Left(20, 15));
  EXPECT_EQ(R(1).state, 0);
}

// ---------------------------------------------------------------------------------------------
// Spin

TEST_F(Press, SpinStepsOnTheFirstFrameThenEveryFramesPerTenthPlusOneUntilTheMaximum) {
  ASSERT_NE(CreateSpin(1, 10, 10, 30, 20, 0, 5), 0);
  // Upper half: my < gy + h - h / 2 - 1 = 19.
  std::vector<int> stepFrames;
  for (int frame = 1; frame <= 30; ++frame) {
    const int before = R(1).value;
    detail::PressSpin(R(1), Left(20, 18));
    if (R(1).value != before) stepFrames.push_back(frame);
  }
  // FramesPerTenth 3: a step, then three frames counting down, then the next step.
  EXPECT_EQ(stepFrames, (std::vector<int>{1, 5, 9, 13, 17}));
  EXPECT_EQ(R(1).value, 5);
  EXPECT_EQ(R(1).state, 1);
  EXPECT_EQ(Of(9).size(), 5u) << "no step is offered at the maximum";
  EXPECT_EQ(Toolkit().EventGadget, 1);
}

TEST_F(Press, SpinLowerHalfCountsDownAndTheReverseFlagSwapsTheHalves) {
  ASSERT_NE(CreateSpin(1, 10, 10, 30, 20, 0, 9), 0);
  ASSERT_NE(CreateSpin(2, 50, 10, 30, 20, 0, 9, SPIN_REVERSED), 0);
  R(1).value = R(2).value = 5;
  detail::PressSpin(R(1), Left(20, 19));  // the first row of the lower half
  EXPECT_EQ(R(1).value, 4);
  EXPECT_EQ(R(1).state, 2);
  detail::PressSpin(R(2), Left(60, 12));
  EXPECT_EQ(R(2).value, 4);
  EXPECT_EQ(Of(1), (std::vector<Notice>{{1, 1, 1}, {2, 1, 0}}));

  Toolkit().FramesPerTenth = 0;  // the first frame: nothing measured yet, a step every frame
  R(1).repeatDelay = 0;
  for (int frame = 0; frame < 3; ++frame) detail::PressSpin(R(1), Left(20, 12));
  EXPECT_EQ(R(1).value, 7);
  veto = [](int kind, std::intptr_t) { return kind == 9; };
  detail::PressSpin(R(1), Left(20, 12));
  EXPECT_EQ(R(1).value, 7);
}

// ---------------------------------------------------------------------------------------------
// Track bar: width 111 gives a 100-pixel track; with range 10 value v has its thumb centre at
// 10 v + 5 and is taken by a drag over 10 v .. 10 v + 9.

TEST_F(Press, TrackBarPageStepIsTheCeilingOfAFifthOfTheRange) {
  const int maxima[] = {100, 7, 10, 4};
  const int steps[] = {20, 2, 2, 1};
  for (int k = 0; k < 4; ++k) {
    const int number = k + 1;
    ASSERT_NE(CreateTrackBar(number, 0, 30 * k, 111, 20, 0, maxima[k], 0), 0);
    detail::PressTrackBar(R(number), Left(105, 30 * k + 5));
    EXPECT_EQ(R(number).value, steps[k]) << "range 0.." << maxima[k];
    EXPECT_EQ(R(number).state, 2);
  }
}

TEST_F(Press, TrackBarPagesTowardTheMouseThenTakesTheThumbWithoutTurningRound) {
  ASSERT_NE(CreateTrackBar(1, 0, 10, 111, 20, 0, 100, 0), 0);
  // Pages of 20 toward x = 60, one every PageRepeat (4) + 1 frames, until the thumb (centre
  // value + 5) lies within 5 pixels of the mouse; then it is taken.
  std::vector<int> stepFrames;
  int takenAt = 0;
  for (int frame = 1; frame <= 20 && takenAt == 0; ++frame) {
    const int before = R(1).value;
    detail::PressTrackBar(R(1), Left(60, 15));
    if (R(1).value != before) stepFrames.push_back(frame);
    if (R(1).state == 3) takenAt = frame;
  }
  EXPECT_EQ(stepFrames, (std::vector<int>{1, 6, 11}));
  EXPECT_EQ(takenAt, 16);
  EXPECT_EQ(R(1).value, 60);
  // From now on a drag: the value whose thumb band holds the mouse.
  detail::PressTrackBar(R(1), Left(60, 15));
  EXPECT_EQ(R(1).value, 56);

  // A page press going up does not reverse when the mouse is on the other side.
  ASSERT_NE(CreateTrackBar(2, 0, 40, 111, 20, 0, 100, 0), 0);
  R(2).value = 50;
  detail::PressTrackBar(R(2), Left(100, 45));
  EXPECT_EQ(R(2).value, 70);
  R(2).repeatDelay = 0;
  detail::PressTrackBar(R(2), Left(2, 45));
  EXPECT_EQ(R(2).value, 70);
  EXPECT_EQ(R(2).state, 2);
}

TEST_F(Press, TrackBarThumbDragLeavesAndResumes) {
  ASSERT_NE(CreateTrackBar(1, 0, 10, 111, 20, 0, 10, 0), 0);
  detail::PressTrackBar(R(1), Left(5, 15));  // on the thumb at value 0
  EXPECT_EQ(R(1).state, 3);
  detail::PressTrackBar(R(1), Left(47, 15));
  EXPECT_EQ(R(1).value, 4);
  detail::ReleaseTrackBar(R(1));  // the mouse leaves the bar with the button held
  EXPECT_EQ(R(1).state, 5);
  detail::PressTrackBar(R(1), Left(93, 15));  // back: the drag continues
  EXPECT_EQ(R(1).value, 9);
  EXPECT_EQ(R(1).state, 3);
  detail::PressTrackBar(R(1), Left(105, 15));
  EXPECT_EQ(R(1).value, 10);
  EXPECT_EQ(Of(9)[1].item, 5) << "kind 9 carries the difference";

  // Vertical: value 0 sits at the bottom, v is centred at 111 - (10 v + 5).
  ASSERT_NE(CreateTrackBar(2, 150, 0, 20, 111, 0, 10, FLAG_VERTICAL), 0);
  detail::PressTrackBar(R(2), Left(155, 10));
  EXPECT_EQ(R(2).value, 2);
  R(2).state = 3;
  detail::PressTrackBar(R(2), Left(155, 111 - 75));
  EXPECT_EQ(R(2).value, 7);
}

// ---------------------------------------------------------------------------------------------
// Scroll bar 0..100, page 10, 200 wide: thumb 10 / 101 x 172 = 17.03 long, moving
// (200 - 17.03 - 28) / 91 = 1.703 pixels per value; at value 0 it covers 14 .. 31.

TEST_F(Press, ScrollBarArrowsRepeatAndPagesStopAtTheLastPage) {
  ASSERT_NE(CreateScrollBar(1, 0, 100, 200, 16, 0, 100, 10, 0), 0);
  for (int frame = 0; frame < 5; ++frame) detail::PressScrollBar(R(1), Left(195, 105));
  EXPECT_EQ(R(1).value, 2);  // frames 1 and 5
  EXPECT_EQ(R(1).state, 3);
  detail::ReleaseScrollBar(R(1));
  EXPECT_EQ(R(1).state, 0);

  R(1).repeatDelay = 0;
  detail::PressScrollBar(R(1), Left(5, 105));
  EXPECT_EQ(R(1).value, 1);
  EXPECT_EQ(R(1).state, 2);

  R(1).value = 85;
  R(1).repeatDelay = 0;
  detail::PressScrollBar(R(1), Left(183, 105));  // right of the thumb: page forward
  EXPECT_EQ(R(1).value, 91);                     // maximum - page + 1
  EXPECT_EQ(Of(9).back().item, 6);
  R(1).repeatDelay = 0;
  detail::PressScrollBar(R(1), Left(20, 105));  // left of the thumb: page back
  EXPECT_EQ(R(1).value, 81);
  EXPECT_EQ(Toolkit().EventGadget, 1);
}

TEST_F(Press, ScrollBarThumbDraggedOffTheBarKeepsStateFiveAndContinuesWhenBack) {
  ASSERT_NE(CreateScrollBar(1, 0, 100, 200, 16, 0, 100, 10, 0), 0);
  detail::PressScrollBar(R(1), Left(20, 105));
  EXPECT_EQ(R(1).state, 4);
  EXPECT_EQ(R(1).hoverItem, 6);  // grabbed 6 pixels into the thumb
  detail::PressScrollBar(R(1), Left(37, 105));
  EXPECT_EQ(R(1).value, 10);
  detail::ReleaseScrollBar(R(1));
  EXPECT_EQ(R(1).state, 5);
  // Back over the bar at what would be a page area: the drag goes on.
  detail::PressScrollBar(R(1), Left(54, 105));
  EXPECT_EQ(R(1).state, 4);
  EXPECT_EQ(R(1).value, 20);
  detail::PressScrollBar(R(1), Left(190, 105));
  EXPECT_EQ(R(1).value, 91);
  detail::PressScrollBar(R(1), Left(1, 105));
  EXPECT_EQ(R(1).value, 0);
}

TEST_F(Press, BarsWithoutARangeOrOverTheWholeIntRangeAreSafe) {
  ASSERT_NE(CreateTrackBar(1, 0, 0, 111, 20, 5, 5, 0), 0);
  ASSERT_NE(CreateTrackBar(2, 0, 30, 111, 20, INT_MIN, INT_MAX, 0), 0);
  ASSERT_NE(CreateTrackBar(3, 0, 60, 3, 2, 0, 10, 0), 0);  // a track of negative length
  ASSERT_NE(CreateScrollBar(4, 0, 0, 200, 16, 10, 0, 5, 0), 0);
  ASSERT_NE(CreateScrollBar(5, 0, 20, 200, 16, INT_MIN, INT_MAX, 0, 0), 0);
  ASSERT_NE(CreateScrollBar(6, 0, 40, 10, 4, 0, 100, 500, 0), 0);
  for (int number = 1; number <= 6; ++number) {
    for (int x = -20; x < 220; x += 7) {
      R(number).repeatDelay = 0;
      if (number <= 3) R(number).state = x < 100 ? 0 : 3;  // pages, then drags
      (number <= 3 ? detail::PressTrackBar : detail::PressScrollBar)(R(number),
                                                                     Left(x, R(number).y + 2));
    }
  }
  EXPECT_EQ(R(1).value, 5);
  EXPECT_GT(R(2).value, INT_MIN);
  EXPECT_GE(R(3).value, 0);
  EXPECT_LE(R(3).value, 10);
  EXPECT_EQ(R(6).value, 0) << "the page covers the range: nothing to scroll";
}

// ---------------------------------------------------------------------------------------------
// String

TEST_F(Press, StringClickOfOneFrameLeavesAFocusedFieldWithBothEndsValid) {
  ASSERT_NE(CreateString(1, 10, 10, 100, 20, "hello", -1, 0), 0);
  ASSERT_EQ(R(1).cursor, -1);
  detail::PressString(R(1), Left(10, 10));  // the very corner of the field
  EXPECT_EQ(R(1).state, 4) << "the renderer places both ends at the point";
  EXPECT_EQ(R(1).selectionStart, 5);
  EXPECT_EQ(R(1).cursor, 5);
  EXPECT_EQ(R(1).pickX, 1) << "0 would mean no point";
  EXPECT_EQ(R(1).pickY, 2) << "above the first line would place nothing";
  EXPECT_EQ(Toolkit().EventGadget, 1);
  EXPECT_EQ(Of(11).size(), 1u);

  // Held: only the caret follows (a drag selects); focus is not announced again.
  detail::PressString(R(1), Left(60, 20));
  EXPECT_EQ(R(1).state, 3);
  EXPECT_EQ(R(1).pickX, 50);
  EXPECT_EQ(R(1).pickY, 10);
  R(1).state = 1;  // the update pass after the release
  R(1).cursor = R(1).selectionStart = 2;
  detail::PressString(R(1), Left(30, 15));
  EXPECT_EQ(R(1).state, 4);
  EXPECT_EQ(R(1).cursor, 2) << "a caret that exists stays until the renderer moves it";
  EXPECT_EQ(Of(11).size(), 1u);
}

// ---------------------------------------------------------------------------------------------
// Combo box: 100 wide, 5 rows (a list 74 high); the field is TextHeight(" ") + 4 high and
// needs a drawing session to be measured, as in a frame.

class ComboPress : public Press {
 protected:
  void SetUp() override {
    Press::SetUp();
    Draw();
    SetDrawFont(font_);
    field_ = TextHeight(" ") + 4;
    ASSERT_GT(field_, 4);
  }
  void Fill(int number, int count) {
    for (int k = 0; k < count; ++k) ASSERT_NE(AddGadgetItem(number, -1, "item"), 0);
  }
  int field_ = 0;
};

TEST_F(ComboPress, AVetoOfKindThirteenKeepsTheBoxClosed) {
  ASSERT_NE(CreateComboBox(1, 10, 10, 100, 5, 0), 0);
  veto = [](int kind, std::intptr_t) { return kind == 13; };
  detail::PressComboBox(R(1), Left(100, 12));  // drop button
  EXPECT_EQ(R(1).dropState, 0);
  detail::PressComboBox(R(1), Left(40, 12));  // the field of a fixed box
  EXPECT_EQ(R(1).dropState, 0);

  veto = nullptr;
  detail::PressComboBox(R(1), Left(100, 12));
  EXPECT_EQ(R(1).dropState, 1);
  detail::PressComboBox(R(1), Left(100, 12));  // held: stays armed
  EXPECT_EQ(R(1).dropState, 1);
  detail::ReleaseDropDown(R(1));
  EXPECT_EQ(R(1).dropState, 0);
  detail::PressComboBox(R(1), Left(40, 12));
  EXPECT_EQ(R(1).dropState, 5) << "open at the next update pass";
  R(1).dropState = 2;
  detail::PressComboBox(R(1), Left(40, 12));
  EXPECT_EQ(R(1).dropState, 6) << "close at the next update pass";
  EXPECT_TRUE(Of(15).empty()) << "the update pass reports the close once";
}

TEST_F(ComboPress, PicksARowOfTheOpenListBelowOrAbove) {
  ASSERT_NE(CreateComboBox(1, 10, 10, 100, 5, 0), 0);
  ASSERT_NE(CreateComboBox(2, 10, 100, 100, 5, 0), 0);
  Fill(1, 3);  // fewer than rows: the list is 3 x 14 + 4 = 46 high
  Fill(2, 3);
  R(1).dropState = R(2).dropState = 2;
  const int top = 10 + field_;
  detail::PressComboBox(R(1), Left(40, top + 2 + 14 + 3));
  EXPECT_EQ(R(1).value, 2);
  EXPECT_EQ(R(1).state, 1);
  EXPECT_EQ(R(1).dropClose, 1);
  EXPECT_EQ(Toolkit().EventGadget, 0) << "the pick completes in the update pass";

  R(2).dropUp = 1;  // list at 100 - 46 .. 99
  detail::PressComboBox(R(2), Left(40, 54 + 2 + 3));
  EXPECT_EQ(R(2).value, 1);
  R(2).dropClose = 0;
  detail::PressComboBox(R(2), Left(40, 54 + 44));  // below the last row, inside the frame
  EXPECT_EQ(R(2).value, 1);
  EXPECT_EQ(R(2).dropClose, 0);

  veto = [](int kind, std::intptr_t) { return kind == 4; };
  detail::PressComboBox(R(1), Left(40, top + 2 + 3));
  EXPECT_EQ(R(1).value, 2);

  // A handler that empties the list when asked leaves nothing to select (found by the monkey).
  veto = [](int kind, std::intptr_t) {
    while (kind == 4 && CountGadgetItems(1) > 0) RemoveGadgetItem(1, 0);
    return false;
  };
  detail::PressComboBox(R(1), Left(40, top + 2 + 14 + 3));
  EXPECT_EQ(GetGadgetState(1), -1);
}

TEST_F(ComboPress, OpenListScrollBarAndEditableField) {
  ASSERT_NE(CreateComboBox(1, 10, 10, 100, 5, COMBO_EDITABLE), 0);
  Fill(1, 8);
  R(1).dropState = 2;
  Toolkit().OpenPopupIndex = R(1).listIndex;
  const int top = 10 + field_;
  detail::PressComboBox(R(1), Left(101, top + 74 - 10));  // the list's down arrow
  EXPECT_EQ(R(1).topItem, 1);
  EXPECT_EQ(R(1).state, 3);
  EXPECT_EQ(R(1).value, 0) << "the bar is not a row";

  // The field of an editable box closes the list at once and takes the focus.
  R(1).state = 0;
  detail::PressComboBox(R(1), Left(30, 12));
  EXPECT_EQ(R(1).dropState, 0);
  EXPECT_EQ(Toolkit().OpenPopupIndex, -1);
  EXPECT_EQ(Of(15).size(), 1u);
  EXPECT_EQ(R(1).state, 4);
  EXPECT_EQ(Of(11).size(), 1u);
}

// ---------------------------------------------------------------------------------------------
// Date gadget and calendar

class DatePress : public Press {
 protected:
  static int Day(int y, int m, int d) { return MakeDate(y, m, d, 0, 0, 0); }
  static DateParts Parts(int y, int m, int d) { return DateParts{y, m, d, 0, 0}; }
  static bool Same(const DateParts& a, const DateParts& b) {
    return detail::CompareDates(a, b) == 0;
  }
};

TEST_F(DatePress, CheckBoxTextAreaArrowsAndCalendarButton) {
  ASSERT_NE(CreateDate(1, 10, 10, 120, 20, "", Day(2026, 12, 7), DATE_UPDOWN | DATE_CHECKBOX), 0);
  detail::PressDate(R(1), Left(14, 15));
  EXPECT_EQ(R(1).state, 5);
  EXPECT_EQ(Of(6).size(), 1u);

  detail::PressDate(R(1), Left(50, 15));
  EXPECT_EQ(R(1).state, 2);
  EXPECT_EQ(R(1).pickX, 40);
  EXPECT_EQ(Of(11).size(), 1u);
  detail::PressDate(R(1), Left(60, 15));  // held: the first click stands
  EXPECT_EQ(R(1).pickX, 40);

  // Up arrow with the day selected: repeats every FramesPerTenth / 2 + 1 frames.
  R(1).dateField = 1;
  R(1).dateFieldType = detail::PART_DAY;
  R(1).extraText = "07;12;2026;";
  for (int frame = 0; frame < 3; ++frame) detail::PressDate(R(1), Left(122, 12));
  EXPECT_EQ(R(1).state, 3);
  EXPECT_EQ(R(1).date.day, 9);
  EXPECT_EQ(R(1).extraText, "09;12;2026;");
  EXPECT_EQ(Of(1).back().item, 0);
  EXPECT_EQ(Toolkit().EventGadget, 1);

  // Without the arrows the right end is the calendar button.
  ASSERT_NE(CreateDate(2, 10, 40, 120, 20, "", Day(2026, 1, 15), 0), 0);
  veto = [](int kind, std::intptr_t) { return kind == 13; };
  detail::PressDate(R(2), Left(122, 45));
  EXPECT_EQ(R(2).dropState, 0);
  veto = nullptr;
  detail::PressDate(R(2), Left(122, 45));
  EXPECT_EQ(R(2).dropState, 1);
}

TEST_F(DatePress, StepDatePartDoesNotWrapAndKeepsTheOtherPartsText) {
  ASSERT_NE(CreateDate(1, 10, 10, 120, 20, "", Day(2024, 2, 29), 0), 0);
  Gadget& g = R(1);
  g.extraText = "29;2;2024;";  // the month part holds a digit being typed
  g.dateField = 3;
  g.dateFieldType = detail::PART_YEAR;
  detail::StepDatePart(g, 1);
  EXPECT_TRUE(Same(g.date, Parts(2025, 2, 28))) << "29 February lowered in a common year";
  EXPECT_EQ(g.extraText, "29;2;2025;");

  g.dateField = 1;
  g.dateFieldType = detail::PART_DAY;
  detail::StepDatePart(g, 1);
  EXPECT_EQ(g.date.day, 28) << "no wrap-around at the month's end";
  EXPECT_EQ(g.extraText, "28;2;2025;");

  g.dateField = 7;  // more parts than extraText holds: the date steps, no text to rewrite
  detail::StepDatePart(g, -1);
  EXPECT_EQ(g.extraText, "28;2;2025;");
}

TEST_F(DatePress, MonthBackCrossesTheYearAndLowersTheDay) {
  // The calendar drops below the field: 201 x 158 at (10, 30), face corner (12, 32).
  ASSERT_NE(CreateDate(1, 10, 10, 120, 20, "", Day(2026, 1, 15), 0), 0);
  R(1).dropState = 2;
  const FrameInput back = Left(12 + 10, 32 + 10);
  detail::PressDate(R(1), back);
  EXPECT_TRUE(Same(R(1).date, Parts(2025, 12, 15)));
  EXPECT_EQ(R(1).state, 12);

  R(1).date = Parts(2024, 3, 31);
  R(1).repeatDelay = 0;
  detail::PressDate(R(1), back);
  EXPECT_TRUE(Same(R(1).date, Parts(2024, 2, 29)));
  R(1).date = Parts(2026, 3, 31);
  R(1).repeatDelay = 0;
  detail::PressDate(R(1), back);
  EXPECT_TRUE(Same(R(1).date, Parts(2026, 2, 28)));

  // Held: the next step waits FramesPerTenth x 3 / 2 = 4 frames.
  for (int frame = 0; frame < 4; ++frame) detail::PressDate(R(1), back);
  EXPECT_EQ(R(1).date.month, 2);
  detail::PressDate(R(1), back);
  EXPECT_EQ(R(1).date.month, 1);
}

TEST_F(DatePress, CalendarDayGridTodayLineAndLimits) {
  ASSERT_NE(CreateCalendar(1, 0, 0, 201, 158, Day(2026, 2, 5)), 0);
  // Face corner (2, 2); day cells of 28 x 15 from (3, 47).
  detail::PressCalendar(R(1), Left(3 + 28 * 2 + 5, 47 + 15 + 5));
  EXPECT_EQ(R(1).state, 10);
  EXPECT_EQ(R(1).pickX, 2);
  EXPECT_EQ(R(1).pickY, 1);

  // A lower limit inside January: the month before it cannot be shown, the month holding it
  // can, with the day raised to the limit.
  ASSERT_EQ(SetDateLimits(1, Day(2026, 1, 10), Day(2026, 3, 20)), 1);
  const FrameInput back = Left(2 + 10, 2 + 10), forward = Left(2 + 175, 2 + 10);
  detail::PressCalendar(R(1), back);
  EXPECT_TRUE(Same(R(1).date, Parts(2026, 1, 10)));
  R(1).repeatDelay = 0;
  detail::PressCalendar(R(1), back);
  EXPECT_TRUE(Same(R(1).date, Parts(2026, 1, 10)));
  EXPECT_EQ(R(1).state, 12);
  R(1).date = Parts(2026, 2, 28);
  R(1).repeatDelay = 0;
  detail::PressCalendar(R(1), forward);
  EXPECT_TRUE(Same(R(1).date, Parts(2026, 3, 20)));
  EXPECT_EQ(R(1).state, 13);

  // The today line (the headless clock starts on 14 February 2007, outside the limits).
  SetDateLimits(1, 0, 0);
  detail::PressCalendar(R(1), Left(50, 2 + 140));
  EXPECT_TRUE(Same(R(1).date, Parts(2007, 2, 14)));
  EXPECT_EQ(R(1).state, 0);
  EXPECT_EQ(Toolkit().EventGadget, 1);
}

TEST_F(DatePress, YearSpinStepsOnTheFirstPressAndItsOuterRowsAreDead) {
  ASSERT_NE(CreateCalendar(1, 0, 0, 201, 158, Day(2026, 5, 5)), 0);
  // Face corner (2, 2): the spin is cx + 150 .. 164, up rows cy + 6 .. 14, down cy + 15 .. 23,
  // but only the header rows cy + 7 .. 21 take presses.
  const struct {
    int dy, state, year;
  } presses[] = {
      {8, 16, 2027},   // year field not active before: the spin steps at once
      {7, 16, 2028},   // the top header row
      {6, 0, 2028},    // the spin's top row lies above the header
      {15, 17, 2027},  // the lower half
      {21, 17, 2026},  // the last header row
      {22, 0, 2026},   // the spin's lower rows lie below it
      {23, 0, 2026},
  };
  for (const auto& p : presses) {
    R(1).state = 0;
    R(1).repeatDelay = 0;
    detail::PressCalendar(R(1), Left(2 + 155, 2 + p.dy));
    EXPECT_EQ(R(1).state, p.state) << "row cy + " << p.dy;
    EXPECT_EQ(R(1).date.year, p.year) << "row cy + " << p.dy;
  }
  ASSERT_EQ(SetDateLimits(1, 0, Day(2026, 12, 31)), 1);
  R(1).repeatDelay = 0;
  detail::PressCalendar(R(1), Left(2 + 155, 2 + 8));
  EXPECT_EQ(R(1).date.year, 2026) << "the upper limit";
  detail::PressCalendar(R(1), Left(2 + 60, 2 + 35));  // weekday names: nothing there
  EXPECT_EQ(R(1).state, 0);
}

}  // namespace
}  // namespace bevel
