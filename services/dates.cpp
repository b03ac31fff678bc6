// Dates: i32 seconds since 1970-01-01 00:00:00 of local civil time.
//
// The arithmetic is purely civil (proleptic Gregorian calendar, every day 86400 s), so a date
// means the same wall-clock reading wherever and whenever the program runs: no time zone, no
// daylight saving. Intermediate values are 64-bit; only final results are clamped to i32.
#include <cstdint>
#include <cstdio>
#include <limits>

#include "services/internal/service_state.h"
#include "services/services.h"

namespace bevel {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;
constexpr int kThursday = 4;  // 1970-01-01

struct Civil {
  std::int64_t year;
  int month;  // 1..12
  int day;    // 1..31
};

// Rounds towards minus infinity, so that dates before 1970 split into fields correctly.
constexpr std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  const std::int64_t q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

constexpr std::int64_t FloorMod(std::int64_t a, std::int64_t b) {
  return a - FloorDiv(a, b) * b;
}

int ClampToDate(std::int64_t seconds) {
  if (seconds < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  if (seconds > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  return static_cast<int>(seconds);
}

// Days since 1970-01-01 of a valid civil date. Years are counted from March so that the leap
// day falls at the end of the year; an era is the 400-year cycle of 146097 days.
constexpr std::int64_t DaysFromCivil(std::int64_t y, int m, int d) {
  y -= m <= 2 ? 1 : 0;
  const std::int64_t era = FloorDiv(y, 400);
  const std::int64_t yoe = y - era * 400;                                    // 0..399
  const std::int64_t doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;  // 0..365
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;            // 0..146096
  return era * 146097 + doe - 719468;
}

// Inverse of DaysFromCivil.
constexpr Civil CivilFromDays(std::int64_t z) {
  z += 719468;
  const std::int64_t era = FloorDiv(z, 146097);
  const std::int64_t doe = z - era * 146097;                                       // 0..146096
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;  // 0..399
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);                // 0..365
  const std::int64_t mp = (5 * doy + 2) / 153;  // 0..11, March first
  const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  return {era * 400 + yoe + (m <= 2 ? 1 : 0), m, d};
}

static_assert(DaysFromCivil(1970, 1, 1) == 0);
static_assert(CivilFromDays(-1).year == 1969 && CivilFromDays(-1).day == 31);

Civil DateCivil(int date) {
  return CivilFromDays(FloorDiv(date, kSecondsPerDay));
}

int SecondOfDay(int date) {
  return static_cast<int>(FloorMod(date, kSecondsPerDay));
}

// Matches `field` (lower case) at text[pos] ignoring ASCII case.
bool FieldAt(std::string_view text, std::size_t pos, std::string_view field) {
  if (text.size() - pos < field.size()) return false;
  for (std::size_t i = 0; i < field.size(); ++i) {
    char c = text[pos + i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != field[i]) return false;
  }
  return true;
}

void AppendPadded(std::string& out, std::int64_t value, int width) {
  char buffer[32];
  const int n =
      std::snprintf(buffer, sizeof buffer, "%0*lld", width, static_cast<long long>(value));
  if (n > 0) out.append(buffer, static_cast<std::size_t>(n));
}

}  // namespace

int DateNow() {
  return ClampToDate(detail::CurrentLocalNow());
}

int MakeDate(int year, int month, int day, int hour, int minute, int second) {
  // Months carry into years first; days, hours, minutes and seconds then simply add up.
  const std::int64_t months = static_cast<std::int64_t>(month) - 1;
  const std::int64_t y = year + FloorDiv(months, 12);
  const int m = static_cast<int>(FloorMod(months, 12)) + 1;
  const std::int64_t days = DaysFromCivil(y, m, 1) + (static_cast<std::int64_t>(day) - 1);
  return ClampToDate(days * kSecondsPerDay + static_cast<std::int64_t>(hour) * 3600 +
                     static_cast<std::int64_t>(minute) * 60 + second);
}

// Every date in the i32 range lies in the years 1901..2038, so the year fits an int.
int DateYear(int date) {
  return static_cast<int>(DateCivil(date).year);
}
int DateMonth(int date) {
  return DateCivil(date).month;
}
int DateDay(int date) {
  return DateCivil(date).day;
}
int DateHour(int date) {
  return SecondOfDay(date) / 3600;
}
int DateMinute(int date) {
  return SecondOfDay(date) / 60 % 60;
}
int DateSecond(int date) {
  return SecondOfDay(date) % 60;
}

int DateDayOfWeek(int date) {
  return static_cast<int>(FloorMod(FloorDiv(date, kSecondsPerDay) + kThursday, 7));
}

int DateAddDays(int date, int days) {
  return ClampToDate(date + static_cast<std::int64_t>(days) * kSecondsPerDay);
}

std::string FormatDate(std::string_view mask, int date) {
  const Civil civil = DateCivil(date);
  const int secondOfDay = SecondOfDay(date);
  // "yyyy" precedes "yy" so that the longer field wins.
  struct Field {
    std::string_view name;
    std::int64_t value;
    int width;
  };
  const Field fields[] = {
      {"yyyy", civil.year, 4},       {"yy", FloorMod(civil.year, 100), 2},
      {"mm", civil.month, 2},        {"dd", civil.day, 2},
      {"hh", secondOfDay / 3600, 2}, {"ii", secondOfDay / 60 % 60, 2},
      {"ss", secondOfDay % 60, 2},
  };

  std::string out;
  out.reserve(mask.size() + 8);
  std::size_t i = 0;
  while (i < mask.size()) {
    bool replaced = false;
    if (mask[i] == '%') {
      for (const Field& f : fields) {
        if (FieldAt(mask, i + 1, f.name)) {
          AppendPadded(out, f.value, f.width);
          i += 1 + f.name.size();
          replaced = true;
          break;
        }
      }
    }
    if (!replaced) out += mask[i++];
  }
  return out;
}

std::string_view MonthName(int month) {
  static constexpr std::string_view kMonths[] = {"Januar",    "Februar", "M\xE4rz",  "April",
                                                 "Mai",       "Juni",    "Juli",     "August",
                                                 "September", "Oktober", "November", "Dezember"};
  return month >= 1 && month <= 12 ? kMonths[month - 1] : std::string_view{};
}

std::string_view WeekdayAbbreviation(int weekday) {
  static constexpr std::string_view kDays[] = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
  return weekday >= 0 && weekday <= 6 ? kDays[weekday] : std::string_view{};
}

}  // namespace bevel
