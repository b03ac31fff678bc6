// Operations on the parts of a Date or Calendar gadget's date.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

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

// Day cells of a month sheet (Monday first) before the 1st of d's month: 1 .. 7, so a month
// beginning on a Monday starts in the second week and some days before it always show.
int MonthSheetOffset(const DateParts& d);

// The selected part of a Date (dateField, of type dateFieldType) after its value changed:
// the date is clamped into its ranges and limits, and the part's text in extraText becomes
// the part's resulting value with leading zeros (the other parts' texts stay). Nothing happens
// with no part selected or no date held.
void SettleDatePart(Gadget& g);
// Steps the selected part by d = +1 or -1 without wrapping, then settles it.
void StepDatePart(Gadget& g, int d);
// Sets the selected part to its smallest (Home) or largest valid value (End), then settles it.
void SetDatePartToEnd(Gadget& g, bool largest);

// A date part of a Date's mask: "%" and one of "yyyy", "mm", "dd", "hh", "ii" (either case).
struct MaskToken {
  int partType = 0;        // PART_YEAR, PART_MONTH, ...; 0: no token here
  std::size_t length = 0;  // characters of the mask it takes, "%" included
  int digits = 0;          // digits it shows (4 for the year, else 2)
};
// The token starting at mask[at], or partType 0 when the "%" there (or whatever is there) is
// an ordinary character.
MaskToken MaskTokenAt(std::string_view mask, std::size_t at);

// The text of part `part` (1-based) of a Date's part texts ("07;12;2026;"); found false when
// there are fewer parts.
struct PartText {
  bool found = false;
  std::size_t start = 0, length = 0;
};
PartText FindPartText(std::string_view parts, int part);
// A part value as its digits with leading zeros (a negative value shows as 0).
std::string PaddedPart(int value, int digits);

}  // namespace bevel::detail
