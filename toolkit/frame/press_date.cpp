// Presses on the Date gadget (check box, date text, up/down arrows or the calendar button,
// and its open calendar) and on the Calendar gadget, plus the step of a date part.
//
// Date states left here for the update pass: 2 a date part was clicked (the renderer selects
// the part under pickX), 3 / 4 up / down arrow held, 5 check box pressed; in the calendar as
// for the Calendar gadget: 10 a day cell held (pickX column, pickY row), 12 / 13 month back /
// forward held, 15 the year field active, 16 / 17 its spin up / down held.
//
// Calendar face (197 x 154, centred; cx, cy its corner):
//   cy + 7 .. 21     header: month back cx + 7 .. 27, year field cx + 99 .. 168 (its spin
//                    cx + 150 .. 164: up cy + 6 .. 14, down cy + 15 .. 23), month forward
//                    cx + 169 .. 189
//   cy + 45 .. 134   day grid, 7 x 6 cells of 28 x 15 from cx + 1
//   cy + 135 ..      the "today" line
#include <algorithm>
#include <cstddef>
#include <string>

#include "services/services.h"
#include "toolkit/frame/press_common.h"
#include "toolkit/frame/press_handling.h"
#include "toolkit/gadgets/date_parts.h"

namespace bevel::detail {

using press::kGone;
using press::N;

namespace {

constexpr int kPopupWidth = 201;
constexpr int kPopupHeight = 158;
constexpr int kFaceWidth = 197;
constexpr int kFaceHeight = 154;
constexpr int kCellWidth = 28;
constexpr int kCellHeight = 15;
constexpr int kFirstYear = 1970;
constexpr int kLastYear = 2037;

bool HoldsDate(const Gadget& g) {
  return g.date.year >= 0 && (g.type != GADGET_DATE || g.dateSet);
}

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

// Closes a Date's open calendar at once. False when the gadget is gone.
bool CloseCalendar(Gadget& g) {
  ToolkitState& ts = Toolkit();
  const bool open = g.dropState >= 2;
  g.dropState = 0;
  if (ts.OpenPopupIndex == g.listIndex) ts.OpenPopupIndex = -1;
  return !open || N(g, 15, 0) != kGone;
}

// The header: month buttons and the year field. Returns the new state, or -1 when the gadget
// is gone.
int HeaderPress(Gadget& g, const FrameInput& in, int cx, int cy) {
  ToolkitState& ts = Toolkit();
  const int mx = in.mx, my = in.my;
  int d = 0, state = 0;
  bool yearStep = false;
  const bool onSpin = mx >= cx + 150 && mx < cx + 165;
  if (mx >= cx + 7 && mx < cx + 28) {
    d = -1;
    state = 12;
  } else if (mx >= cx + 169 && mx < cx + 190) {
    d = 1;
    state = 13;
  } else if (mx >= cx + 99 && mx < cx + 169) {
    state = 15;
    // The spin is drawn only while the year field is active (15 or more); before that its
    // place is plain year field.
    if (onSpin && g.state >= 15) {
      if (my >= cy + 6 && my < cy + 15) {
        d = 1;
        state = 16;
      } else if (my >= cy + 15 && my < cy + 24) {
        d = -1;
        state = 17;
      }
      yearStep = d != 0;
    }
  } else {
    return 0;
  }
  press::SetEvent(g);
  if (d == 0 || !press::RepeatDue(g)) return state;
  g.repeatDelay = ts.FramesPerTenth * 3 / 2;
  if (g.date.year < 0) return state;  // no date to step

  int answer = N(g, 1, 0);
  if (answer == kGone) return -1;
  if (!answer) return state;
  if (yearStep) {
    const int year = g.date.year + d;
    if (year >= kFirstYear && year <= kLastYear && (g.minDate.year < 0 || year >= g.minDate.year) &&
        (g.maxDate.year < 0 || year <= g.maxDate.year)) {
      ShowMonth(g, year, g.date.month);
    }
    return state;
  }
  answer = N(g, 9, d);
  if (answer == kGone) return -1;
  if (!answer) return state;
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

}  // namespace

int CalendarPress(Gadget& g, const FrameInput& in, int x, int y, int w, int h) {
  const int mx = in.mx, my = in.my;
  const int cx = x + (w - kFaceWidth) / 2, cy = y + (h - kFaceHeight) / 2;

  if (mx >= cx + 1 && mx < cx + kFaceWidth && my >= cy + 45 && my < cy + 135) {
    const int answer = N(g, 1, 0);
    if (answer == kGone) return 0;
    if (!answer) return g.state;
    g.pickX = (mx - cx - 1) / kCellWidth;
    g.pickY = (my - cy - 45) / kCellHeight;
    return 10;
  }
  if (my >= cy + 135) {
    const int answer = N(g, 1, 0);
    if (answer == kGone) return 0;
    if (!answer) return g.state;
    const int today = DateNow();
    g.date.year = DateYear(today);
    g.date.month = DateMonth(today);
    g.date.day = DateDay(today);
    if (g.type == GADGET_DATE) g.dateSet = 1;
    ClampDateParts(g.date);
    ApplyDateLimits(g);
    press::SetEvent(g);
    if (g.type == GADGET_DATE) {
      g.pickX = 0;
      if (!CloseCalendar(g)) return 0;
    }
    return 0;
  }
  const bool header = (my >= cy + 7 && my < cy + 22) ||
                      (mx >= cx + 150 && mx < cx + 165 && my >= cy + 6 && my < cy + 24);
  if (!header) return 0;
  const int state = HeaderPress(g, in, cx, cy);
  return state < 0 ? 0 : state;
}

void PressCalendar(Gadget& g, const FrameInput& in) {
  const int number = g.number;
  const int state = CalendarPress(g, in, in.ox + g.x, in.oy + g.y, g.width, g.height);
  if (press::Alive(g, number)) g.state = state;
}

void StepDatePart(Gadget& g, int d) {
  const int type = g.dateFieldType;
  if (g.dateField <= 0 || type < PART_YEAR || type > PART_MINUTE || g.date.year < 0) return;
  int v = GetDatePart(g.date, type);
  if (IsValidDatePart(g.date, type, v + d, 0)) v += d;
  SetDatePart(g.date, type, v);
  ClampDateParts(g.date);
  ApplyDateLimits(g);

  // Rewrite the text of part number dateField; the other parts keep theirs (one may hold
  // digits being typed). Each part is followed by ";".
  std::string digits = std::to_string(GetDatePart(g.date, type));
  const std::size_t width = type == PART_YEAR ? 4 : 2;
  if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  std::size_t start = 0;
  for (int part = 1; part < g.dateField; ++part) {
    const std::size_t end = g.extraText.find(';', start);
    if (end == std::string::npos) return;  // fewer parts than dateField: nothing to rewrite
    start = end + 1;
  }
  const std::size_t end = g.extraText.find(';', start);
  if (end == std::string::npos) return;
  g.extraText.replace(start, end - start, digits);
}

void PressDate(Gadget& g, const FrameInput& in) {
  ToolkitState& ts = Toolkit();
  const int number = g.number;
  const int gx = in.ox + g.x, gy = in.oy + g.y;
  const int w = g.width, h = g.height;
  const int mx = in.mx, my = in.my;

  if (my >= gy && my < gy + h) {
    if ((g.flags & DATE_CHECKBOX) && mx <= gx + 14) {
      const int answer = N(g, 6, 0);
      if (answer == kGone) return;
      if (answer) {
        g.state = 5;
        if (!CloseCalendar(g)) return;
      }
    } else if (mx <= gx + w - 17) {
      if (g.state != 2 && HoldsDate(g)) {
        if (!CloseCalendar(g)) return;
        // 0 would read as "no click" to the renderer.
        g.pickX = std::max(mx - gx, 1);
        if (N(g, 11, 0) == kGone) return;
        g.state = 2;
      }
    } else if (g.flags & DATE_UPDOWN) {
      const double middle = gy + h - h / 2.0 - 1;
      const int part = my < middle ? 3 : 4;
      const int answer = N(g, 1, part - 3);
      if (answer == kGone) return;
      if (answer) {
        g.state = part;
        if (press::RepeatDue(g)) {
          g.repeatDelay = ts.FramesPerTenth / 2;
          const int d = part == 3 ? 1 : -1;
          const int step = N(g, 9, d);
          if (step == kGone) return;
          if (step) StepDatePart(g, d);
        }
      }
    } else if (g.dropState == 0 || g.dropState == 2) {
      const int answer = N(g, 13, 0);
      if (answer == kGone) return;
      if (answer) {
        if (g.dropState == 0) g.state = 0;
        ++g.dropState;
      }
    }
  } else if (g.dropState >= 2 && g.dropState <= 4) {
    const int popupY = g.dropUp ? gy - kPopupHeight : gy + h;
    const int state = CalendarPress(g, in, gx, popupY, kPopupWidth, kPopupHeight);
    if (!press::Alive(g, number)) return;
    g.state = state;
  }
  press::SetEvent(g);
}

}  // namespace bevel::detail
