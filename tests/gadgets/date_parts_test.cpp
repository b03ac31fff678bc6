// The date part operations: parts, validity, month lengths, leap years, clamping,
// comparison, limits, and the split / join with the date services.
#include <gtest/gtest.h>

#include "services/headless.h"
#include "toolkit/gadgets/date_parts.h"
#include "toolkit/toolkit.h"

namespace bevel::detail {
namespace {

DateParts Parts(int year, int month, int day, int hour = 0, int minute = 0) {
  return DateParts{year, month, day, hour, minute};
}

void ExpectParts(const DateParts& d, const DateParts& want, const char* note = "") {
  EXPECT_TRUE(CompareDates(d, want) == 0)
      << note << ": got " << d.year << "-" << d.month << "-" << d.day << " " << d.hour << ":"
      << d.minute << ", want " << want.year << "-" << want.month << "-" << want.day << " "
      << want.hour << ":" << want.minute;
}

class DatePartsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    headless::Reset();
    headless::Use();
    InitToolkit();
  }
};

TEST_F(DatePartsTest, LeapYears) {
  EXPECT_EQ(IsLeapYear(Parts(2000, 1, 1)), 1) << "divisible by 400";
  EXPECT_EQ(IsLeapYear(Parts(2024, 1, 1)), 1);
  EXPECT_EQ(IsLeapYear(Parts(2100, 1, 1)), 0) << "divisible by 100, not by 400";
  EXPECT_EQ(IsLeapYear(Parts(1900, 1, 1)), 0);
  EXPECT_EQ(IsLeapYear(Parts(2026, 1, 1)), 0);
}

TEST_F(DatePartsTest, DaysInMonth) {
  const int lengths[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (int month = 1; month <= 12; ++month) {
    EXPECT_EQ(DaysInMonth(Parts(2026, month, 1)), lengths[month]) << "month " << month;
  }
  EXPECT_EQ(DaysInMonth(Parts(2024, 2, 1)), 29);
  EXPECT_EQ(DaysInMonth(Parts(2100, 2, 1)), 28);
  EXPECT_EQ(DaysInMonth(Parts(2026, 0, 1)), 0);
  EXPECT_EQ(DaysInMonth(Parts(2026, 13, 1)), 0);
}

TEST_F(DatePartsTest, GetAndSetParts) {
  DateParts d = Parts(2026, 12, 7, 10, 30);
  EXPECT_EQ(GetDatePart(d, PART_YEAR), 2026);
  EXPECT_EQ(GetDatePart(d, PART_YEAR2), 2026);
  EXPECT_EQ(GetDatePart(d, PART_MONTH), 12);
  EXPECT_EQ(GetDatePart(d, PART_DAY), 7);
  EXPECT_EQ(GetDatePart(d, PART_HOUR), 10);
  EXPECT_EQ(GetDatePart(d, PART_MINUTE), 30);
  EXPECT_EQ(GetDatePart(d, 0), 0);
  EXPECT_EQ(GetDatePart(d, 7), 0);
  SetDatePart(d, PART_YEAR, 1999);
  SetDatePart(d, PART_MONTH, 2);
  SetDatePart(d, PART_DAY, 28);
  SetDatePart(d, PART_HOUR, 23);
  SetDatePart(d, PART_MINUTE, 59);
  ExpectParts(d, Parts(1999, 2, 28, 23, 59));
  SetDatePart(d, PART_YEAR2, 2001);
  EXPECT_EQ(d.year, 2001);
  SetDatePart(d, 0, 5);
  SetDatePart(d, 9, 5);
  ExpectParts(d, Parts(2001, 2, 28, 23, 59));
}

TEST_F(DatePartsTest, ValidYearsIncludingPartialOnes) {
  const DateParts d = Parts(2026, 12, 7);
  EXPECT_EQ(IsValidDatePart(d, PART_YEAR, 1970, 0), 1);
  EXPECT_EQ(IsValidDatePart(d, PART_YEAR, 2037, 0), 1);
  EXPECT_EQ(IsValidDatePart(d, PART_YEAR, 1969, 0), 0) << "a complete year below 1970";
  EXPECT_EQ(IsValidDatePart(d, PART_YEAR, 2038, 0), 0);
  EXPECT_EQ(IsValidDatePart(d, PART_YEAR, 1, 1), 1) << "being typed: '1'";
  EXPECT_EQ(IsValidDatePart(d, PART_YEAR, 19, 1), 1);
  EXPECT_EQ(IsValidDatePart(d, PART_YEAR, 199, 1), 1);
  EXPECT_EQ(IsValidDatePart(d, PART_YEAR, 1969, 1), 1) << "partial allows any year to 2037";
  EXPECT_EQ(IsValidDatePart(d, PART_YEAR, 2038, 1), 0) << "above 2037 even while typing";
  EXPECT_EQ(IsValidDatePart(d, PART_YEAR, 0, 1), 0) << "0 is never a year";
  EXPECT_EQ(IsValidDatePart(d, PART_YEAR, -1, 1), 0);
  EXPECT_EQ(IsValidDatePart(d, PART_YEAR2, 26, 1), 1);
  EXPECT_EQ(IsValidDatePart(d, PART_YEAR2, 26, 0), 0);
}

TEST_F(DatePartsTest, ValidMonthsDaysHoursMinutes) {
  const DateParts december = Parts(2026, 12, 7);
  const DateParts november = Parts(2026, 11, 7);
  EXPECT_EQ(IsValidDatePart(december, PART_MONTH, 12, 0), 1);
  EXPECT_EQ(IsValidDatePart(december, PART_MONTH, 13, 0), 0);
  EXPECT_EQ(IsValidDatePart(december, PART_MONTH, 0, 1), 0);
  EXPECT_EQ(IsValidDatePart(december, PART_DAY, 31, 0), 1);
  EXPECT_EQ(IsValidDatePart(november, PART_DAY, 31, 0), 0);
  EXPECT_EQ(IsValidDatePart(november, PART_DAY, 30, 0), 1);
  EXPECT_EQ(IsValidDatePart(Parts(2024, 2, 1), PART_DAY, 29, 0), 1);
  EXPECT_EQ(IsValidDatePart(Parts(2026, 2, 1), PART_DAY, 29, 0), 0);
  EXPECT_EQ(IsValidDatePart(december, PART_DAY, 0, 0), 0);
  EXPECT_EQ(IsValidDatePart(december, PART_HOUR, 0, 0), 1) << "0 is a valid hour";
  EXPECT_EQ(IsValidDatePart(december, PART_HOUR, 23, 0), 1);
  EXPECT_EQ(IsValidDatePart(december, PART_HOUR, 24, 0), 0);
  EXPECT_EQ(IsValidDatePart(december, PART_MINUTE, 0, 0), 1);
  EXPECT_EQ(IsValidDatePart(december, PART_MINUTE, 59, 0), 1);
  EXPECT_EQ(IsValidDatePart(december, PART_MINUTE, 60, 0), 0);
  EXPECT_EQ(IsValidDatePart(december, PART_MINUTE, -1, 0), 0);
  EXPECT_EQ(IsValidDatePart(december, 0, 1, 0), 0) << "unknown part type";
  EXPECT_EQ(IsValidDatePart(december, 7, 1, 0), 0);
}

TEST_F(DatePartsTest, ClampDateParts) {
  DateParts d = Parts(2026, 13, 40, 24, 60);
  ClampDateParts(d);
  ExpectParts(d, Parts(2026, 12, 31, 23, 59));
  d = Parts(2026, 2, 31, 5, 6);
  ClampDateParts(d);
  ExpectParts(d, Parts(2026, 2, 28, 5, 6));
  d = Parts(2024, 2, 31);
  ClampDateParts(d);
  ExpectParts(d, Parts(2024, 2, 29));
  d = Parts(2026, 11, 30, 23, 59);
  ClampDateParts(d);
  ExpectParts(d, Parts(2026, 11, 30, 23, 59), "a valid date stays");
}

// Lower bounds as well as upper ones: a month of 0 would make DaysInMonth 0 and the day 0.
TEST_F(DatePartsTest, ClampDatePartsRaisesPartsBelowTheirRange) {
  DateParts d = Parts(2026, 0, 0, -1, -1);
  ClampDateParts(d);
  ExpectParts(d, Parts(2026, 1, 1, 0, 0));
}

TEST_F(DatePartsTest, CompareDatesPartByPart) {
  const DateParts base = Parts(2026, 6, 15, 12, 30);
  EXPECT_EQ(CompareDates(base, base), 0);
  EXPECT_EQ(CompareDates(base, Parts(2027, 1, 1, 0, 0)), -1);
  EXPECT_EQ(CompareDates(base, Parts(2026, 7, 1, 0, 0)), -1);
  EXPECT_EQ(CompareDates(base, Parts(2026, 6, 14, 23, 59)), 1);
  EXPECT_EQ(CompareDates(base, Parts(2026, 6, 15, 13, 0)), -1);
  EXPECT_EQ(CompareDates(base, Parts(2026, 6, 15, 12, 29)), 1);
}

TEST_F(DatePartsTest, SplitAndJoinDropSeconds) {
  const int date = MakeDate(2024, 2, 29, 23, 59, 58);
  const DateParts d = SplitDate(date);
  ExpectParts(d, Parts(2024, 2, 29, 23, 59));
  EXPECT_EQ(JoinDate(d), date - 58);
  ExpectParts(SplitDate(0), Parts(1970, 1, 1, 0, 0));
  EXPECT_EQ(JoinDate(Parts(1970, 1, 1)), 0);
  EXPECT_EQ(JoinDate(DateParts{}), -1) << "year -1: no date";
}

TEST_F(DatePartsTest, LimitsReplaceTheDateByTheLimit) {
  Gadget g;
  g.date = Parts(1990, 6, 15, 12, 0);
  g.minDate = Parts(2000, 1, 1, 0, 0);
  ApplyDateLimits(g);
  ExpectParts(g.date, Parts(2000, 1, 1, 0, 0), "the limit's month and day are taken too");

  g.date = Parts(2030, 6, 15, 12, 0);
  g.maxDate = Parts(2029, 12, 31, 23, 59);
  ApplyDateLimits(g);
  ExpectParts(g.date, Parts(2029, 12, 31, 23, 59));

  g.date = Parts(2010, 6, 15, 12, 0);
  ApplyDateLimits(g);
  ExpectParts(g.date, Parts(2010, 6, 15, 12, 0), "inside: unchanged");

  g.date = Parts(2000, 1, 1, 0, 0);
  ApplyDateLimits(g);
  ExpectParts(g.date, Parts(2000, 1, 1, 0, 0), "on the limit: unchanged");
}

TEST_F(DatePartsTest, NoLimitsNoChange) {
  Gadget g;
  g.date = Parts(1971, 1, 1);
  ApplyDateLimits(g);
  ExpectParts(g.date, Parts(1971, 1, 1));
  g.date = DateParts{};
  g.minDate = Parts(2000, 1, 1);
  ApplyDateLimits(g);
  EXPECT_EQ(g.date.year, -1) << "no date: nothing to clamp";
}

TEST_F(DatePartsTest, LowerLimitWinsOverAnUpperLimitBelowIt) {
  // ApplyDateLimits tests the lower limit first (SetDateLimits never stores such limits).
  Gadget g;
  g.date = Parts(2005, 1, 1);
  g.minDate = Parts(2010, 1, 1);
  g.maxDate = Parts(2000, 1, 1);
  ApplyDateLimits(g);
  ExpectParts(g.date, Parts(2010, 1, 1));
}

}  // namespace
}  // namespace bevel::detail
