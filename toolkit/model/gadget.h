// The record of one gadget and of one item of a list-type gadget.
//
// Every field is typed and named; the date of Date and Calendar gadgets has storage of its own
// (it never shares a field with value, selectionStart, cursor, minimum, maximum or blinkPhase,
// which per-frame code resets).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/model/text_history.h"
#include "toolkit/toolkit.h"

namespace bevel {

// Gadget types.
enum GadgetType : int {
  GADGET_BUTTON = 1,
  GADGET_CHECKBOX = 2,
  GADGET_OPTION = 3,
  GADGET_SPIN = 4,
  GADGET_TEXT = 5,
  GADGET_COLUMNLIST = 6,
  GADGET_STRING = 7,
  GADGET_PROGRESSBAR = 8,
  GADGET_COMBOBOX = 9,
  GADGET_FRAME3D = 10,
  GADGET_TRACKBAR = 11,
  GADGET_SCROLLBAR = 12,
  GADGET_HYPERLINK = 13,
  GADGET_IMAGEBUTTON = 14,
  GADGET_TREE = 15,
  GADGET_TREELIST = 16,
  GADGET_FILELIST = 17,
  GADGET_DATE = 18,
  GADGET_CALENDAR = 19,
};
inline constexpr int kGadgetTypeCount = 19;

// Item state bits.
inline constexpr int ITEM_CHECK_CLICKED = 0x1;
inline constexpr int ITEM_CHECKED = 0x2;
inline constexpr int ITEM_EXPANDED = 0x4;
inline constexpr int ITEM_EXPANDER_CLICKED = 0x8;
inline constexpr int ITEM_SELECTED = 0x10;
inline constexpr int ITEM_HOVER = 0x20;
inline constexpr int ITEM_DIRECTORY = 0x40;
// FileList: the name on disk has characters Windows-1252 lacks; the item shows "?" for them,
// greyed, and cannot be opened or chosen.
inline constexpr int ITEM_NAME_LOST = 0x80;

// One row of a ColumnList, ComboBox, Tree, TreeList or FileList.
struct GadgetItem {
  std::string itemText;  // ColumnList: the columns' texts separated by LF; may hold inline codes
  int itemState = 0;     // ITEM_* bits
  int itemLevel = 0;     // tree depth + 1; 0 for items added without a level
  int itemData = 0;      // the caller's value (an image handle for icons)
  // Colour slots for ColorSlot 8, 2 and 3 in this order; -1 = the gadget's colour.
  std::array<int, 3> itemColors{0, -1, -1};
  int handle = 0;  // unique non-zero id, returned when the item is added
};

// A date as the Date and Calendar gadgets keep it (seconds are not kept). A year of -1 means
// "none": no date set, or no limit.
struct DateParts {
  int year = -1;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
};

// Tree and TreeList: the rows their items take, kept between frames so that a frame costs what
// its visible rows cost rather than a walk over every item. Rows are 1-based; 0 is "none".
// toolkit/gadgets/tree_rows.h builds it and says when it goes stale.
struct TreeRowIndex {
  bool stale = true;      // items or expanded bits changed since it was built
  std::vector<int> item;  // the item index shown on row r, at r - 1
  std::vector<int> up;    // per row: the nearest earlier row of a lower level
  std::vector<int> next;  // per row: the first later row of the same or a lower level
};

struct Gadget {
  int type = 0;
  int number = 0;
  int window = 0;  // owning screen window; 0 the screen
  int x = 0, y = 0;
  int width = 0, height = 0;
  std::string text;  // caption, content, directory (FileList) or date mask (Date)
  int state = 0;
  int value = 0;  // current value, or the selected item 1-based (0 none)
  int minimum = 0;
  int maximum = 0;
  int flags = 0;
  int scrollX = 0;
  int topItem = 0;
  int rows = 0;  // visible rows; ScrollBar: the page size
  int repeatDelay = 0;
  int disabled = 0;
  int hidden = 0;
  int columnCount = 0;
  std::string columns;  // ColumnList column entries (toolkit/gadgets/column_entries.h)
  int pressedColumn = 0;
  int clickedRow = 0;
  int hoverItem = -1;
  int dropState = 0;
  int dropClose = 0;
  int dropUp = 0;
  int hoverColour = 0;  // HyperLink: hover text colour; ImageButton: the image handle
  int blinkPhase = 0;
  int blinkPhase2 = 0;
  int altCode = 0;
  int selectionStart = -1;
  int cursor = -1;
  int pickX = 0, pickY = 0;
  // The frame (FrameSerial) in which a double click or Return activated it; see Activated().
  std::uint64_t activatedFrame = 0;
  int lastKey = 0;
  std::string extraText;  // FileList: the pattern; Date: the texts of the date parts
  std::vector<GadgetItem> items;
  // Some item may carry a press mark (ITEM_CHECK_CLICKED, ITEM_EXPANDER_CLICKED, ITEM_HOVER):
  // set wherever one is set, cleared by the walks that clear them all, so that a frame without
  // marks never walks the items.
  bool itemMarks = true;
  TextHistory history;    // String and editable ComboBox with TEXT_FIELD_UNDO
  TreeRowIndex treeRows;  // Tree and TreeList
  ColorScheme colors{0, -1, -1, -1, -1, -1, -1, -1};

  // Date and Calendar.
  DateParts date;
  DateParts minDate;  // lower limit (minDate.year is the minYear of the limit)
  DateParts maxDate;  // upper limit
  int dateFieldType = 0;
  int dateField = 0;
  int dateSet = 0;  // Date: 1 = a date is set (the check box ticked)

  int listIndex = 0;          // position in the gadget list, kept by the list
  std::uintptr_t handle = 0;  // the public handle (a Gadget* token), never given twice
  bool dead = false;          // closed: out of every lookup, freed when the frame ends
};

}  // namespace bevel
