// Gadget state, text and attribute commands and ResizeGadget / GadgetExists
//, by gadget type, including the mended edge cases.
#include <gtest/gtest.h>

#include "tests/support/gadget_model.h"
#include "toolkit/model/lifetime.h"

#include <string>

#include "services/headless.h"
#include "toolkit/model/gadget.h"
#include "toolkit/model/toolkit_state.h"
#include "toolkit/toolkit.h"

namespace bevel {
namespace {

using testing::kNow;

class Commands : public testing::GadgetModel {
 protected:
  // A ColumnList (or other list type made by `create`) with `count` items "item 0", ...
  static void FillList(int number, int count) {
    for (int i = 0; i < count; ++i) {
      ASSERT_NE(AddGadgetItem(number, -1, "item " + std::to_string(i)), 0);
    }
  }
};

// --- Missing gadgets ------------------------------------------------------------------------

TEST_F(Commands, MissingGadgetsGiveZeroOrEmpty) {
  const ColorScheme scheme = Toolkit().GadgetScheme;
  EXPECT_EQ(SetGadgetState(42, 1), 0);
  EXPECT_EQ(GetGadgetState(42), 0);
  EXPECT_EQ(SetGadgetText(42, "x"), 0);
  EXPECT_EQ(GetGadgetText(42), "");
  EXPECT_EQ(SetSelectionStart(42, 1), 0);
  EXPECT_EQ(SetCursor(42, 1), 0);
  EXPECT_EQ(DisableGadget(42, 1), 0);
  EXPECT_EQ(SetGadgetColor(42, COLOR_FACE, 0x123456), 0);
  EXPECT_EQ(Toolkit().GadgetScheme, scheme) << "a missing gadget never changes the scheme";
  EXPECT_EQ(GetGadgetColors(42), nullptr);
  EXPECT_EQ(GadgetActivated(42), 0);
  EXPECT_EQ(GadgetExists(42), 0);
  EXPECT_EQ(ResizeGadget(42, 1, 2, 3, 4), 0);
  EXPECT_EQ(SetDateLimits(42, 1, 2), 0);
  EXPECT_EQ(GadgetRecord(42), nullptr);
  EXPECT_EQ(RecordState(nullptr), 0);
  EXPECT_EQ(RecordItemText(nullptr, 0), "");
  EXPECT_EQ(ClickedColumn(nullptr), 0);
}

// --- Toggles and options --------------------------------------------------------------------

TEST_F(Commands, CheckBoxStoresTwoAndReadsOne) {
  CreateCheckBox(1, 0, 0, 10, 10, "c");
  EXPECT_EQ(SetGadgetState(1, 5), 1);
  EXPECT_EQ(Record(1).state, 2);
  EXPECT_EQ(GetGadgetState(1), 1);
  SetGadgetState(1, 0);
  EXPECT_EQ(Record(1).state, 0);
  EXPECT_EQ(GetGadgetState(1), 0);
}

TEST_F(Commands, ButtonsWithAndWithoutToggle) {
  CreateButton(1, 0, 0, 10, 10, "toggle", BUTTON_TOGGLE);
  CreateButton(2, 0, 0, 10, 10, "plain");
  CreateImageButton(3, 0, 0, 10, 10, 0, BUTTON_TOGGLE);
  SetGadgetState(1, 7);
  SetGadgetState(2, 1);
  SetGadgetState(3, -1);
  EXPECT_EQ(Record(1).state, 2);
  EXPECT_EQ(Record(2).state, 1) << "a plain button takes the value: 1 is a pending click";
  EXPECT_EQ(Record(3).state, 2);
  EXPECT_EQ(GetGadgetState(1), 1);
  SetGadgetState(1, 0);
  EXPECT_EQ(GetGadgetState(1), 0);
}

TEST_F(Commands, OptionGroupsAreRunsOfAdjacentOptions) {
  CreateOption(1, 0, 0, 10, 10, "A");
  CreateOption(2, 0, 0, 10, 10, "B");
  CreateOption(3, 0, 0, 10, 10, "C");
  CreateButton(4, 0, 0, 10, 10, "Button");
  CreateOption(5, 0, 0, 10, 10, "D");
  SetGadgetState(1, 1);
  SetGadgetState(3, 1);
  SetGadgetState(5, 1);
  EXPECT_EQ(GetGadgetState(1), 0) << "C cleared A";
  EXPECT_EQ(GetGadgetState(3), 1);

  SetGadgetState(1, 1);
  EXPECT_EQ(GetGadgetState(1), 1);
  SetGadgetState(2, 1);
  EXPECT_EQ(GetGadgetState(1), 0);
  EXPECT_EQ(GetGadgetState(2), 1);
  EXPECT_EQ(GetGadgetState(3), 0);
  EXPECT_EQ(GetGadgetState(5), 1) << "D lies beyond the button: another group";
  EXPECT_EQ(Record(4).state, 0);

  SetGadgetState(2, 0);
  EXPECT_EQ(GetGadgetState(2), 1) << "0 changes nothing";
}

TEST_F(Commands, OptionAtTheListsStartAndEnd) {
  CreateOption(1, 0, 0, 10, 10, "first");
  CreateOption(2, 0, 0, 10, 10, "last");
  SetGadgetState(2, 1);
  SetGadgetState(1, 1);
  EXPECT_EQ(GetGadgetState(1), 1);
  EXPECT_EQ(GetGadgetState(2), 0);
}

// --- Ranges ---------------------------------------------------------------------------------

TEST_F(Commands, RangedValuesAreClamped) {
  CreateSpin(1, 0, 0, 50, 20, -5, 5);
  CreateProgressBar(2, 0, 0, 100, 10, 0, 100);
  CreateTrackBar(3, 0, 0, 100, 10, 10, 20, 0);
  SetGadgetState(1, 99);
  SetGadgetState(2, -1);
  SetGadgetState(3, 15);
  EXPECT_EQ(GetGadgetState(1), 5);
  EXPECT_EQ(GetGadgetState(2), 0);
  EXPECT_EQ(GetGadgetState(3), 15);
  SetGadgetState(1, -99);
  EXPECT_EQ(GetGadgetState(1), -5);
}

TEST_F(Commands, ScrollBarStopsAPageBeforeTheMaximum) {
  CreateScrollBar(1, 0, 0, 100, 16, 0, 100, 10, 0);
  SetGadgetState(1, 200);
  EXPECT_EQ(GetGadgetState(1), 91);
  SetGadgetState(1, 91);
  EXPECT_EQ(GetGadgetState(1), 91);
  SetGadgetState(1, 50);
  EXPECT_EQ(GetGadgetState(1), 50);
  SetGadgetState(1, -3);
  EXPECT_EQ(GetGadgetState(1), 0);
}

// A page larger than the range puts the upper end below the minimum.
TEST_F(Commands, ScrollBarWithAPageBeyondTheRangeStaysAtTheMinimum) {
  CreateScrollBar(1, 0, 0, 100, 16, 10, 20, 50, 0);
  SetGadgetState(1, 15);
  EXPECT_EQ(GetGadgetState(1), 10);
  SetGadgetState(1, -100);
  EXPECT_EQ(GetGadgetState(1), 10);
  // A page below 1 counts as 1: the value never passes the maximum.
  CreateScrollBar(2, 0, 0, 100, 16, 0, 100, 0, 0);
  SetGadgetState(2, 500);
  EXPECT_EQ(GetGadgetState(2), 100);
}

// An inverted range at creation still clamps soundly.
TEST_F(Commands, InvertedRangesClampLikeTheirProperRange) {
  CreateSpin(1, 0, 0, 50, 20, 10, 0);
  CreateTrackBar(2, 0, 0, 100, 10, 100, 0, 0);
  CreateScrollBar(3, 0, 0, 100, 16, 100, 0, 10, 0);
  SetGadgetState(1, 50);
  SetGadgetState(2, -50);
  SetGadgetState(3, 500);
  EXPECT_EQ(GetGadgetState(1), 10);
  EXPECT_EQ(GetGadgetState(2), 0);
  EXPECT_EQ(GetGadgetState(3), 91);
  SetGadgetState(1, 4);
  EXPECT_EQ(GetGadgetState(1), 4);
}

// --- Lists ----------------------------------------------------------------------------------

TEST_F(Commands, ListSelectionIsZeroBasedAndClampedToTheLastItem) {
  CreateColumnList(1, 0, 0, 100, 5, "Name", 0);
  FillList(1, 5);
  EXPECT_EQ(GetGadgetState(1), -1) << "nothing selected";
  SetGadgetState(1, 99);
  EXPECT_EQ(GetGadgetState(1), 4);
  EXPECT_EQ(Record(1).value, 5);
  EXPECT_EQ(GetGadgetText(1), "item 4");
  SetGadgetState(1, 2);
  EXPECT_EQ(GetGadgetState(1), 2);
  SetGadgetState(1, -1);
  EXPECT_EQ(GetGadgetState(1), -1);
  EXPECT_EQ(GetGadgetText(1), "");
}

// Selections below -1 clear instead of storing a negative value.
TEST_F(Commands, ListSelectionBelowMinusOneSelectsNothing) {
  CreateColumnList(1, 0, 0, 100, 5, "Name", 0);
  FillList(1, 3);
  SetGadgetState(1, 1);
  SetGadgetState(1, -7);
  EXPECT_EQ(Record(1).value, 0);
  EXPECT_EQ(GetGadgetState(1), -1);
  SetGadgetState(1, INT32_MIN);
  EXPECT_EQ(Record(1).value, 0);
  SetGadgetState(1, INT32_MAX);
  EXPECT_EQ(GetGadgetState(1), 2) << "no overflow past the end";
}

TEST_F(Commands, EmptyListSelectsNothing) {
  CreateTree(1, 0, 0, 100, 5, 0);
  SetGadgetState(1, 3);
  EXPECT_EQ(GetGadgetState(1), -1);
  EXPECT_EQ(GetGadgetText(1), "");
}

TEST_F(Commands, ColumnListSelectionByCommandMarksTheFirstColumn) {
  CreateColumnList(1, 0, 0, 100, 5, "Name", 0);
  FillList(1, 2);
  Record(1).clickedRow = 3;
  EXPECT_EQ(ClickedColumn(GadgetRecord(1)), 2);
  SetGadgetState(1, 0);
  EXPECT_EQ(Record(1).clickedRow, 1);
  EXPECT_EQ(ClickedColumn(GadgetRecord(1)), 0);
  CreateTree(2, 0, 0, 100, 5, 0);
  Record(2).clickedRow = 3;
  EXPECT_EQ(ClickedColumn(GadgetRecord(2)), 0) << "only a ColumnList has columns";
}

TEST_F(Commands, ComboBoxSelectionShowsTheItemsDisplayText) {
  CreateComboBox(1, 0, 0, 100, 5, 0);
  AddGadgetItem(1, -1,
                "Bear\x0E"
                "beiten");
  AddGadgetItem(1, -1, "Zwei");
  SetGadgetState(1, 0);
  EXPECT_EQ(GetGadgetText(1), "Bearbeiten") << "inline codes removed";
  EXPECT_EQ(GetGadgetState(1), 0);
  SetGadgetState(1, 10);
  EXPECT_EQ(GetGadgetText(1), "Zwei");
  SetGadgetState(1, -1);
  EXPECT_EQ(GetGadgetText(1), "");
  EXPECT_EQ(GetGadgetState(1), -1);
}

TEST_F(Commands, EditableComboBoxCaretStaysInsideANewSelectionsText) {
  CreateComboBox(1, 0, 0, 100, 5, COMBO_EDITABLE);
  AddGadgetItem(1, -1, "a long entry");
  AddGadgetItem(1, -1, "ab");
  SetGadgetState(1, 0);
  SetCursor(1, 10);
  SetGadgetState(1, 1);
  EXPECT_EQ(Record(1).cursor, 2);
  EXPECT_EQ(Record(1).selectionStart, 2);
  SetGadgetText(1, "x");
  EXPECT_EQ(Record(1).cursor, 1);
}

TEST_F(Commands, RecordAccessorsMatchTheNumberCommands) {
  CreateColumnList(1, 0, 0, 100, 5, "Name", 0);
  FillList(1, 3);
  SetGadgetState(1, 1);
  const Gadget* record = GadgetRecord(1);
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(RecordNumber(record), 1);
  EXPECT_EQ(RecordState(record), 1);
  EXPECT_EQ(RecordItemText(record, 2), "item 2");
  EXPECT_EQ(RecordItemText(record, 3), "");
  CreateCheckBox(2, 0, 0, 10, 10, "c");
  SetGadgetState(2, 1);
  EXPECT_EQ(RecordState(GadgetRecord(2)), 1);
  EXPECT_EQ(RecordItemText(GadgetRecord(2), 0), "");
}

// --- String ---------------------------------------------------------------------------------

TEST_F(Commands, StringStateSetsTheCursor) {
  CreateString(1, 0, 0, 100, 20, "Hallo", -1, 0);
  Gadget& s = Record(1);
  s.altCode = 65;
  SetGadgetState(1, 2);
  EXPECT_EQ(s.cursor, 2);
  EXPECT_EQ(s.selectionStart, 2);
  EXPECT_EQ(s.state, 1);
  EXPECT_EQ(s.altCode, 0);
  EXPECT_EQ(GetGadgetState(1), 2);
  SetGadgetState(1, -2);
  EXPECT_EQ(GetGadgetState(1), 5) << "-2: end of text";
  EXPECT_EQ(s.selectionStart, 5);
  SetGadgetState(1, 99);
  EXPECT_EQ(GetGadgetState(1), 5) << "past the end: end of text";
  SetGadgetState(1, -1);
  EXPECT_EQ(s.state, 0);
  EXPECT_EQ(s.cursor, -1);
  EXPECT_EQ(s.selectionStart, -1);
}

// Negative positions other than -1 and -2 are no position at all.
TEST_F(Commands, StringStateBelowMinusTwoRemovesTheCursor) {
  CreateString(1, 0, 0, 100, 20, "Hallo", -1, 0);
  SetGadgetState(1, 3);
  SetGadgetState(1, -3);
  EXPECT_EQ(Record(1).state, 0);
  EXPECT_EQ(Record(1).cursor, -1);
  EXPECT_EQ(Record(1).selectionStart, -1);
  SetGadgetState(1, INT32_MIN);
  EXPECT_EQ(Record(1).cursor, -1);
}

TEST_F(Commands, StringTextIsCutToTheMaximum) {
  CreateString(1, 0, 0, 100, 20, "", 5, 0);
  SetGadgetText(1, "abcdefgh");
  EXPECT_EQ(GetGadgetText(1), "abcde");
  CreateString(2, 0, 0, 100, 20, "", -1, 0);
  SetGadgetText(2, "abcdefgh");
  EXPECT_EQ(GetGadgetText(2), "abcdefgh");
  CreateString(3, 0, 0, 100, 20, "", 0, 0);
  SetGadgetText(3, "abc");
  EXPECT_EQ(GetGadgetText(3), "") << "maximum 0 keeps nothing";
}

TEST_F(Commands, MultiLineStringIsCutPerLine) {
  CreateString(1, 0, 0, 100, 60, "", 3, STRING_MULTILINE);
  SetGadgetText(1, "abcdefg\nxy\n\n123456\n");
  EXPECT_EQ(GetGadgetText(1), "abc\nxy\n\n123\n");
  CreateString(2, 0, 0, 100, 60, "", 3, 0);
  SetGadgetText(2, "ab\ncdefg");
  EXPECT_EQ(GetGadgetText(2), "ab\n") << "a single-line field cuts the whole text";
}

TEST_F(Commands, StringCursorFollowsAShorterText) {
  CreateString(1, 0, 0, 100, 20, "abcdefgh", -1, 0);
  SetGadgetState(1, 8);
  SetGadgetText(1, "abc");
  EXPECT_EQ(Record(1).selectionStart, 3);
  EXPECT_EQ(Record(1).cursor, 3);
  EXPECT_EQ(Record(1).state, 1);
  // The caret alone past the end (a forward selection) is pulled back as well.
  SetGadgetText(1, "abcdefgh");
  SetSelectionStart(1, 1);
  SetCursor(1, 7);
  SetGadgetText(1, "abcd");
  EXPECT_EQ(Record(1).selectionStart, 1);
  EXPECT_EQ(Record(1).cursor, 4);
  // Without a cursor nothing appears.
  SetCursor(1, -1);
  SetGadgetText(1, "x");
  EXPECT_EQ(Record(1).cursor, -1);
  EXPECT_EQ(Record(1).state, 0);
}

TEST_F(Commands, SetCursorMinusOneRemovesTheCursor) {
  CreateString(1, 0, 0, 100, 20, "Hallo", -1, 0);
  SetGadgetState(1, 2);
  Record(1).altCode = 12;
  EXPECT_EQ(SetCursor(1, -1), 1);
  EXPECT_EQ(Record(1).state, 0);
  EXPECT_EQ(Record(1).cursor, -1);
  EXPECT_EQ(Record(1).selectionStart, -1);
  EXPECT_EQ(Record(1).altCode, 0);
  SetGadgetState(1, 2);
  SetSelectionStart(1, -5);
  EXPECT_EQ(Record(1).state, 0);
  EXPECT_EQ(Record(1).cursor, -1);
}

TEST_F(Commands, CursorAndSelectionStartSetEachOther) {
  CreateString(1, 0, 0, 100, 20, "Hallo Welt", -1, 0);
  SetCursor(1, 3);
  EXPECT_EQ(Record(1).cursor, 3);
  EXPECT_EQ(Record(1).selectionStart, 3) << "no anchor yet: it follows";
  EXPECT_EQ(Record(1).state, 1);
  SetSelectionStart(1, 7);
  EXPECT_EQ(Record(1).selectionStart, 7);
  EXPECT_EQ(Record(1).cursor, 3) << "the caret stays";
  SetCursor(1, -1);
  SetSelectionStart(1, 4);
  EXPECT_EQ(Record(1).selectionStart, 4);
  EXPECT_EQ(Record(1).cursor, 4);
}

// Positions past the text are the text's end.
TEST_F(Commands, CursorPositionsPastTheTextAreClamped) {
  CreateString(1, 0, 0, 100, 20, "Hallo", -1, 0);
  SetCursor(1, 99);
  EXPECT_EQ(Record(1).cursor, 5);
  EXPECT_EQ(Record(1).selectionStart, 5);
  SetSelectionStart(1, 6);
  EXPECT_EQ(Record(1).selectionStart, 5);
}

TEST_F(Commands, CursorCommandsServeOnlyStringsAndEditableComboBoxes) {
  CreateComboBox(1, 0, 0, 100, 5, 0);
  CreateComboBox(2, 0, 0, 100, 5, COMBO_EDITABLE);
  CreateButton(3, 0, 0, 10, 10, "b");
  SetGadgetText(2, "abc");
  EXPECT_EQ(SetCursor(1, 1), 1);
  EXPECT_EQ(Record(1).cursor, -1);
  EXPECT_EQ(Record(1).state, 0);
  EXPECT_EQ(SetCursor(3, 1), 1);
  EXPECT_EQ(Record(3).state, 0);
  SetCursor(2, 2);
  EXPECT_EQ(Record(2).cursor, 2);
  EXPECT_EQ(Record(2).state, 1);
}

// --- Texts of other types -------------------------------------------------------------------

TEST_F(Commands, TextsByType) {
  CreateButton(1, 0, 0, 10, 10, "old");
  SetGadgetText(1, "new");
  EXPECT_EQ(GetGadgetText(1), "new");
  CreateColumnList(2, 0, 0, 100, 5, "Name", 0);
  SetGadgetText(2, "ignored");
  EXPECT_EQ(Record(2).text, "") << "a ColumnList has no text of its own";
  EXPECT_EQ(Record(2).columns, "0L_Name\r");
  CreateTree(3, 0, 0, 100, 5, 0);
  AddTreeItem(3, -1, "root", 0, 0);
  SetGadgetState(3, 0);
  EXPECT_EQ(GetGadgetText(3), "root");
  CreateComboBox(4, 0, 0, 100, 5, 0);
  SetGadgetText(4,
                "F\x0E"
                "arbe");
  EXPECT_EQ(GetGadgetText(4), "Farbe");
  CreateCalendar(5, 0, 0, 0, 0);
  SetGadgetText(5, "cal");
  EXPECT_EQ(GetGadgetText(5), "cal");
}

// --- Date and Calendar ----------------------------------------------------------------------

TEST_F(Commands, DateWithCheckBoxAndZeroHasNoDate) {
  CreateDate(1, 0, 0, 120, 20, "", 0, DATE_CHECKBOX);
  SetGadgetState(1, 0);
  EXPECT_EQ(Record(1).dateSet, 0);
  EXPECT_EQ(GetGadgetState(1), 0);
  EXPECT_EQ(Record(1).date.year, 2026) << "the shown parts stay for when it is checked again";
  const int date = MakeDate(2030, 5, 17, 8, 5, 59);
  SetGadgetState(1, date);
  EXPECT_EQ(Record(1).dateSet, 1);
  EXPECT_EQ(GetGadgetState(1), date - 59) << "seconds are not kept";
}

TEST_F(Commands, DateWithoutCheckBoxTakesZeroAsADate) {
  CreateDate(1, 0, 0, 120, 20);
  SetGadgetState(1, 0);
  EXPECT_EQ(Record(1).dateSet, 1);
  EXPECT_EQ(Record(1).date.year, 1970);
  EXPECT_EQ(GetGadgetText(1), "01.01.1970");
  SetGadgetState(1, -86400);
  EXPECT_EQ(Record(1).date.year, 1970) << "before 1970 counts as 0";
  EXPECT_EQ(GetGadgetState(1), 0);
}

TEST_F(Commands, DateTextUsesTheMask) {
  CreateDate(1, 0, 0, 120, 20, "%hh:%ii am %dd.%mm.%yy", MakeDate(2024, 2, 29, 9, 5, 0), 0);
  EXPECT_EQ(GetGadgetText(1), "09:05 am 29.02.24");
  Record(1).dateField = 2;
  Record(1).dateFieldType = 6;
  Record(1).state = 2;
  SetGadgetText(1, "%yyyy");
  EXPECT_EQ(Record(1).text, "%yyyy");
  EXPECT_EQ(Record(1).dateField, 0);
  EXPECT_EQ(Record(1).dateFieldType, 0);
  EXPECT_EQ(Record(1).state, 0);
  EXPECT_EQ(GetGadgetText(1), "2024");
  Record(1).state = 3;
  SetGadgetText(1, "%mm");
  EXPECT_EQ(Record(1).state, 3) << "states of 3 or more stay";
  SetGadgetText(1, "");
  EXPECT_EQ(GetGadgetText(1), "29.02.2024") << "an empty mask is the default mask";
}

// SetDateLimits reaches the Date and Calendar limits.
TEST_F(Commands, DateLimitsClampAtOnceAndOnEverySet) {
  CreateDate(1, 0, 0, 120, 20, "", MakeDate(1990, 6, 15, 12, 0, 0), 0);
  const int lower = MakeDate(2000, 1, 1, 0, 0, 0);
  const int upper = MakeDate(2010, 12, 31, 23, 59, 0);
  EXPECT_EQ(SetDateLimits(1, lower, upper), 1);
  EXPECT_EQ(GetGadgetState(1), lower) << "clamped at once";
  EXPECT_EQ(Record(1).minDate.year, 2000);
  EXPECT_EQ(Record(1).maxDate.month, 12);
  SetGadgetState(1, MakeDate(2020, 1, 1, 0, 0, 0));
  EXPECT_EQ(GetGadgetState(1), upper);
  SetGadgetState(1, MakeDate(2005, 3, 4, 5, 6, 0));
  EXPECT_EQ(GetGadgetState(1), MakeDate(2005, 3, 4, 5, 6, 0));
  // 0 removes a limit.
  SetDateLimits(1, lower, 0);
  EXPECT_EQ(Record(1).maxDate.year, -1);
  SetGadgetState(1, MakeDate(2030, 1, 1, 0, 0, 0));
  EXPECT_EQ(GetGadgetState(1), MakeDate(2030, 1, 1, 0, 0, 0));
  SetGadgetState(1, MakeDate(1999, 12, 31, 23, 59, 0));
  EXPECT_EQ(GetGadgetState(1), lower) << "a minute before the limit";
  SetDateLimits(1, 0, 0);
  SetGadgetState(1, MakeDate(1980, 1, 1, 0, 0, 0));
  EXPECT_EQ(GetGadgetState(1), MakeDate(1980, 1, 1, 0, 0, 0));
}

TEST_F(Commands, DateLimitsTheWrongWayRoundAreSwapped) {
  CreateCalendar(1, 0, 0, 0, 0);
  const int early = MakeDate(2000, 1, 1, 0, 0, 0);
  const int late = MakeDate(2001, 1, 1, 0, 0, 0);
  SetDateLimits(1, late, early);
  EXPECT_EQ(Record(1).minDate.year, 2000);
  EXPECT_EQ(Record(1).maxDate.year, 2001);
  EXPECT_EQ(GetGadgetState(1), late) << "today (2026) is after the upper limit";
  SetGadgetState(1, MakeDate(1975, 1, 1, 0, 0, 0));
  EXPECT_EQ(GetGadgetState(1), early);
}

TEST_F(Commands, DateLimitsOnOtherTypesChangeNothing) {
  CreateButton(1, 0, 0, 10, 10, "b");
  EXPECT_EQ(SetDateLimits(1, 5, 10), 1);
  EXPECT_EQ(Record(1).minDate.year, -1);
}

TEST_F(Commands, UncheckedDateKeepsItsLimitsForLater) {
  CreateDate(1, 0, 0, 120, 20, "", 0, DATE_CHECKBOX);
  SetGadgetState(1, 0);
  SetDateLimits(1, MakeDate(2030, 1, 1, 0, 0, 0), 0);
  EXPECT_EQ(GetGadgetState(1), 0) << "still unchecked";
  SetGadgetState(1, MakeDate(2027, 1, 1, 0, 0, 0));
  EXPECT_EQ(GetGadgetState(1), MakeDate(2030, 1, 1, 0, 0, 0));
}

// --- Attributes -----------------------------------------------------------------------------

TEST_F(Commands, DisableGadget) {
  CreateButton(1, 0, 0, 10, 10, "b");
  EXPECT_EQ(DisableGadget(1, 1), 1);
  EXPECT_EQ(Record(1).disabled, 1);
  DisableGadget(1, 0);
  EXPECT_EQ(Record(1).disabled, 0);
}

TEST_F(Commands, GadgetColours) {
  CreateButton(1, 0, 0, 10, 10, "b");
  EXPECT_EQ(SetGadgetColor(1, COLOR_FACE, 0x112233), 0) << "the result is 0 even on success";
  EXPECT_EQ(Record(1).colors[SlotIndex(COLOR_FACE)], 0x112233);
  SetGadgetColor(1, COLOR_FACE, -1);
  EXPECT_EQ(Record(1).colors[SlotIndex(COLOR_FACE)], -1);
  const ColorScheme before = Record(1).colors;
  SetGadgetColor(1, 9, 0x55);
  SetGadgetColor(1, 0, 0x55);
  EXPECT_EQ(Record(1).colors, before) << "slots outside 1..8 change nothing";
  ASSERT_EQ(GetGadgetColors(1), &Record(1).colors);
  SetColorSlot(COLOR_TEXT, 0x0000FF, GetGadgetColors(1));
  EXPECT_EQ(Record(1).colors[SlotIndex(COLOR_TEXT)], 0x0000FF);
}

TEST_F(Commands, GadgetActivatedByType) {
  CreateColumnList(1, 0, 0, 100, 5, "", 0);
  CreateString(2, 0, 0, 100, 20, "", -1, 0);
  CreateButton(3, 0, 0, 10, 10, "b");
  detail::MarkActivated(Record(1));
  detail::MarkActivated(Record(2));
  detail::MarkActivated(Record(3));
  EXPECT_EQ(GadgetActivated(1), 1);
  EXPECT_EQ(GadgetActivated(2), 1);
  EXPECT_EQ(GadgetActivated(3), 0) << "buttons are never activated";
  Record(1).activatedFrame = 0;
  EXPECT_EQ(GadgetActivated(1), 0);
}

TEST_F(Commands, GadgetExists) {
  EXPECT_EQ(GadgetExists(1), 0);
  CreateText(1, 0, 0, 10, 10, "t");
  EXPECT_EQ(GadgetExists(1), 1);
}

// --- ResizeGadget ---------------------------------------------------------------------------

TEST_F(Commands, ResizeKeepsValuesGivenAsKeepValue) {
  CreateButton(1, 10, 20, 30, 40, "b");
  EXPECT_EQ(ResizeGadget(1, KEEP_VALUE, 25, KEEP_VALUE, 45), 1);
  EXPECT_EQ(Record(1).x, 10);
  EXPECT_EQ(Record(1).y, 25);
  EXPECT_EQ(Record(1).width, 30);
  EXPECT_EQ(Record(1).height, 45);
  ResizeGadget(1, 1, KEEP_VALUE, 2, KEEP_VALUE);
  EXPECT_EQ(Record(1).x, 1);
  EXPECT_EQ(Record(1).y, 25);
  EXPECT_EQ(Record(1).width, 2);
  EXPECT_EQ(Record(1).height, 45);
}

// A ColumnList with a header keeps its header row when resized.
TEST_F(Commands, ResizeListsByRowCount) {
  CreateColumnList(1, 0, 0, 100, 5, "Name", 0);
  CreateColumnList(2, 0, 0, 100, 5, "Name", LIST_NO_HEADER);
  CreateComboBox(3, 0, 0, 100, 5, 0);
  CreateTree(4, 0, 0, 100, 5, 0);
  for (int n = 1; n <= 4; ++n) ResizeGadget(n, KEEP_VALUE, KEEP_VALUE, KEEP_VALUE, 3);
  EXPECT_EQ(Record(1).height, 3 * 14 + 4 + 14);
  EXPECT_EQ(Record(2).height, 3 * 14 + 4);
  EXPECT_EQ(Record(3).height, 46);
  EXPECT_EQ(Record(4).height, 46);
  for (int n = 1; n <= 4; ++n) EXPECT_EQ(Record(n).rows, 3);
  // Resizing to the creation row count gives the creation height back.
  ResizeGadget(1, KEEP_VALUE, KEEP_VALUE, KEEP_VALUE, 5);
  EXPECT_EQ(Record(1).height, 88);
  // Without a height the rows stay.
  ResizeGadget(1, 7, KEEP_VALUE, 120, KEEP_VALUE);
  EXPECT_EQ(Record(1).rows, 5);
  EXPECT_EQ(Record(1).height, 88);
  EXPECT_EQ(Record(1).width, 120);
}

TEST_F(Commands, ResizeOtherTypesTakesPixels) {
  CreateScrollBar(1, 0, 0, 100, 16, 0, 100, 10, 0);
  ResizeGadget(1, KEEP_VALUE, KEEP_VALUE, KEEP_VALUE, 3);
  EXPECT_EQ(Record(1).height, 3);
  EXPECT_EQ(Record(1).rows, 10) << "a ScrollBar's rows is its page";
}

}  // namespace
}  // namespace bevel
