// Dates: civil arithmetic, carries, clamping, day of week and masks. Every expected value is a
// fixed civil reading, so the results hold in any time zone and on any day.
#include <gtest/gtest.h>

#include <climits>

#include "services/headless.h"
#include "services/services.h"

namespace bevel {
namespace {

struct Civil {
  int year, month, day, hour, minute, second;
};

void ExpectFields(int date, const Civil& c) {
  const Civil got = {DateYear(date), DateMonth(date),  DateDay(date),
                     DateHour(date), DateMinute(date), DateSecond(date)};
  EXPECT_TRUE(got.year == c.year && got.month == c.month && got.day == c.day &&
              got.hour == c.hour && got.minute == c.minute && got.second == c.second)
      << "date " << date << " reads " << got.year << "-" << got.month << "-" << got.day << " "
      << got.hour << ":" << got.minute << ":" << got.second << ", expected " << c.year << "-"
      << c.month << "-" << c.day << " " << c.hour << ":" << c.minute << ":" << c.second;
}

int Make(const Civil& c) {
  return MakeDate(c.year, c.month, c.day, c.hour, c.minute, c.second);
}

TEST(Dates, KnownSecondCountsAndNegativeDates) {
  EXPECT_EQ(MakeDate(1970, 1, 1, 0, 0, 0), 0);
  EXPECT_EQ(MakeDate(1969, 12, 31, 23, 59, 59), -1);
  EXPECT_EQ(MakeDate(2000, 1, 1, 0, 0, 0), 946684800);
  EXPECT_EQ(MakeDate(2038, 1, 19, 3, 14, 7), INT32_MAX);
  EXPECT_EQ(MakeDate(1901, 12, 13, 20, 45, 52), INT32_MIN);
  ExpectFields(-1, {1969, 12, 31, 23, 59, 59});
  ExpectFields(-86401, {1969, 12, 30, 23, 59, 59});
  ExpectFields(INT32_MIN, {1901, 12, 13, 20, 45, 52});
  ExpectFields(INT32_MAX, {2038, 1, 19, 3, 14, 7});
}

// First and last second of every month round-trip, and the day after a month's last is the next
// month's first: this pins every month length in common and leap years.
TEST(Dates, MonthLengthsAndLeapYears) {
  const int common[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (int year : {1904, 1905, 1999, 2000, 2023, 2024, 2036}) {
    const bool leap = year % 4 == 0;  // 2000 is the only century year in range
    for (int month = 1; month <= 12; ++month) {
      const int last = common[month - 1] + (month == 2 && leap ? 1 : 0);
      ExpectFields(MakeDate(year, month, 1, 0, 0, 0), {year, month, 1, 0, 0, 0});
      ExpectFields(MakeDate(year, month, last, 23, 59, 59), {year, month, last, 23, 59, 59});
      EXPECT_EQ(MakeDate(year, month, last + 1, 0, 0, 0), MakeDate(year, month + 1, 1, 0, 0, 0))
          << year << "-" << month;
    }
  }
  // 1900 and 2100 lie outside i32, but a day carry brings the result in range: no Feb 29.
  ExpectFields(MakeDate(1900, 2, 29 + 700, 0, 0, 0), {1902, 1, 30, 0, 0, 0});
  ExpectFields(MakeDate(2100, 2, 29 - 23000, 0, 0, 0), {2037, 3, 11, 0, 0, 0});
}

TEST(Dates, OutOfRangeFieldsCarry) {
  const struct {
    Civil in, out;
  } cases[] = {
      {{2023, 13, 1, 0, 0, 0}, {2024, 1, 1, 0, 0, 0}},
      {{2023, 0, 15, 0, 0, 0}, {2022, 12, 15, 0, 0, 0}},
      {{2023, -12, 1, 0, 0, 0}, {2021, 12, 1, 0, 0, 0}},
      {{2023, 2, 31, 0, 0, 0}, {2023, 3, 3, 0, 0, 0}},
      {{2024, 2, 31, 0, 0, 0}, {2024, 3, 2, 0, 0, 0}},
      {{2024, 1, -1, 0, 0, 0}, {2023, 12, 30, 0, 0, 0}},
      {{2023, 12, 31, 24, 0, 0}, {2024, 1, 1, 0, 0, 0}},
      {{2024, 1, 1, -25, 0, 0}, {2023, 12, 30, 23, 0, 0}},
      {{2024, 1, 1, 0, -1, 0}, {2023, 12, 31, 23, 59, 0}},
      {{2000, 1, 1, 0, 90, 3690}, {2000, 1, 1, 2, 31, 30}},
      {{1970, 1, 1, 0, 0, -1}, {1969, 12, 31, 23, 59, 59}},
      // A huge field that lands back in range is carried exactly, not clamped on the way.
      {{2100, 1, 1, 0, 0, -INT_MAX}, {2031, 12, 13, 20, 45, 53}},
  };
  for (const auto& c : cases) ExpectFields(Make(c.in), c.out);
}

TEST(Dates, ResultsBeyondI32AreClamped) {
  EXPECT_EQ(MakeDate(2038, 1, 19, 3, 14, 8), INT32_MAX);
  EXPECT_EQ(MakeDate(1901, 12, 13, 20, 45, 51), INT32_MIN);
  EXPECT_EQ(MakeDate(INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX), INT32_MAX);
  EXPECT_EQ(MakeDate(INT_MIN, INT_MIN, INT_MIN, INT_MIN, INT_MIN, INT_MIN), INT32_MIN);
  EXPECT_EQ(DateAddDays(INT32_MAX - 86400, 1), INT32_MAX);
  EXPECT_EQ(DateAddDays(INT32_MIN + 10, -1), INT32_MIN);
  EXPECT_EQ(DateAddDays(0, INT_MAX), INT32_MAX);
  EXPECT_EQ(DateAddDays(0, INT_MIN), INT32_MIN);
}

TEST(Dates, DayOfWeekAndAddDays) {
  EXPECT_EQ(DateDayOfWeek(MakeDate(1970, 1, 1, 0, 0, 0)), 4);     // Thursday
  EXPECT_EQ(DateDayOfWeek(MakeDate(2007, 2, 1, 23, 59, 59)), 4);  // Thursday
  EXPECT_EQ(DateDayOfWeek(MakeDate(2007, 10, 1, 12, 0, 0)), 1);   // Monday
  EXPECT_EQ(DateDayOfWeek(-1), 3);                                // Wednesday
  EXPECT_EQ(DateDayOfWeek(INT32_MIN), 5);                         // Friday
  for (int i = 0; i < 7; ++i) EXPECT_EQ(DateDayOfWeek(MakeDate(2000, 2, 27 + i, 0, 0, 0)), i);

  const int date = MakeDate(2024, 1, 31, 12, 34, 56);
  ExpectFields(DateAddDays(date, 1), {2024, 2, 1, 12, 34, 56});
  ExpectFields(DateAddDays(date, 30), {2024, 3, 1, 12, 34, 56});
  ExpectFields(DateAddDays(date, -31), {2023, 12, 31, 12, 34, 56});
  ExpectFields(DateAddDays(date, 366), {2025, 1, 31, 12, 34, 56});
  ExpectFields(DateAddDays(MakeDate(1970, 1, 1, 6, 0, 0), -1), {1969, 12, 31, 6, 0, 0});
}

TEST(Dates, FormatDateMasks) {
  const int date = MakeDate(2007, 2, 1, 8, 5, 9);
  const struct {
    const char* mask;
    const char* text;
  } cases[] = {
      {"%yyyy-%mm-%dd %hh:%ii:%ss", "2007-02-01 08:05:09"},
      {"%YYYY/%MM/%DD %HH.%II.%SS", "2007/02/01 08.05.09"},
      {"%Dd.%mM.%Yy", "01.02.07"},
      {"%yyy|%yyyyy", "07y|2007y"},  // "%yyyy" does not fit, "%yy" does
      {"%x %y %m-%d %h%i", "%x %y %m-%d %h%i"},
      {"100%", "100%"},
      {"%%dd%", "%01%"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatDate(c.mask, date), c.text) << "mask " << c.mask;
  EXPECT_EQ(FormatDate("%yyyy %yy", -1), "1969 69");
}

TEST(Dates, NowFollowsTheDeviceClockAndClamps) {
  headless::Reset();
  headless::Use();
  headless::SetDateAtClockZero(MakeDate(2007, 2, 14, 23, 59, 30));
  headless::SetClock(45'999);
  ExpectFields(DateNow(), {2007, 2, 15, 0, 0, 15});
  headless::SetDateAtClockZero(INT32_MAX - 5);
  headless::SetClock(10'000);
  EXPECT_EQ(DateNow(), INT32_MAX);
  headless::Reset();
}

}  // namespace
}  // namespace bevel
