// Where the parts of the list-like gadgets lie on the screen: ColumnList and FileList, Tree and
// TreeList, the ComboBox's open list, and the month calendar of the Calendar and of a Date's
// drop-down. Hit tests, press handling, the update step and the renderers all read it here, so
// a row drawn at y is the row a click at y picks.
//
// A framed list, w x h at (x, y) (the ComboBox's open list is one too), inside its 2-pixel
// sunken bevel:
//   x+2 .. x+w-m+1      the header row (a ColumnList's) from row y+2, then the rows, 14 high
//                       each; m, the margin, is 18 with the scroll bar, else 4
//   x+w-16 .. x+w-3     the scroll bar: up arrow y+2 .. y+15, the track with the thumb, down
//                       arrow y+h-16 .. y+h-3; presses reach one column further, to x+w-2
// A row's left part, in order: the tree's indentation (17 per level, its expand box in the
// level's column), the check box column (14), the image column (16), then the text.
//
// Coordinates are screen pixels in 64 bits: a record's fields may hold any int, and sums of a
// few of them must not overflow. Renderers pin what they draw.
//
// Index of this file:
// [SECTION] Constants
// [SECTION] Rectangles
// [SECTION] Framed rows: lists, trees and the combo box list
// [SECTION] ComboBox
// [SECTION] Calendar and the Date's drop-down
// [SECTION] String text lines
#pragma once

#include <algorithm>

#include "toolkit/model/gadget.h"

namespace bevel::detail {

//-----------------------------------------------------------------------------
// [SECTION] Constants
//-----------------------------------------------------------------------------

// Rows of lists, trees and the combo box list, and the text lines of a String.
inline constexpr int kRowHeight = 14;
// The sunken frame's bevel: rows, header and scroll bar start this far inside the frame.
inline constexpr int kFrameInset = 2;
// The bevel above and below the rows: a list of r rows is r x 14 + 4 high.
inline constexpr int kListFrame = 2 * kFrameInset;
// The bevel's outer column; presses on the bevel's inner column still reach what lies inside.
inline constexpr int kBevelOuter = 1;
// The check box column: before the first column of a list, after the indentation of a tree.
inline constexpr int kCheckColumn = 14;
// The image column in front of an item's text; item images are drawn 14 x 14.
inline constexpr int kImageColumn = 16;
inline constexpr int kImageSize = 14;
// An item's image and a tree or combo box item's text start this far into their row part.
inline constexpr int kItemInset = 2;

// ColumnList: the record keeps the number of added columns in a byte; columns past the 255th
// added one take no presses and are not drawn.
inline constexpr int kMaxExtraColumns = 255;

// Tree: the indentation per level, and the levels that are told apart (deeper ones and the
// unset level 0 take the nearest).
inline constexpr int kTreeIndent = 17;
inline constexpr int kTreeMaxLevel = 127;
// The expand box, 9 x 9, its left column 10 before the indentation and its top 2 into the row.
inline constexpr int kExpandBoxSize = 9;
inline constexpr int kExpandBoxLeft = 10;
inline constexpr int kExpandBoxTop = 2;

// The built-in scroll bar: arrows and thumb 14 wide, the bar's left edge 16 from the right edge.
inline constexpr int kBarWidth = 14;
inline constexpr int kBarInset = kBarWidth + kFrameInset;
// Columns the rows leave free at the right: the frame, and with the bar the bar too.
inline constexpr int kMarginNoBar = 2 * kFrameInset;
inline constexpr int kMarginWithBar = kBarWidth + 2 * kFrameInset;
// The thumb keeps at least this many pixels, however long the list.
inline constexpr int kMinThumb = 4;

// ComboBox: the field is the gadget font's line height plus this; its drop button sits where
// the open list's scroll bar does. A pick in the open list needs the row to start at least this
// far above the list's bottom edge.
inline constexpr int kFieldPadding = 4;
inline constexpr int kPickRowClearance = 9;

// Calendar: the drop-down of a Date and the smallest Calendar; the face centred in it.
inline constexpr int kCalendarWidth = 201;
inline constexpr int kCalendarHeight = 158;
inline constexpr int kFaceWidth = 197;
inline constexpr int kFaceHeight = 154;
// Day grid: 7 columns (Monday first) of 6 weeks, cells of 28 x 15, from (1, 45) of the face.
inline constexpr int kDayColumns = 7;
inline constexpr int kDayRows = 6;
inline constexpr int kDayCellWidth = 28;
inline constexpr int kDayCellHeight = 15;
inline constexpr int kDayGridLeft = 1;
inline constexpr int kDayGridTop = 45;
// Header: the month buttons (21 x 15 at rows 7 .. 21), the year field between them, and the
// year's spin (15 wide, two halves of 9 rows from row 6), shown once the year field is active.
inline constexpr int kHeaderTop = 7;
inline constexpr int kHeaderHeight = 15;
inline constexpr int kMonthButtonWidth = 21;
inline constexpr int kMonthBackLeft = 7;
inline constexpr int kMonthForwardLeft = 169;
inline constexpr int kYearFieldLeft = 99;
inline constexpr int kYearSpinLeft = 150;
inline constexpr int kYearSpinWidth = 15;
inline constexpr int kYearSpinTop = 6;
inline constexpr int kYearSpinHalf = 9;

//-----------------------------------------------------------------------------
// [SECTION] Rectangles
//-----------------------------------------------------------------------------

// Screen columns (or rows) lo .. hi - 1.
struct Span {
  long long lo = 0, hi = 0;
  bool Holds(long long v) const { return v >= lo && v < hi; }
};

// A screen rectangle: columns x .. x + w - 1, rows y .. y + h - 1.
struct Rect {
  long long x = 0, y = 0, w = 0, h = 0;
  long long Right() const { return x + w; }   // first column past it
  long long Bottom() const { return y + h; }  // first row below it
  Span Columns() const { return {x, x + w}; }
  Span Rows() const { return {y, y + h}; }
  bool Holds(long long px, long long py) const { return Columns().Holds(px) && Rows().Holds(py); }
};

// What an open drop-down gadget takes the mouse on: its field with the drop-down part below it
// (or above it, up), as wide as the wider of the two.
inline Rect FieldWithDropDown(const Rect& field, const Rect& dropDown, bool up) {
  return {field.x, up ? dropDown.y : field.y, std::max(field.w, dropDown.w), field.h + dropDown.h};
}

//-----------------------------------------------------------------------------
// [SECTION] Framed rows: lists, trees and the combo box list
//-----------------------------------------------------------------------------

// The built-in scroll bar of a framed list of n rows. The thumb's exact top maps drags to rows;
// the thumb as drawn (RowLayout::Thumb) is what a press grabs.
struct ListBar {
  Rect up, down, track;
  Span pressColumns;       // the bar and the frame column right of it
  double step = 0;         // pixels the thumb moves per scrolled row; 0 without rows
  double thumbTop = 0;     // exact screen row of the thumb's top
  double thumbLength = 0;  // whole pixels: rows / n of the track, or the whole track
};

struct RowLayout {
  Rect frame;              // the sunken frame on the screen
  int hdr = 0;             // 1 when a header row sits above the rows
  long long rows = 0;      // visible row slots
  long long topItem = 0;   // rows scrolled away above the first slot
  bool scrollBar = false;  // the built-in bar is shown
  int check = 0;           // check box column width, 0 without
  int image = 0;           // image column width, 0 without

  int Margin() const { return scrollBar ? kMarginWithBar : kMarginNoBar; }
  // The rows inside the frame's bevel, where presses reach the rows and the header.
  Span Inside() const { return {frame.y + kFrameInset, frame.Bottom() - kFrameInset}; }
  // Screen row of the top of row r (1-based: an item of a list, a visible node of a tree).
  long long RowTop(long long r) const {
    return frame.y + kFrameInset + (r - topItem + hdr - 1) * kRowHeight;
  }
  // The row r = topItem + k (slot k = 1 .. rows) whose 14 pixel rows hold screen row py; 0 for
  // none. Not checked against the number of rows the gadget has.
  long long RowAt(long long py) const;
  // The columns of a row from `indent` columns into the rows (past a list's check column, a
  // tree's indentation and check column) to the margin: the selection bar, and where a press
  // picks the row.
  Span RowColumns(long long indent) const {
    return {frame.x + kFrameInset + indent, frame.Right() - Margin() + kFrameInset};
  }
  Rect RowRect(long long r, long long indent) const {
    const Span columns = RowColumns(indent);
    return {columns.lo, RowTop(r), columns.hi - columns.lo, kRowHeight};
  }
  // The light background behind the header and the rows.
  Rect RowsArea() const {
    const Span columns = RowColumns(0), inside = Inside();
    return {columns.lo, inside.lo, columns.hi - columns.lo, inside.hi - inside.lo};
  }
  // Left column of the image, and of the text, of a row part starting `indent` columns in.
  long long ImageX(long long indent) const { return frame.x + kFrameInset + indent + kItemInset; }
  long long LabelX(long long indent) const { return ImageX(indent) + image; }

  // ColumnList. Column edges count from the frame's left edge and include the check column;
  // the last column ends at the margin. A column's header cell, and the part of each row that
  // picks it, span its edges moved 2 columns in.
  long long ColumnEdge(long long entryLeft) const { return entryLeft + check; }
  long long LastColumnRight() const { return frame.w - Margin(); }
  Span ColumnSpan(long long left, long long right) const {
    return {frame.x + kFrameInset + left, frame.x + kFrameInset + right};
  }
  Rect HeaderCell(long long left, long long right) const {
    const Span columns = ColumnSpan(left, right);
    return {columns.lo, frame.y + kFrameInset, right - left, kRowHeight};
  }
  // A list's check box takes the columns up to its right outline.
  bool OnListCheckBox(long long mx) const { return mx <= frame.x + kCheckColumn; }

  // Tree, level 1 .. 127. The indentation d = 17 x level; the level's column (the 17 columns
  // ending at the indentation) takes expand box presses, the next 14 the check box's.
  static long long Indent(int level) { return static_cast<long long>(kTreeIndent) * level; }
  Span ExpandColumns(int level) const {
    const long long end = frame.x + kFrameInset + Indent(level);
    return {end - kTreeIndent, end};
  }
  Span TreeCheckColumns(int level) const {
    const long long start = frame.x + kFrameInset + Indent(level);
    return {start, start + kCheckColumn};
  }
  Rect ExpandBox(int level, long long rowTop) const {
    return {frame.x + Indent(level) - kExpandBoxLeft, rowTop + kExpandBoxTop, kExpandBoxSize,
            kExpandBoxSize};
  }

  // The scroll bar for n rows in all (drawn only when scrollBar).
  ListBar Bar(long long n) const;
  // The thumb as drawn, and as a press finds it: the exact top rounded (the track's top while
  // every row fits), kept on the track and at least a few pixels long, so that the position of
  // a very long list stays visible.
  Rect Thumb(const ListBar& bar, long long n) const;
};

// The text of a row, vertically centred in its 14 pixels.
inline int RowTextDy(int lineHeight) {
  return (kRowHeight - lineHeight) / 2;
}

// A tree item's level as the tree lays it out.
inline int TreeLevel(const GadgetItem& item) {
  return std::clamp(item.itemLevel, 1, kTreeMaxLevel);
}

// ColumnList and FileList: the frame at (x, y), w x h; itemCount the items.
RowLayout ListLayout(const Gadget& g, Rect frame, long long itemCount);
// Tree and TreeList; visibleRows the nodes not hidden inside a collapsed branch.
RowLayout TreeLayout(const Gadget& g, Rect frame, long long visibleRows);

// The most rows a list, tree or combo box list keeps: with a header row they are still no
// higher than a stored height may be.
inline constexpr int kMaxRows = (COORDINATE_LIMIT - kListFrame) / kRowHeight - 1;
inline int ClampRows(int rows) {
  return std::clamp(rows, 0, kMaxRows);
}

// Pixel height of `rows` rows in their frame, with a header row when hdr is 1.
inline long long FramedRowsHeight(long long rows, int hdr) {
  return (std::max(rows, 0LL) + hdr) * kRowHeight + kListFrame;
}

//-----------------------------------------------------------------------------
// [SECTION] ComboBox
//-----------------------------------------------------------------------------

// The field at the gadget's top (its height, from the gadget font, given by the caller) and,
// while open, the list below it or above it (dropUp). The gadget's height is the list's.
struct ComboLayout {
  Rect field;
  Rect dropButton;   // drawn in the field's bevel
  Span dropColumns;  // take the drop button's presses: the button and the frame column
  RowLayout list;    // the open list's frame and rows (no header)

  // The row a press at py picks (topItem + k), 0 for none: below the top bevel, and only rows
  // starting at least 9 pixels above the list's bottom.
  long long PickRow(long long py) const;
  // Columns that pick a row: from the bevel's inner column up to the bar, or to the right edge.
  Span PickColumns() const;
};

// The field's height for a gadget font of this line height.
inline int ComboFieldHeight(int lineHeight) {
  return lineHeight + kFieldPadding;
}
// The open list's height: the gadget's, or shorter when it has fewer items than rows.
long long ComboListHeight(const Gadget& g);
// The box at (x, y), w wide; the list's height from ComboListHeight (a renderer may pin it).
ComboLayout ComboBoxLayout(const Gadget& g, long long x, long long y, long long w, int fieldHeight,
                           long long listHeight);

//-----------------------------------------------------------------------------
// [SECTION] Calendar and the Date's drop-down
//-----------------------------------------------------------------------------

struct CalendarFace {
  long long cx = 0, cy = 0;  // the face's top-left corner

  Rect DayGrid() const {
    return {cx + kDayGridLeft, cy + kDayGridTop, kDayColumns * kDayCellWidth,
            kDayRows * kDayCellHeight};
  }
  // Cell (col, row), col 0 .. 6 from Monday, row 0 .. 5.
  Rect DayCell(int col, int row) const {
    const Rect grid = DayGrid();
    return {grid.x + static_cast<long long>(col) * kDayCellWidth,
            grid.y + static_cast<long long>(row) * kDayCellHeight, kDayCellWidth, kDayCellHeight};
  }
  // Column and row of the cell holding a point of the grid.
  int DayColumnAt(long long mx) const {
    return static_cast<int>((mx - DayGrid().x) / kDayCellWidth);
  }
  int DayRowAt(long long my) const { return static_cast<int>((my - DayGrid().y) / kDayCellHeight); }
  // The header row of the month buttons and the year field.
  Span HeaderRows() const { return {cy + kHeaderTop, cy + kHeaderTop + kHeaderHeight}; }
  Rect MonthBack() const {
    return {cx + kMonthBackLeft, cy + kHeaderTop, kMonthButtonWidth, kHeaderHeight};
  }
  Rect MonthForward() const {
    return {cx + kMonthForwardLeft, cy + kHeaderTop, kMonthButtonWidth, kHeaderHeight};
  }
  Rect YearField() const {
    return {cx + kYearFieldLeft, cy + kHeaderTop, kMonthForwardLeft - kYearFieldLeft,
            kHeaderHeight};
  }
  Rect YearUp() const {
    return {cx + kYearSpinLeft, cy + kYearSpinTop, kYearSpinWidth, kYearSpinHalf};
  }
  Rect YearDown() const {
    return {cx + kYearSpinLeft, cy + kYearSpinTop + kYearSpinHalf, kYearSpinWidth, kYearSpinHalf};
  }
  // The "today" line, below the grid to the face's bottom.
  Rect TodayLine() const {
    const long long top = DayGrid().Bottom();
    return {cx, top, kFaceWidth, cy + kFaceHeight - top};
  }
};

// The face centred in the rectangle (x, y, w, h) (a Calendar's own, or a Date's drop-down).
CalendarFace CalendarFaceIn(const Rect& area);
// A Date's open calendar: below its field (x, y, height fieldHeight), or above it with up.
Rect DateDropDown(long long x, long long y, long long fieldHeight, bool up);

//-----------------------------------------------------------------------------
// [SECTION] String text lines
//-----------------------------------------------------------------------------

// Whole text lines of a String of this height; at least one, which the field always shows.
inline int TextFieldLines(int height) {
  return static_cast<int>(
      std::max(1LL, (static_cast<long long>(height) - kListFrame) / kRowHeight));
}

}  // namespace bevel::detail
