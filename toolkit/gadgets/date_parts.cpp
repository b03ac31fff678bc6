// The date part operations of Date and Calendar gadgets: pure functions over
// DateParts, plus the split and join with the date services and the limit clamp.
#include "toolkit/gadgets/date_parts.h"

#include <algorithm>

#include "services/services.h"

namespace bevel::detail {
namespace {

// Part value ranges
constexpr int kFirstYear = 1970;
constexpr int kLastYear = 2037;

bool HasYear(const DateParts& d) {
  return d.year >= 0;
}

}  // namespace

int GetDatePart(const DateParts& d, int partType) {
  switch (partType) {
    case PART_YEAR:
    case PART_YEAR2:
      return d.year;
    case PART_MONTH:
      return d.month;
    case PART_DAY:
      return d.day;
    case PART_HOUR:
      return d.hour;
    case PART_MINUTE:
      return d.minute;
    default:
      return 0;
  }
}

void SetDatePart(DateParts& d, int partType, int value) {
  switch (partType) {
    case PART_YEAR:
    case PART_YEAR2:
      d.year = value;
      break;
    case PART_MONTH:
      d.month = value;
      break;
    case PART_DAY:
      d.day = value;
      break;
    case PART_HOUR:
      d.hour = value;
      break;
    case PART_MINUTE:
      d.minute = value;
      break;
    default:
      break;
  }
}

int IsValidDatePart(const DateParts& d, int partType, int value, int partial) {
  if (value < 0) return 0;
  switch (partType) {
    case PART_YEAR:
    case PART_YEAR2:
      // A year being typed digit by digit passes through values below 1970 ("1", "19", "199").
      return value != 0 && value <= kLastYear && (value >= kFirstYear || partial == 1) ? 1 : 0;
    case PART_MONTH:
      return value != 0 && value <= 12 ? 1 : 0;
    case PART_DAY:
      return value != 0 && value <= DaysInMonth(d) ? 1 : 0;
    case PART_HOUR:
      return value < 24 ? 1 : 0;
    case PART_MINUTE:
      return value < 60 ? 1 : 0;
    default:
      return 0;
  }
}

int DaysInMonth(const DateParts& d) {
  switch (d.month) {
    case 1:
    case 3:
    case 5:
    case 7:
    case 8:
    case 10:
    case 12:
      return 31;
    case 4:
    case 6:
    case 9:
    case 11:
      return 30;
    case 2:
      return IsLeapYear(d) ? 29 : 28;
    default:
      return 0;
  }
}

int IsLeapYear(const DateParts& d) {
  return (d.year % 4 == 0 && d.year % 100 != 0) || d.year % 400 == 0 ? 1 : 0;
}

void ClampDateParts(DateParts& d) {
  // Lower bounds too, so that a month of 0
  // (DaysInMonth 0) can never pull the day down to 0: after this every part is in its range.
  d.month = std::clamp(d.month, 1, 12);
  d.day = std::clamp(d.day, 1, DaysInMonth(d));
  d.hour = std::clamp(d.hour, 0, 23);
  d.minute = std::clamp(d.minute, 0, 59);
}

void ApplyDateLimits(Gadget& g) {
  // A gadget without a date (year -1) has nothing to clamp; a limit with year -1 is no limit.
  if (!HasYear(g.date)) return;
  if (HasYear(g.minDate) && CompareDates(g.date, g.minDate) < 0) {
    g.date = g.minDate;
  } else if (HasYear(g.maxDate) && CompareDates(g.date, g.maxDate) > 0) {
    g.date = g.maxDate;
  }
}

DateParts SplitDate(int date) {
  return DateParts{DateYear(date), DateMonth(date), DateDay(date), DateHour(date),
                   DateMinute(date)};
}

int JoinDate(const DateParts& d) {
  if (!HasYear(d)) return -1;
  return MakeDate(d.year, d.month, d.day, d.hour, d.minute, 0);
}

int CompareDates(const DateParts& a, const DateParts& b) {
  const int left[5] = {a.year, a.month, a.day, a.hour, a.minute};
  const int right[5] = {b.year, b.month, b.day, b.hour, b.minute};
  for (int i = 0; i < 5; ++i) {
    if (left[i] != right[i]) return left[i] < right[i] ? -1 : 1;
  }
  return 0;
}

}  // namespace bevel::detail
