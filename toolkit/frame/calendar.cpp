// The month calendar: a Calendar gadget's own face, and the open drop-down of a Date.
//
// Calendar face (197 x 154, centred in its rectangle; cx, cy its corner; the parts are those of
// CalendarFace in toolkit/gadgets/list_layout.h):
//   cy + 7 .. 21     header: month back cx + 7 .. 27, year field cx + 99 .. 168 (its spin
//                    cx + 150 .. 164: up cy + 7 .. 14, down cy + 15 .. 21; the spin's drawn
//                    rows cy + 6, 22 and 23 lie outside the header and take nothing), month
//                    forward cx + 169 .. 189
//   cy + 45 .. 134   day grid, 7 x 6 cells of 28 x 15 from cx + 1
//   cy + 135 ..      the "today" line
//
// States left for the release: 10 a day cell held (pickX column, pickY row), 12 / 13 month back
// / forward held, 15 the year field active, 16 / 17 its spin up / down held. A press on the
// spin steps the year at once, also when the year field was not active before. The release of
// a day cell (state 11) takes that day.
#include <algorithm>

#include "services/services.h"
#include "toolkit/frame/behaviour.h"
#include "toolkit/gadgets/date_parts.h"
#include "toolkit/gadgets/list_layout.h"
#include "toolkit/model/toolkit_state.h"

namespace bevel::detail {
namespace {

constexpr int kFirstYear = 1970;
constexpr int kLastYear = 2037;

// Year and month as one number, for comparing a month against the limits.
long long MonthKey(int year, int month) {
  return static_cast<long long>(year) * 12 + month;
}

// The month (year, month) may be shown: inside the years a date can take and not wholly
// before the lower or after the upper limit.
bool MonthAllowed(const Gadget& g, int year, int month) {
  if (year < kFirstYear || year > kLastYear) return false;
  const long long key = MonthKey(year, month);
  if (g.minDate.year >= 0 && key < MonthKey(g.minDate.year, g.minDate.month)) return false;
  if (g.maxDate.year >= 0 && key > MonthKey(g.maxDate.year, g.maxDate.month)) return false;
  return true;
}

// Shows (year, month) with the day lowered to that month's length, then keeps the date within
// its limits (a month that holds a limit can cut the day further).
void ShowMonth(Gadget& g, int year, int month) {
  g.date.year = year;
  g.date.month = month;
  g.date.day = std::clamp(g.date.day, 1, std::max(1, DaysInMonth(g.date)));
  ApplyDateLimits(g);
}

// The header: month buttons and the year field. Returns the new state.
int HeaderPress(Gadget& g, const FrameInput& in, const CalendarFace& face) {
  const int mx = in.mx, my = in.my;
  int d = 0, state = 0;
  bool yearStep = false;
  if (face.MonthBack().Columns().Holds(mx)) {
    d = -1;
    state = 12;
  } else if (face.MonthForward().Columns().Holds(mx)) {
    d = 1;
    state = 13;
  } else if (face.YearField().Columns().Holds(mx)) {
    state = 15;
    if (face.YearUp().Columns().Holds(mx)) {
      if (face.YearUp().Rows().Holds(my)) {
        d = 1;
        state = 16;
      } else if (face.YearDown().Rows().Holds(my)) {
        d = -1;
        state = 17;
      }
      yearStep = d != 0;
    }
  } else {
    return 0;
  }
  SetEvent(g);
  if (d == 0 || !RepeatDue(g)) return state;
  g.repeatDelay = Toolkit().FramesPerTenth * 3 / 2;
  if (g.date.year < 0) return state;  // no date to step

  if (!Ask(g, EVENT_PRESS)) return state;
  if (yearStep) {
    const int year = g.date.year + d;
    if (year >= kFirstYear && year <= kLastYear && (g.minDate.year < 0 || year >= g.minDate.year) &&
        (g.maxDate.year < 0 || year <= g.maxDate.year)) {
      ShowMonth(g, year, g.date.month);
    }
    return state;
  }
  if (!Ask(g, EVENT_STEP, d)) return state;
  int year = g.date.year, month = g.date.month + d;
  if (month > 12) {
    month = 1;
    ++year;
  } else if (month < 1) {
    month = 12;
    --year;
  }
  if (MonthAllowed(g, year, month)) ShowMonth(g, year, month);
  return state;
}

// The day cell of the release (pickX column, pickY row of the sheet) becomes the date; a Date
// gets a date set and closes its calendar.
void TakePickedDay(Gadget& g) {
  g.state = 0;
  if (g.pickX < 0 || g.pickX >= kDayColumns || g.pickY < 0 || g.pickY >= kDayRows ||
      g.date.year < kFirstYear || g.date.year > kLastYear) {
    return;
  }
  const DateParts first{g.date.year, std::clamp(g.date.month, 1, 12), 1, 0, 0};
  const int cell = kDayColumns * g.pickY + g.pickX;
  const int day = DateAddDays(JoinDate(first), cell - MonthSheetOffset(first));
  g.date.year = DateYear(day);
  g.date.month = DateMonth(day);
  g.date.day = DateDay(day);
  ClampDateParts(g.date);
  ApplyDateLimits(g);
  if (g.type == GADGET_DATE) {
    g.dateSet = 1;
    g.pickX = 0;
    CloseDateCalendar(g);
  }
}

}  // namespace

int CalendarPress(Gadget& g, const FrameInput& in, const Rect& area) {
  const int mx = in.mx, my = in.my;
  const CalendarFace face = CalendarFaceIn(area);

  if (face.DayGrid().Holds(mx, my)) {
    if (!Ask(g, EVENT_PRESS)) return g.state;
    g.pickX = face.DayColumnAt(mx);
    g.pickY = face.DayRowAt(my);
    return 10;
  }
  if (my >= face.TodayLine().y) {
    if (!Ask(g, EVENT_PRESS)) return g.state;
    const int today = DateNow();
    g.date.year = DateYear(today);
    g.date.month = DateMonth(today);
    g.date.day = DateDay(today);
    const bool isDate = g.type == GADGET_DATE;
    if (isDate) g.dateSet = 1;
    ClampDateParts(g.date);
    ApplyDateLimits(g);
    SetEvent(g);
    if (isDate) {
      g.pickX = 0;
      CloseDateCalendar(g);
    }
    return 0;
  }
  return face.HeaderRows().Holds(my) ? HeaderPress(g, in, face) : 0;
}

void SettleCalendar(Gadget& g) {
  if (g.state == 10) {
    g.state = 11;
    SetEvent(g);
    Ask(g, EVENT_CLICK);
    if (!g.dead && g.state == 11)
      TakePickedDay(g);  // a handler may have dealt with the click itself
    return;
  }
  if (g.state >= 12 && g.state <= 14) {
    g.state = 0;
    g.repeatDelay = 0;
  } else if (g.state >= 15) {
    g.state = 15;
    g.repeatDelay = 0;
  } else {
    return;
  }
  Ask(g, EVENT_CLICK);
}

void PressCalendar(Gadget& g, const FrameInput& in) {
  g.state = CalendarPress(g, in, GadgetRect(g, in));
}

void UpdateCalendar(Gadget& g, const FrameInput&) {
  SettleCalendar(g);
}

}  // namespace bevel::detail
