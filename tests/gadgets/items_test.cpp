// Items of lists, combo boxes and trees: positions, selection, removal, item state, columns,
// case conversion and inline-code removal.
#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <string>
#include <vector>

#include "toolkit/gadgets/items.h"
#include "toolkit/model/gadget.h"
#include "toolkit/model/toolkit_state.h"
#include "toolkit/toolkit.h"

namespace bevel {
namespace {

constexpr int kList = 1;
constexpr int kCombo = 2;
constexpr int kTree = 3;
constexpr int kButton = 4;

class Items : public ::testing::Test {
 protected:
  void SetUp() override {
    InitToolkit();
    ASSERT_NE(CreateColumnList(kList, 0, 0, 200, 5, "Name", 0), 0);
    ASSERT_NE(CreateButton(kButton, 0, 0, 50, 20, "OK"), 0);
  }
  static Gadget& Record(int number) { return *detail::FindGadget(number); }
  // The gadget's item texts in order.
  static std::vector<std::string> Texts(int number) {
    std::vector<std::string> texts;
    for (const GadgetItem& item : Record(number).items) texts.push_back(item.itemText);
    return texts;
  }
  static void Fill(int number, std::initializer_list<const char*> texts) {
    for (const char* text : texts) ASSERT_NE(AddGadgetItem(number, -1, text), 0);
  }
  static std::string Selected(int number) { return GetItemText(number, GetGadgetState(number)); }
  // A tree: A, A1 (child of A), A1a (child of A1), A2 (child of A), B.
  static void BuildTree() {
    ASSERT_NE(CreateTree(kTree, 0, 0, 200, 5, 0), 0);
    AddTreeItem(kTree, -1, "A", 0, 0);
    AddTreeItem(kTree, -1, "A1", 0, 1);
    AddTreeItem(kTree, -1, "A1a", 0, 2);
    AddTreeItem(kTree, -1, "A2", 0, 1);
    AddTreeItem(kTree, -1, "B", 0, 0);
  }
};

using Strings = std::vector<std::string>;

// ---------------------------------------------------------------------------------------------
// Adding

TEST_F(Items, InsertingBeforeTheSelectionKeepsTheSameItemSelected) {
  Fill(kList, {"a", "b", "c", "d", "e"});
  SetGadgetState(kList, 2);  // "c"
  ASSERT_EQ(Record(kList).value, 3);

  AddGadgetItem(kList, 0, "new0");
  EXPECT_EQ(Record(kList).value, 4);
  EXPECT_EQ(Selected(kList), "c");

  AddGadgetItem(kList, 3, "at3");  // exactly at the selected index: the selection moves down
  EXPECT_EQ(Selected(kList), "c");
  AddGadgetItem(kList, 5, "after");  // after the selection: it stays
  EXPECT_EQ(Record(kList).value, 5);
  EXPECT_EQ(Texts(kList), (Strings{"new0", "a", "b", "at3", "c", "after", "d", "e"}));
}

TEST_F(Items, AppendingAndOutOfRangePositionsAppendWithoutMovingTheSelection) {
  Fill(kList, {"a", "b"});
  SetGadgetState(kList, 0);
  for (int position : {-1, -2, -1000, INT_MIN, 50, 99, INT_MAX}) {
    ASSERT_NE(AddGadgetItem(kList, position, std::to_string(position)), 0) << position;
    EXPECT_EQ(Record(kList).value, 1) << "position " << position;
  }
  EXPECT_EQ(Texts(kList), (Strings{"a", "b", "-1", "-2", "-1000", std::to_string(INT_MIN), "50",
                                   "99", std::to_string(INT_MAX)}));
  // Inserting at the count itself is the end too.
  AddGadgetItem(kList, CountGadgetItems(kList), "end");
  EXPECT_EQ(Texts(kList).back(), "end");
  EXPECT_EQ(Record(kList).value, 1);
}

TEST_F(Items, AddedItemsCarryDataLevelDefaultColoursAndDistinctHandles) {
  std::set<int> handles;
  handles.insert(AddGadgetItem(kList, -1, "plain"));
  handles.insert(AddGadgetItemData(kList, -1, "data", 1234));
  handles.insert(AddTreeItem(kList, -1, "level", 7, 2));
  handles.insert(AddTreeItem(kList, -1, "negative level", 0, -50));
  handles.insert(AddTreeItem(kList, -1, "huge level", 0, INT_MAX));
  EXPECT_EQ(handles.size(), 5u);
  EXPECT_EQ(handles.count(0), 0u);

  const auto& items = Record(kList).items;
  EXPECT_EQ(items[0].itemData, 0);
  EXPECT_EQ(items[0].itemLevel, 0);
  EXPECT_EQ(items[1].itemData, 1234);
  EXPECT_EQ(items[2].itemLevel, 3) << "level + 1";
  EXPECT_EQ(items[3].itemLevel, 0);
  EXPECT_GT(items[4].itemLevel, 0) << "clamped, not wrapped";
  EXPECT_EQ(items[1].itemState, 0);
  EXPECT_EQ(items[1].itemColors, (std::array<int, 3>{0, -1, -1}));
}

TEST_F(Items, OnlyListTypesTakeItems) {
  EXPECT_EQ(AddGadgetItem(kButton, -1, "x"), 0);
  EXPECT_EQ(AddGadgetItem(999, -1, "x"), 0);
  EXPECT_EQ(CountGadgetItems(kButton), 0);
  EXPECT_EQ(CountGadgetItems(999), 0);
  EXPECT_EQ(GetItemText(kButton, 0), "");
  EXPECT_TRUE(Record(kButton).items.empty());
}

TEST_F(Items, EmptyAndLargeTextsRoundTrip) {
  const std::string large(1 << 20, 'x');
  AddGadgetItem(kList, -1, "");
  AddGadgetItem(kList, -1, large);
  EXPECT_EQ(GetItemText(kList, 0), "");
  EXPECT_EQ(GetItemText(kList, 1), large);
  EXPECT_EQ(SetItemText(kList, 0, "now"), 1);
  EXPECT_EQ(GetItemText(kList, 0), "now");
}

TEST_F(Items, BadIndicesChangeNothing) {
  Fill(kList, {"a", "b"});
  SetGadgetState(kList, 1);
  for (int index : {-1, 2, INT_MAX, INT_MIN}) {
    EXPECT_EQ(GetItemText(kList, index), "") << index;
    EXPECT_EQ(SetItemText(kList, index, "x"), 0) << index;
    EXPECT_EQ(SetItemState(kList, index, 0x10), 0) << index;
    EXPECT_EQ(SetItemColor(kList, index, COLOR_TEXT, 5), 0) << index;
    EXPECT_EQ(RemoveGadgetItem(kList, index), 0) << index;
  }
  EXPECT_EQ(Texts(kList), (Strings{"a", "b"}));
  EXPECT_EQ(Record(kList).value, 2);
  EXPECT_EQ(GetItemText(999, 0), "");
  EXPECT_EQ(SetItemText(999, 0, "x"), 0);
  EXPECT_EQ(RemoveGadgetItem(999, 0), 0);
}

// ---------------------------------------------------------------------------------------------
// Removing

TEST_F(Items, RemovingTheSelectedLastItemSelectsTheNewLast) {
  Fill(kList, {"a", "b", "c", "d", "e"});
  SetGadgetState(kList, 4);
  EXPECT_EQ(RemoveGadgetItem(kList, 4), 1);
  EXPECT_EQ(GetGadgetState(kList), 3);
  EXPECT_EQ(Selected(kList), "d");
}

TEST_F(Items, RemovingTheSelectedItemInTheMiddleSelectsTheNextAtTheSameIndex) {
  Fill(kList, {"a", "b", "c"});
  SetGadgetState(kList, 1);
  RemoveGadgetItem(kList, 1);
  EXPECT_EQ(Selected(kList), "c");
  RemoveGadgetItem(kList, 1);
  RemoveGadgetItem(kList, 0);
  EXPECT_EQ(GetGadgetState(kList), -1) << "nothing left to select";
}

TEST_F(Items, RemovingAboveTheSelectionKeepsTheSameItemSelected) {
  Fill(kList, {"a", "b", "c", "d", "e", "f"});
  SetGadgetState(kList, 3);  // "d"
  RemoveGadgetItem(kList, 0);
  EXPECT_EQ(Selected(kList), "d");
  RemoveGadgetItem(kList, 1);
  EXPECT_EQ(Selected(kList), "d");
  RemoveGadgetItem(kList, 1);  // "d" itself: the next item takes its place
  EXPECT_EQ(Selected(kList), "e");
}

TEST_F(Items, RemovingWithoutASelectionSelectsNothing) {
  Fill(kList, {"a", "b", "c"});
  RemoveGadgetItem(kList, 2);
  RemoveGadgetItem(kList, 0);
  EXPECT_EQ(GetGadgetState(kList), -1);
}

TEST_F(Items, RemovingKeepsTheFirstVisibleRowInsideTheList) {
  // The list shows 5 rows.
  for (int i = 0; i < 10; ++i) AddGadgetItem(kList, -1, std::to_string(i));
  Record(kList).topItem = 5;
  RemoveGadgetItem(kList, 0);
  EXPECT_EQ(Record(kList).topItem, 4) << "9 items, 5 rows: at most 4";
  Record(kList).topItem = 2;
  RemoveGadgetItem(kList, 0);
  EXPECT_EQ(Record(kList).topItem, 2) << "still room below";
  while (CountGadgetItems(kList) > 5) RemoveGadgetItem(kList, 0);
  EXPECT_EQ(Record(kList).topItem, 0) << "everything fits";
}

TEST_F(Items, ClearingRemovesEverythingAndResetsSelectionAndScroll) {
  Fill(kList, {"a", "b", "c", "d", "e", "f"});
  SetGadgetState(kList, 5);
  Record(kList).topItem = 1;
  detail::ClearGadgetItems(Record(kList));
  EXPECT_EQ(CountGadgetItems(kList), 0);
  EXPECT_EQ(GetGadgetState(kList), -1);
  EXPECT_EQ(Record(kList).topItem, 0);
}

// ---------------------------------------------------------------------------------------------
// Trees

TEST_F(Items, RemovingATreeNodeRemovesItsWholeSubtree) {
  BuildTree();
  EXPECT_EQ(detail::DescendantCount(Record(kTree), 0), 3);
  EXPECT_EQ(detail::DescendantCount(Record(kTree), 1), 1);
  EXPECT_EQ(detail::DescendantCount(Record(kTree), 4), 0);
  EXPECT_EQ(detail::DescendantCount(Record(kTree), 99), 0);

  SetGadgetState(kTree, 4);  // "B"
  RemoveGadgetItem(kTree, 1);
  EXPECT_EQ(Texts(kTree), (Strings{"A", "A2", "B"}));
  EXPECT_EQ(Selected(kTree), "B");
  RemoveGadgetItem(kTree, 0);
  EXPECT_EQ(Texts(kTree), (Strings{"B"}));
  EXPECT_EQ(Selected(kTree), "B");
}

TEST_F(Items, RemovingASubtreeHoldingTheSelectionSelectsWhatFollowsIt) {
  BuildTree();
  SetGadgetState(kTree, 2);  // "A1a"
  RemoveGadgetItem(kTree, 0);
  EXPECT_EQ(Texts(kTree), (Strings{"B"}));
  EXPECT_EQ(Selected(kTree), "B");
}

TEST_F(Items, RemovingTheLastSubtreeWithTheSelectionSelectsTheNewLast) {
  BuildTree();
  AddTreeItem(kTree, -1, "B1", 0, 1);
  SetGadgetState(kTree, 5);    // "B1"
  RemoveGadgetItem(kTree, 4);  // "B" with "B1"
  EXPECT_EQ(Texts(kTree), (Strings{"A", "A1", "A1a", "A2"}));
  EXPECT_EQ(Selected(kTree), "A2");
}

TEST_F(Items, ExpandingAndCollapsingFollowTheChildren) {
  BuildTree();
  const auto expanded = [](int index) { return (Record(kTree).items[index].itemState & 0x4) != 0; };
  SetItemState(kTree, 4, 0x4);  // "B" has no children
  EXPECT_FALSE(expanded(4));
  SetItemState(kTree, 0, 0x4);
  EXPECT_TRUE(expanded(0));
  SetItemState(kTree, 0, 0x2);  // other bits: an expanded node stays expanded
  EXPECT_TRUE(expanded(0));
  EXPECT_EQ(Record(kTree).items[0].itemState, 0x6);
  SetItemState(kTree, 0, 0x400);
  EXPECT_FALSE(expanded(0));
  SetItemState(kTree, 0, 0x4 | 0x400);  // collapse wins
  EXPECT_FALSE(expanded(0));
  SetItemState(kTree, 0, 0);  // a collapsed node stays collapsed
  EXPECT_FALSE(expanded(0));
}

// ---------------------------------------------------------------------------------------------
// Item state on lists

TEST_F(Items, SelectingByItemStateOnASingleSelectionList) {
  Fill(kList, {"a", "b", "c"});
  EXPECT_EQ(SetItemState(kList, 2, 0x10 | 0x2), 1);
  EXPECT_EQ(GetGadgetState(kList), 2);
  EXPECT_EQ(Record(kList).clickedRow, 1);
  EXPECT_EQ(Record(kList).items[2].itemState, 0x2) << "0x10 is not stored";
}

TEST_F(Items, SelectingByItemStateOnAMultiSelectionList) {
  ASSERT_NE(CreateColumnList(10, 0, 0, 200, 5, "Name", LIST_MULTI_SELECT), 0);
  Fill(10, {"a", "b", "c"});
  SetItemState(10, 1, 0x10);
  SetItemState(10, 2, 0x10);
  EXPECT_EQ(Record(10).items[1].itemState, 0x10);
  EXPECT_EQ(Record(10).items[2].itemState, 0x10);
  EXPECT_EQ(Record(10).value, 0) << "value marks none";
  SetItemState(10, 1, 0);
  EXPECT_EQ(Record(10).items[1].itemState, 0);
}

TEST_F(Items, ItemStateKeepsOnlyTheLowByteAndNeverTheDirectoryBit) {
  Fill(kList, {"a"});
  SetItemState(kList, 0, 0x40 | 0x2);
  EXPECT_EQ(Record(kList).items[0].itemState, 0x2);
  SetItemState(kList, 0, 0x12300 | 0x8);
  EXPECT_EQ(Record(kList).items[0].itemState, 0x8);
  // The open request does not write the bits on a plain list.
  SetItemState(kList, 0, 0x800 | 0x2);
  EXPECT_EQ(Record(kList).items[0].itemState, 0x8);
  // A directory keeps its mark whatever is set.
  Record(kList).items[0].itemState = 0x40;
  SetItemState(kList, 0, 0);
  EXPECT_EQ(Record(kList).items[0].itemState, 0x40);
}

TEST_F(Items, ItemColoursGoToTheirSlotsOnly) {
  Fill(kList, {"a"});
  EXPECT_EQ(SetItemColor(kList, 0, COLOR_SPARE, 0x11), 1);
  EXPECT_EQ(SetItemColor(kList, 0, COLOR_LIGHT, 0x22), 1);
  EXPECT_EQ(SetItemColor(kList, 0, COLOR_TEXT, 0x33), 1);
  for (int slot : {0, 1, 4, 5, 6, 7, 9, -1}) EXPECT_EQ(SetItemColor(kList, 0, slot, 0x99), 0);
  EXPECT_EQ(Record(kList).items[0].itemColors, (std::array<int, 3>{0x11, 0x22, 0x33}));
}

// ---------------------------------------------------------------------------------------------
// Columns

TEST_F(Items, ColumnsAppendTheirEntry) {
  EXPECT_EQ(AddColumn(kList, "Size", 100), 1);
  EXPECT_EQ(Record(kList).columns, "0L_Name\r100L_Size\r");
  EXPECT_EQ(Record(kList).columnCount, 1);
  // A CR inside a title or a negative edge would break every later entry.
  AddColumn(kList, "Da\rte", -20);
  EXPECT_EQ(Record(kList).columns, "0L_Name\r100L_Size\r0L_Date\r");
  EXPECT_EQ(Record(kList).columnCount, 2);
}

TEST_F(Items, ColumnsOnlyForColumnLists) {
  ASSERT_NE(CreateComboBox(kCombo, 0, 0, 100, 5, 0), 0);
  EXPECT_EQ(AddColumn(kCombo, "Size", 100), 1);
  EXPECT_EQ(Record(kCombo).columns, "");
  EXPECT_EQ(Record(kCombo).columnCount, 0);
  EXPECT_EQ(AddColumn(999, "Size", 100), 0);
}

// ---------------------------------------------------------------------------------------------
// Combo box case conversion and display text

struct CaseCase {
  int flags;
  const char* added;
  const char* stored;
};

TEST_F(Items, ComboBoxCaseFlagsConvertAddedTexts) {
  const CaseCase cases[] = {
      {0x400,
       "stra\xDF"
       "e \xE4\xF6\xFC\xE0\xFE",
       "STRA\xDF"
       "E \xC4\xD6\xDC\xC0\xDE"},
      {0x400, "3 \xD7 4 \xF7 2 \xFF", "3 \xD7 4 \xF7 2 \xFF"},  // x, divide and y-umlaut stay
      {0x200, "\xC4\xD6\xDC\xC0\xDE ABC", "\xE4\xF6\xFC\xE0\xFE abc"},
      {0x200, "\xD7\xF7\xDF", "\xD7\xF7\xDF"},
      {0x680, "Mixed", "MIXED"},  // both kept with 0x80: upper case wins
      {0, "Mixed \xC4", "Mixed \xC4"},
  };
  int number = 100;
  for (const CaseCase& c : cases) {
    ASSERT_NE(CreateComboBox(++number, 0, 0, 100, 5, c.flags), 0);
    AddGadgetItem(number, -1, c.added);
    EXPECT_EQ(GetItemText(number, 0), c.stored) << "flags " << c.flags << " text " << c.added;
  }
  // Lists never convert.
  ASSERT_NE(CreateColumnList(200, 0, 0, 100, 5, "", 0x400), 0);
  AddGadgetItem(200, -1, "lower");
  EXPECT_EQ(GetItemText(200, 0), "lower");
}

struct DisplayCase {
  const char* text;
  const char* shown;
};

TEST_F(Items, DisplayTextDropsInlineCodesAndTheirParameters) {
  const DisplayCase cases[] = {
      {"\x0E"
       "Datei",
       "Datei"},
      {"ab\x10"
       "cd\x1F"
       "e",
       "abcde"},
      {"\x0F"
       "3WNeu",
       "Neu"},  // count
      {"\x12"
       "AWx",
       "x"},  // count, double underline
      {"\x14"
       "FF0000rot",
       "rot"},  // colour
      {"\x18"
       "00FF003WHallo",
       "Hallo"},  // colour and count
      {"\x15"
       "0000FFCWab\x16"
       "123456c",
       "abc"},
      {"a\tb", "ab"},  // a tab only moves the pen
      {"\x0F"
       "5",
       "5"},  // no "W": the count is 0 and nothing is skipped
      {"x\x17"
       "12",
       "x"},  // colour cut short: ends with the text
      {"x\x18"
       "12345",
       "x"},
      {"x\x18"
       "123456",
       "x"},  // colour complete, count missing
      {"\x19", ""},
      {"", ""},
  };
  for (const DisplayCase& c : cases) EXPECT_EQ(detail::DisplayText(c.text), c.shown) << c.text;
}

TEST_F(Items, SelectingAComboBoxItemShowsItsDisplayText) {
  ASSERT_NE(CreateComboBox(kCombo, 0, 0, 100, 5, 0), 0);
  AddGadgetItem(kCombo, -1,
                "\x18"
                "FF00003WRot");
  SetGadgetState(kCombo, 0);
  EXPECT_EQ(GetGadgetText(kCombo), "Rot");
}

// ---------------------------------------------------------------------------------------------
// Size

TEST_F(Items, AHundredThousandAppendedItemsStayAddressableByIndex) {
  for (int i = 0; i < 100000; ++i) AddGadgetItem(kList, -1, std::to_string(i));
  EXPECT_EQ(CountGadgetItems(kList), 100000);
  EXPECT_EQ(GetItemText(kList, 99999), "99999");
  SetItemState(kList, 50000, 0x10);
  EXPECT_EQ(GetGadgetState(kList), 50000);
  AddGadgetItem(kList, 0, "first");
  EXPECT_EQ(Selected(kList), "50000");
}

}  // namespace
}  // namespace bevel
