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

int MonthSheetOffset(const DateParts& d) {
  const int weekday = DateDayOfWeek(MakeDate(d.year, d.month, 1, 0, 0, 0));  // 0 = Sunday
  return weekday <= 1 ? weekday + 6 : weekday - 1;
}

namespace {

bool PartSelected(const Gadget& g) {
  return g.dateField > 0 && g.dateFieldType >= PART_YEAR && g.dateFieldType <= PART_MINUTE &&
         HasYear(g.date);
}

}  // namespace

void SettleDatePart(Gadget& g) {
  if (!PartSelected(g)) return;
  ClampDateParts(g.date);
  ApplyDateLimits(g);
  const PartText at = FindPartText(g.extraText, g.dateField);
  if (!at.found) return;  // the renderer writes the part texts on its next pass
  const int type = g.dateFieldType;
  g.extraText.replace(at.start, at.length,
                      PaddedPart(GetDatePart(g.date, type), type == PART_YEAR ? 4 : 2));
}

void StepDatePart(Gadget& g, int d) {
  if (!PartSelected(g)) return;
  const int type = g.dateFieldType;
  const int v = GetDatePart(g.date, type);
  if (IsValidDatePart(g.date, type, v + d, 0)) SetDatePart(g.date, type, v + d);
  SettleDatePart(g);
}

void SetDatePartToEnd(Gadget& g, bool largest) {
  if (!PartSelected(g)) return;
  static constexpr int kSmallest[] = {0, kFirstYear, kFirstYear, 1, 1, 0, 0};
  static constexpr int kLargest[] = {0, kLastYear, kLastYear, 12, 31, 23, 59};
  const int type = g.dateFieldType;
  int v = largest ? kLargest[type] : kSmallest[type];
  while (largest && v > 0 && !IsValidDatePart(g.date, type, v, 0)) --v;
  SetDatePart(g.date, type, v);
  SettleDatePart(g);
}

MaskToken MaskTokenAt(std::string_view mask, std::size_t at) {
  static constexpr struct {
    std::string_view name;
    int partType;
  } kTokens[] = {{"yyyy", PART_YEAR},
                 {"mm", PART_MONTH},
                 {"dd", PART_DAY},
                 {"hh", PART_HOUR},
                 {"ii", PART_MINUTE}};
  if (at >= mask.size() || mask[at] != '%') return {};
  const std::string_view rest = mask.substr(at + 1);
  for (const auto& token : kTokens) {
    if (rest.size() < token.name.size()) continue;
    bool same = true;
    for (std::size_t i = 0; i < token.name.size() && same; ++i) {
      same = (rest[i] | 0x20) == token.name[i];
    }
    if (same) return {token.partType, token.name.size() + 1, token.partType == PART_YEAR ? 4 : 2};
  }
  return {};
}

PartText FindPartText(std::string_view parts, int part) {
  std::size_t start = 0;
  for (int k = 1; k < part; ++k) {
    const std::size_t end = parts.find(';', start);
    if (end == std::string_view::npos) return {};
    start = end + 1;
  }
  const std::size_t end = parts.find(';', start);
  if (part < 1 || end == std::string_view::npos) return {};
  return {true, start, end - start};
}

std::string PaddedPart(int value, int digits) {
  std::string text = std::to_string(std::max(value, 0));
  if (text.size() < static_cast<std::size_t>(digits)) {
    text.insert(0, static_cast<std::size_t>(digits) - text.size(), '0');
  }
  return text;
}

}  // namespace bevel::detail
