// Gadget creation: the numbering protocol shared by every creator, the per-type flag
// rules, and the creators of the eighteen types that have one (TreeList has none).
//
// Creation protocol, the same for every creator (NewGadget):
//   1. Without GADGET_INTERNAL a number below 1 other than ANY_NUMBER fails.
//   2. A number that any gadget (of any window) already has fails.
//   3. The class's flag rules are applied (its creationFlags).
//   4. A record is appended; ANY_NUMBER becomes a fresh handle from the gadget list.
//   5. type, number, window (CurrentGadgetListOwner), geometry and flags are stored; colour
//      slots 1..7 become -1 (use the scheme), the spare slot 8 stays 0. Positions and sizes are
//      clamped to -COORDINATE_LIMIT .. COORDINATE_LIMIT, row counts to 0 .. kMaxRows.
//   6. The result is the number (1 for an internal gadget numbered 0, so that it is non-zero).
#include <algorithm>
#include <string>
#include <string_view>
#include <utility>

#include "toolkit/gadgets/column_entries.h"
#include "toolkit/gadgets/date_parts.h"
#include "toolkit/gadgets/file_list.h"
#include "toolkit/gadgets/gadget_rules.h"
#include "toolkit/gadgets/items.h"
#include "toolkit/gadgets/list_layout.h"
#include "toolkit/model/coordinates.h"
#include "toolkit/model/gadget_class.h"
#include "toolkit/model/toolkit_state.h"

namespace bevel {
namespace {

// Steps 1 to 5 of the creation protocol; nullptr when the number is refused.
Gadget* NewGadget(int type, int number, int x, int y, int width, int height, int flags) {
  ToolkitState& tk = Toolkit();
  if ((flags & GADGET_INTERNAL) == 0 && number < 1 && number != ANY_NUMBER) return nullptr;
  if (number != ANY_NUMBER && tk.GadgetList.Contains(number)) return nullptr;
  const int owner = CurrentGadgetListOwner();
  Gadget& gadget = tk.GadgetList.Append(number == ANY_NUMBER ? tk.GadgetList.NewNumber() : number);
  gadget.type = type;
  gadget.window = owner;
  gadget.x = detail::ClampCoordinate(x);
  gadget.y = detail::ClampCoordinate(y);
  gadget.width = detail::ClampCoordinate(width);
  gadget.height = detail::ClampCoordinate(height);
  const detail::FlagsFn rules = detail::ClassOf(type).creationFlags;
  gadget.flags = rules != nullptr ? rules(flags) : flags;
  gadget.colors.fill(-1);
  gadget.colors[SlotIndex(COLOR_SPARE)] = 0;
  return &gadget;
}

// Step 6: what a creator returns.
int Handle(const Gadget* gadget) {
  if (gadget == nullptr) return 0;
  return gadget->number == 0 ? 1 : gadget->number;
}

// A range given with maximum below minimum is stored the right way round,
// so that clamping, thumb sizes and bar lengths never see a negative extent.
void SetRange(Gadget& gadget, int minimum, int maximum) {
  gadget.minimum = std::min(minimum, maximum);
  gadget.maximum = std::max(minimum, maximum);
}

// Orientation fix of bars: a vertical bar is never wider than tall, a horizontal one never
// taller than wide.
void FixOrientation(Gadget& gadget) {
  const bool vertical = (gadget.flags & FLAG_VERTICAL) != 0;
  if (vertical ? gadget.height < gadget.width : gadget.width < gadget.height) {
    std::swap(gadget.width, gadget.height);
  }
}

// A gadget whose height argument is a row count.
Gadget* NewRowGadget(int type, int number, int x, int y, int width, int rows, int flags) {
  Gadget* gadget = NewGadget(type, number, x, y, width, 0, flags);
  if (gadget == nullptr) return nullptr;
  gadget->rows = detail::ClampRows(rows);
  gadget->height = detail::ClassOf(type).rowsToHeight(gadget->flags, gadget->rows);
  gadget->topItem = 0;
  return gadget;
}

Gadget* NewColumnList(int number, int x, int y, int width, int rows, std::string_view title,
                      int flags) {
  const char align = (flags & ALIGN_RIGHT) ? 'R' : (flags & ALIGN_CENTER) ? 'C' : 'L';
  Gadget* gadget = NewRowGadget(GADGET_COLUMNLIST, number, x, y, width, rows, flags);
  if (gadget == nullptr) return nullptr;
  gadget->columns.clear();
  detail::AppendColumnEntry(gadget->columns, 0, align, title);
  return gadget;
}

}  // namespace

int CreateButton(int number, int x, int y, int width, int height, std::string_view text,
                 int flags) {
  Gadget* gadget = NewGadget(GADGET_BUTTON, number, x, y, width, height, flags);
  if (gadget != nullptr) gadget->text = text;
  return Handle(gadget);
}

int CreateCheckBox(int number, int x, int y, int width, int height, std::string_view text,
                   int flags) {
  Gadget* gadget = NewGadget(GADGET_CHECKBOX, number, x, y, width, height, flags);
  if (gadget != nullptr) gadget->text = text;
  return Handle(gadget);
}

int CreateOption(int number, int x, int y, int width, int height, std::string_view text) {
  Gadget* gadget = NewGadget(GADGET_OPTION, number, x, y, width, height, 0);
  if (gadget != nullptr) gadget->text = text;
  return Handle(gadget);
}

int CreateSpin(int number, int x, int y, int width, int height, int minimum, int maximum,
               int flags) {
  Gadget* gadget = NewGadget(GADGET_SPIN, number, x, y, width, height, flags);
  if (gadget != nullptr) SetRange(*gadget, minimum, maximum);  // value stays 0, not clamped
  return Handle(gadget);
}

int CreateText(int number, int x, int y, int width, int height, std::string_view text, int flags) {
  Gadget* gadget = NewGadget(GADGET_TEXT, number, x, y, width, height, flags);
  if (gadget != nullptr) gadget->text = text;
  return Handle(gadget);
}

int CreateColumnList(int number, int x, int y, int width, int rows, std::string_view title,
                     int flags) {
  return Handle(NewColumnList(number, x, y, width, rows, title, flags));
}

int CreateString(int number, int x, int y, int width, int height, std::string_view text,
                 int maximum, int flags) {
  Gadget* gadget = NewGadget(GADGET_STRING, number, x, y, width, height, flags);
  if (gadget == nullptr) return 0;
  gadget->maximum = maximum;
  // The text is cut like SetGadgetText so that a field never
  // starts out holding more than its maximum.
  gadget->text = detail::CutToMaximum(text, maximum, (gadget->flags & STRING_MULTILINE) != 0);
  gadget->selectionStart = -1;
  gadget->cursor = -1;
  gadget->blinkPhase = Toolkit().BlinkFrames;
  gadget->blinkPhase2 = Toolkit().BlinkFrames;
  return Handle(gadget);
}

int CreateProgressBar(int number, int x, int y, int width, int height, int minimum, int maximum,
                      int flags) {
  Gadget* gadget = NewGadget(GADGET_PROGRESSBAR, number, x, y, width, height, flags);
  if (gadget == nullptr) return 0;
  SetRange(*gadget, minimum, maximum);
  gadget->value = gadget->minimum;
  FixOrientation(*gadget);
  return Handle(gadget);
}

int CreateComboBox(int number, int x, int y, int width, int rows, int flags) {
  Gadget* gadget = NewRowGadget(GADGET_COMBOBOX, number, x, y, width, rows, flags);
  if (gadget == nullptr) return 0;
  gadget->maximum = -1;
  gadget->selectionStart = -1;
  gadget->cursor = -1;
  gadget->blinkPhase = Toolkit().BlinkFrames;
  return Handle(gadget);
}

int CreateFrame3D(int number, int x, int y, int width, int height, std::string_view text,
                  int flags) {
  Gadget* gadget = NewGadget(GADGET_FRAME3D, number, x, y, width, height, flags);
  if (gadget != nullptr) gadget->text = text;
  return Handle(gadget);
}

int CreateTrackBar(int number, int x, int y, int width, int height, int minimum, int maximum,
                   int flags) {
  Gadget* gadget = NewGadget(GADGET_TRACKBAR, number, x, y, width, height, flags);
  if (gadget == nullptr) return 0;
  SetRange(*gadget, minimum, maximum);
  gadget->value = gadget->minimum;
  FixOrientation(*gadget);
  return Handle(gadget);
}

int CreateScrollBar(int number, int x, int y, int width, int height, int minimum, int maximum,
                    int page, int flags) {
  Gadget* gadget = NewGadget(GADGET_SCROLLBAR, number, x, y, width, height, flags);
  if (gadget == nullptr) return 0;
  SetRange(*gadget, minimum, maximum);
  gadget->value = gadget->minimum;
  gadget->rows = page;
  FixOrientation(*gadget);
  return Handle(gadget);
}

int CreateHyperLink(int number, int x, int y, int width, int height, std::string_view text,
                    int hoverColour, int flags) {
  Gadget* gadget = NewGadget(GADGET_HYPERLINK, number, x, y, width, height, flags);
  if (gadget == nullptr) return 0;
  gadget->text = text;
  gadget->hoverColour = hoverColour;
  return Handle(gadget);
}

int CreateImageButton(int number, int x, int y, int width, int height, int image, int flags) {
  Gadget* gadget = NewGadget(GADGET_IMAGEBUTTON, number, x, y, width, height, flags);
  if (gadget != nullptr) gadget->hoverColour = image;
  return Handle(gadget);
}

int CreateTree(int number, int x, int y, int width, int rows, int flags) {
  return Handle(NewRowGadget(GADGET_TREE, number, x, y, width, rows, flags));
}

int CreateFileList(int number, int x, int y, int width, int rows, std::string_view path,
                   int flags) {
  const int listFlags = (flags & ~(LIST_NO_HEADER | LIST_CHECKBOXES | LIST_HEADER_FIXED)) |
                        LIST_NO_HEADER | LIST_IMAGES;
  Gadget* gadget = NewColumnList(number, x, y, width, rows, "", listFlags);
  if (gadget == nullptr) return 0;
  gadget->type = GADGET_FILELIST;

  // path: ["]directory/pattern["][|...]; the directory ends at the last "/" or "\" before any
  // "|", the pattern runs from there to a closing quote.
  if (!path.empty() && path.front() == '"') path.remove_prefix(1);
  const std::string_view head = path.substr(0, path.find('|'));
  const std::string_view directory = detail::DirectoryPart(head);
  std::string_view pattern = path.substr(directory.size());
  pattern = pattern.substr(0, pattern.find('"'));
  gadget->text = directory;
  gadget->extraText = detail::LowerCase(pattern);

  detail::FillFileList(*gadget);
  return Handle(gadget);
}

int CreateDate(int number, int x, int y, int width, int height, std::string_view mask, int date,
               int flags) {
  Gadget* gadget = NewGadget(GADGET_DATE, number, x, y, width, height, flags);
  if (gadget == nullptr) return 0;
  gadget->text = mask.empty() ? std::string_view(detail::kDefaultDateMask) : mask;
  gadget->date = detail::SplitDate(date == 0 ? DateNow() : date);
  gadget->minDate = DateParts{};  // year -1: no limit
  gadget->maxDate = DateParts{};
  gadget->dateSet = 1;
  return Handle(gadget);
}

int CreateCalendar(int number, int x, int y, int width, int height, int date) {
  Gadget* gadget = NewGadget(GADGET_CALENDAR, number, x, y, std::max(width, detail::kCalendarWidth),
                             std::max(height, detail::kCalendarHeight), 0);
  if (gadget == nullptr) return 0;
  gadget->date = detail::SplitDate(date == 0 ? DateNow() : date);
  gadget->minDate = DateParts{};
  gadget->maxDate = DateParts{};
  return Handle(gadget);
}

namespace detail {

// [SECTION] Creation rules of the classes

int ButtonFlags(int flags) {
  return (flags & ALIGN_LEFT) ? flags & ~ALIGN_RIGHT : flags;
}

int TextFlags(int flags) {
  return (flags & ALIGN_RIGHT) ? flags & ~ALIGN_CENTER : flags;
}

// Lower case excludes upper case only for text input; with numeric input the two bits select
// the extra characters "." and "-" and may stand together.
int ComboBoxFlags(int flags) {
  if ((flags & STRING_NUMERIC) == 0 && (flags & STRING_LOWER_CASE)) flags &= ~STRING_UPPER_CASE;
  return flags;
}

int StringFlags(int flags) {
  return ComboBoxFlags(TextFlags(flags));
}

// A ColumnList's alignment bits were turned into its first column's letter at creation.
int ColumnListFlags(int flags) {
  return flags & ~(ALIGN_RIGHT | ALIGN_CENTER);
}

int Frame3DFlags(int flags) {
  if (flags & FRAME_SINGLE) flags &= ~FRAME_DOUBLE_SUNKEN;
  if (flags & (FRAME_SINGLE | FRAME_DOUBLE_SUNKEN)) flags &= ~FRAME_FLAT;
  return flags;
}

int DateFlags(int flags) {
  return flags | STRING_NUMERIC;
}

int ListHeight(int, int rows) {
  return static_cast<int>(FramedRowsHeight(rows, 0));
}

int ColumnListHeight(int flags, int rows) {
  return static_cast<int>(FramedRowsHeight(rows, (flags & LIST_NO_HEADER) ? 0 : 1));
}

}  // namespace detail
}  // namespace bevel
