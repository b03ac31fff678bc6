// Operations on the parts of a Date or Calendar gadget's date.
#pragma once

#include "toolkit/model/gadget.h"

namespace bevel::detail {

// Part types.
inline constexpr int PART_YEAR = 1;
inline constexpr int PART_YEAR2 = 2;
inline constexpr int PART_MONTH = 3;
inline constexpr int PART_DAY = 4;
inline constexpr int PART_HOUR = 5;
inline constexpr int PART_MINUTE = 6;

int GetDatePart(const DateParts& d, int partType);
void SetDatePart(DateParts& d, int partType, int value);
// 1 when value may stand in that part of d; partial allows a year below 1970 (being typed).
int IsValidDatePart(const DateParts& d, int partType, int value, int partial);
int DaysInMonth(const DateParts& d);
int IsLeapYear(const DateParts& d);
// Brings month, day, hour and minute into their ranges (1..12, 1..DaysInMonth, 0..23, 0..59).
void ClampDateParts(DateParts& d);
// Replaces the date by the lower or upper limit when it lies outside them.
void ApplyDateLimits(Gadget& g);
// A date value split into parts (seconds dropped), and back (0 seconds; year -1, no date,
// gives -1).
DateParts SplitDate(int date);
int JoinDate(const DateParts& d);
// -1, 0, 1 comparing year, month, day, hour, minute in order.
int CompareDates(const DateParts& a, const DateParts& b);

}  // namespace bevel::detail
