// Calendar: a month sheet in a sunken frame, and the same sheet as a Date's open drop-down.
//
// The sheet (197 x 154, centred in the rectangle; cx, cy its corner) has a title band with the
// month name and year, the month buttons at either end of it, the weekday header (Monday
// first), six weeks of 28 x 15 day cells and the "Heute: " line. A month always starts in the
// first row; one that begins on a Monday starts in the second, so some days of the month
// before are always shown. The renderer only draws: the day a click picks is taken by the
// update step (SettleCalendar), the title's year spin shows while the year field is active.
//
// Cells are drawn at cx + 28 * c; a press finds its column from cx + 1 (CalendarFace), so a
// cell's left column belongs to the cell before it. Only the 42 cells are walked, whatever the
// date.
#include <algorithm>
#include <charconv>
#include <string>
#include <string_view>

#include "services/services.h"
#include "toolkit/gadgets/date_parts.h"
#include "toolkit/gadgets/list_layout.h"
#include "toolkit/model/toolkit_state.h"
#include "toolkit/render/draw_helpers.h"
#include "toolkit/render/list_parts.h"
#include "toolkit/render/renderers.h"

namespace bevel {
namespace {

using detail::ColumnRun;
using detail::RowRun;

constexpr int kTodayColour = 0x0000FF;  // red
constexpr int kDrawOutline = DRAW_TRANSPARENT | DRAW_OUTLINE;

// States of the header (see toolkit/frame/calendar.cpp).
constexpr int kStateHover = 10;
constexpr int kStateMonthBack = 12;
constexpr int kStateMonthForward = 13;
constexpr int kStateYearActive = 15;
constexpr int kStateYearUp = 16;
constexpr int kStateYearDown = 17;

// A number as text without allocating.
struct Digits {
  char buffer[12];
  std::string_view text;
  explicit Digits(int v) {
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, v).ptr;
    text = std::string_view(buffer, static_cast<std::size_t>(end - buffer));
  }
};

void DrawCentred(int centre, int y, std::string_view text, int colour) {
  DrawText(centre - TextWidth(text) / 2, y, text, colour);
}

// The month shown: the date's, kept to the years and months a date can take.
struct ShownMonth {
  int year = 1970, month = 1, day = 1;
  int offset = 0;      // cells before the 1st (7 for a month beginning on a Monday)
  int days = 0;        // days of the month
  int daysBefore = 0;  // days of the month before
};

ShownMonth MonthOf(const DateParts& d) {
  ShownMonth m;
  m.year = std::clamp(d.year, 1970, 2037);
  m.month = std::clamp(d.month, 1, 12);
  m.day = d.day;
  DateParts first{m.year, m.month, 1, 0, 0};
  m.offset = detail::MonthSheetOffset(first);
  m.days = detail::DaysInMonth(first);
  first =
      m.month == 1 ? DateParts{m.year - 1, 12, 1, 0, 0} : DateParts{m.year, m.month - 1, 1, 0, 0};
  m.daysBefore = detail::DaysInMonth(first);
  return m;
}

// Weekday header and the six weeks.
void DrawDays(const Gadget& g, const ShownMonth& m, int cx, int cy, int text) {
  const int selection = GadgetColour(g, COLOR_SELECTION);
  const int highlight = GadgetColour(g, COLOR_HIGHLIGHT);
  const int shadow = GadgetColour(g, COLOR_SHADOW);
  const int lineDy = (14 - TextHeight(" ")) / 2;
  const int today = DateNow();
  const bool todayShown = DateYear(today) == m.year && DateMonth(today) == m.month;
  const int todayDay = DateDay(today);

  for (int c = 0; c < detail::kDayColumns; ++c) {
    const int centre = cx + detail::kDayCellWidth * c + 13;
    DrawCentred(centre, cy + 31 + lineDy, WeekdayAbbreviation((c + 1) % 7).substr(0, 2), selection);
    for (int r = 0; r < detail::kDayRows; ++r) {
      const int k = detail::kDayColumns * r + c;
      const int left = centre - 13, top = cy + detail::kDayCellHeight * r + detail::kDayGridTop;
      int dn = k - m.offset + 1;
      int colour = shadow;
      if (dn < 1) {
        dn += m.daysBefore;
      } else if (dn > m.days) {
        dn -= m.days;
      } else {
        colour = text;
        if (dn == m.day) {
          SetDrawMode(DRAW_TRANSPARENT);
          Box(left, top, detail::kDayCellWidth, detail::kDayCellHeight, selection);
          colour = highlight;
        }
        if (todayShown && dn == todayDay) {
          SetDrawMode(kDrawOutline);
          Box(left, top, detail::kDayCellWidth, detail::kDayCellHeight, kTodayColour);
        }
      }
      if (g.state == kStateHover && g.pickX == c && g.pickY == r) {
        SetDrawMode(kDrawOutline);
        Box(left, top, detail::kDayCellWidth, detail::kDayCellHeight, shadow);
      }
      DrawCentred(centre, top + 1 + lineDy, Digits(dn).text, colour);
    }
  }
  SetDrawMode(DRAW_TRANSPARENT);
}

// Month name and year in the window scheme's (bold) font; while the year field is active the
// year stands in a light box in the text colour.
void DrawTitle(const Gadget& g, const ShownMonth& m, int cx, int cy, int text) {
  SetDrawFont(Toolkit().WindowScheme[static_cast<std::size_t>(SlotIndex(COLOR_FONT))]);
  std::string title(MonthName(m.month));
  title += ' ';
  const int monthWidth = TextWidth(title);
  const Digits year(m.year);
  title += year.text;
  const int lineHeight = TextHeight(" ");
  const int left = cx + (detail::kFaceWidth - TextWidth(title)) / 2;
  const int top = cy + (30 - lineHeight) / 2;
  if (g.state < kStateYearActive) {
    DrawText(left, top, title, GadgetColour(g, COLOR_HIGHLIGHT));
    return;
  }
  DrawText(left, top, std::string_view(title).substr(0, title.size() - year.text.size()),
           GadgetColour(g, COLOR_HIGHLIGHT));
  Box(left + monthWidth, top, TextWidth(year.text) + 1, lineHeight, GadgetColour(g, COLOR_LIGHT));
  DrawText(left + monthWidth, top, year.text, text);
}

// The month buttons with their arrows (columns of 1, 3, 5, 7 pixels pointing outwards), and
// while the year field is active its spin (rows of 1, 3, 5, 7 pixels).
void DrawHeaderButtons(const Gadget& g, int cx, int cy, int face, int text) {
  const int back = g.state == kStateMonthBack ? 1 : 0;
  const int forward = g.state == kStateMonthForward ? 1 : 0;
  DrawBevel(cx + detail::kMonthBackLeft, cy + detail::kHeaderTop, detail::kMonthButtonWidth,
            detail::kHeaderHeight, back ? BEVEL_SUNKEN : 0, face);
  DrawBevel(cx + detail::kMonthForwardLeft, cy + detail::kHeaderTop, detail::kMonthButtonWidth,
            detail::kHeaderHeight, forward ? BEVEL_SUNKEN : 0, face);
  for (int i = 0; i < 4; ++i) {
    ColumnRun(cx + 15 + i + back, cy + 14 - i + back, cy + 14 + i + back, text);
    ColumnRun(cx + 181 - i + forward, cy + 14 - i + forward, cy + 14 + i + forward, text);
  }
  if (g.state < kStateYearActive) return;
  const int x = cx + detail::kYearSpinLeft, y = cy + detail::kYearSpinTop;
  DrawBevel(x, y, detail::kYearSpinWidth, detail::kYearSpinHalf,
            g.state == kStateYearUp ? BEVEL_SUNKEN : 0, face);
  DrawBevel(x, y + detail::kYearSpinHalf, detail::kYearSpinWidth, detail::kYearSpinHalf,
            g.state == kStateYearDown ? BEVEL_SUNKEN : 0, face);
  for (int i = 0; i < 4; ++i) {
    RowRun(cy + 8 + i, cx + 157 - i, cx + 157 + i, text);
    RowRun(cy + 20 - i, cx + 157 - i, cx + 157 + i, text);
  }
}

}  // namespace

namespace detail {

void DrawCalendar(const Gadget& g, int x, int y, int w, int h, int face, int text) {
  DrawBevel(x, y, w, h, BEVEL_SUNKEN, face);
  Box(x + 2, y + 2, w - 4, h - 4, GadgetColour(g, COLOR_LIGHT));
  const CalendarFace sheet = CalendarFaceIn(Rect{x, y, w, h});
  const int cx = PinToInt(sheet.cx), cy = PinToInt(sheet.cy);
  Box(cx, cy, kFaceWidth, 30, GadgetColour(g, COLOR_SELECTION));
  Line(cx + 4, cy + 44, 189, 0, text);

  const ShownMonth m = MonthOf(g.date);
  DrawDays(g, m, cx, cy, text);
  DrawTitle(g, m, cx, cy, text);
  DrawHeaderButtons(g, cx, cy, face, text);

  // The "today" line, in the title's font.
  SetDrawMode(kDrawOutline);
  Box(cx + 5, cy + 137, 20, 13, kTodayColour);
  SetDrawMode(DRAW_TRANSPARENT);
  std::string line = "Heute: ";
  line += FormatDate("%dd.%mm.%yyyy", DateNow());
  DrawText(cx + 28, cy + 136 + (15 - TextHeight(" ")) / 2, line, text);
  SetDrawFont(GadgetColour(g, COLOR_FONT));
}

}  // namespace detail

void RenderCalendar(Gadget& g, int x, int y, int face, int text) {
  x = detail::PinToInt(x), y = detail::PinToInt(y);
  detail::DrawCalendar(g, x, y, detail::PinToInt(g.width), detail::PinToInt(g.height), face, text);
}

}  // namespace bevel
