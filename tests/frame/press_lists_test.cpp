// Press and release handling of ColumnList, FileList and Tree: rows, check boxes, header
// columns, the selection modes with Ctrl and Shift, the right button, the built-in scroll bar,
// file list navigation and tree expansion.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/press_fixture.h"
#include "toolkit/frame/behaviour.h"
#include "toolkit/model/lifetime.h"

namespace bevel {
namespace {

using detail::FrameInput;
using testing::Notice;

constexpr int kCtrl = 29;
constexpr int kShift = 42;

// A list at (10, 10), 150 wide: row i (topItem 0) lies at 10 + (i - 1 + hdr) x 14 + 2 .. + 13.
class ListPress : public testing::PressFixture {
 protected:
  void MakeList(int number, int rows, int items, int flags) {
    ASSERT_NE(CreateColumnList(number, 10, 10, 150, rows, "Name", flags), 0);
    for (int k = 0; k < items; ++k) {
      ASSERT_NE(AddGadgetItem(number, -1, "item " + std::to_string(k + 1)), 0);
    }
  }
  static int RowY(const Gadget& g, int i) {
    const int hdr = (g.flags & LIST_NO_HEADER) ? 0 : 1;
    return g.y + (i - g.topItem - 1 + hdr) * 14 + 8;
  }
  // Left press on item i (1-based) for one frame, then the button is released elsewhere.
  void Click(int number, int i) {
    detail::PressList(R(number), Left(50, RowY(R(number), i)));
    detail::ReleaseList(R(number));
  }
  static std::vector<int> Selected(const Gadget& g) {
    std::vector<int> out;
    for (std::size_t k = 0; k < g.items.size(); ++k) {
      if (g.items[k].itemState & ITEM_SELECTED) out.push_back(static_cast<int>(k) + 1);
    }
    return out;
  }
};

// ---------------------------------------------------------------------------------------------
// Rows and selection modes

TEST_F(ListPress, SingleSelectionFollowsTheRowUnlessVetoed) {
  MakeList(1, 5, 8, 0);
  detail::PressList(R(1), Left(50, 26));  // first pixel row of item 1
  EXPECT_EQ(R(1).value, 1);
  EXPECT_EQ(R(1).state, 1);
  EXPECT_EQ(R(1).clickedRow, 1);
  EXPECT_EQ(Toolkit().EventGadget, 1);
  detail::PressList(R(1), Left(50, 25));  // the header's last row: no item
  EXPECT_EQ(R(1).value, 1);
  R(1).topItem = 3;
  detail::PressList(R(1), Left(50, RowY(R(1), 5)));
  EXPECT_EQ(R(1).value, 5);

  veto = [](int kind, std::intptr_t item) { return kind == 4 && item == 6; };
  detail::PressList(R(1), Left(50, RowY(R(1), 7)));
  EXPECT_EQ(R(1).value, 5);
  R(1).topItem = 5;
  detail::PressList(R(1), Left(50, RowY(R(1), 9)));  // a row past the last item
  EXPECT_EQ(R(1).value, 5);
}

TEST_F(ListPress, NoSelectionListReportsRightPressesAndHeaderButNeverChangesValue) {
  MakeList(1, 5, 4, LIST_NO_SELECTION);
  detail::PressList(R(1), Right(50, RowY(R(1), 3)));
  EXPECT_EQ(Of(5), (std::vector<Notice>{{1, 5, 2}}));
  detail::PressList(R(1), Left(50, RowY(R(1), 2)));
  EXPECT_EQ(R(1).value, 0);
  EXPECT_EQ(R(1).state, 0);
  EXPECT_TRUE(Of(4).empty());
  detail::PressList(R(1), Left(50, 15));
  EXPECT_EQ(R(1).pressedColumn, 1);
  detail::PressList(R(1), Left(50, RowY(R(1), 1), true));
  EXPECT_TRUE(detail::Activated(R(1))) << "a double click still activates";
  EXPECT_EQ(R(1).value, 0);

  // On a selecting list the right button only reports too.
  MakeList(2, 5, 4, 0);
  detail::PressList(R(2), Right(50, RowY(R(2), 3)));
  EXPECT_EQ(R(2).value, 0);
  EXPECT_EQ(Of(5).size(), 2u);
  EXPECT_TRUE(Of(4).empty());
}

TEST_F(ListPress, ExtendedShiftRangeAddsFromThePreviousSelectionAndKeepsValue) {
  MakeList(1, 8, 8, LIST_EXTENDED_SELECT);
  Click(1, 3);
  EXPECT_EQ(Selected(R(1)), (std::vector<int>{3}));
  Keys({kShift});
  Click(1, 7);
  EXPECT_EQ(Selected(R(1)), (std::vector<int>{3, 4, 5, 6, 7}));
  EXPECT_EQ(R(1).value, 3);

  // Shift upward from the same start replaces the range.
  Click(1, 1);
  EXPECT_EQ(Selected(R(1)), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(R(1).value, 3);

  // A plain click keeps only its row.
  Keys({});
  Click(1, 5);
  EXPECT_EQ(Selected(R(1)), (std::vector<int>{5}));
  EXPECT_EQ(R(1).value, 5);
}

TEST_F(ListPress, ExtendedCtrlTogglesAndShiftSkipsAVetoedItem) {
  MakeList(1, 8, 8, LIST_EXTENDED_SELECT);
  Click(1, 2);
  Keys({kCtrl});
  Click(1, 4);
  Click(1, 6);
  EXPECT_EQ(Selected(R(1)), (std::vector<int>{2, 4, 6}));
  Click(1, 4);
  EXPECT_EQ(Selected(R(1)), (std::vector<int>{2, 6}));
  EXPECT_EQ(R(1).value, 4);

  Keys({});
  Click(1, 2);
  veto = [](int kind, std::intptr_t item) { return kind == 4 && item == 4; };  // item 5
  Keys({kShift});
  Click(1, 7);
  EXPECT_EQ(Selected(R(1)), (std::vector<int>{2, 3, 4, 6, 7}));
}

TEST_F(ListPress, HeldPressActsOncePerRowAndDraggingActsOnTheNext) {
  MakeList(1, 8, 8, LIST_MULTI_SELECT);
  for (int frame = 0; frame < 4; ++frame) detail::PressList(R(1), Left(50, RowY(R(1), 2)));
  EXPECT_EQ(Selected(R(1)), (std::vector<int>{2}));
  EXPECT_EQ(Of(4).size(), 1u);
  detail::PressList(R(1), Left(50, RowY(R(1), 3)));
  EXPECT_EQ(Selected(R(1)), (std::vector<int>{2, 3}));
  // Back to row 2: it lost its mark when row 3 was entered, so it toggles again.
  detail::PressList(R(1), Left(50, RowY(R(1), 2)));
  EXPECT_EQ(Selected(R(1)), (std::vector<int>{3}));
  detail::ReleaseList(R(1));
  for (const GadgetItem& item : R(1).items) EXPECT_EQ(item.itemState & ITEM_HOVER, 0);

  // Extended: holding on a row selects it once; the held row keeps its selection.
  MakeList(2, 8, 8, LIST_EXTENDED_SELECT);
  for (int frame = 0; frame < 3; ++frame) detail::PressList(R(2), Left(50, RowY(R(2), 4)));
  EXPECT_EQ(Selected(R(2)), (std::vector<int>{4}));
  EXPECT_EQ(Of(4).back(), (Notice{2, 4, 3}));
  EXPECT_EQ(Of(4).size(), 4u) << "three for list 1, one for list 2";
}

// ---------------------------------------------------------------------------------------------
// Check boxes and header columns

TEST_F(ListPress, CheckBoxMarkStaysOnlyWhileItsBoxIsHeld) {
  MakeList(1, 5, 5, LIST_CHECKBOXES);
  detail::PressList(R(1), Left(14, RowY(R(1), 2)));
  EXPECT_EQ(R(1).items[1].itemState & ITEM_CHECK_CLICKED, ITEM_CHECK_CLICKED);
  EXPECT_EQ(R(1).value, 0) << "the box is not part of the first column";
  detail::PressList(R(1), Left(14, RowY(R(1), 3)));
  EXPECT_EQ(R(1).items[1].itemState & ITEM_CHECK_CLICKED, 0);
  EXPECT_EQ(R(1).items[2].itemState & ITEM_CHECK_CLICKED, ITEM_CHECK_CLICKED);
  detail::ReleaseList(R(1));
  EXPECT_EQ(R(1).items[2].itemState & ITEM_CHECK_CLICKED, 0);
}

TEST_F(ListPress, HeaderAndRowColumnsFollowTheColumnEntries) {
  MakeList(1, 5, 3, 0);
  ASSERT_EQ(AddColumn(1, "Size", 60), 1);
  ASSERT_EQ(AddColumn(1, "Date", 100), 1);
  // Column 2 spans gx + 62 .. gx + 101 (left edges 60 and 100, shifted by 2).
  detail::PressList(R(1), Left(10 + 62, 15));
  EXPECT_EQ(R(1).pressedColumn, 2);
  detail::PressList(R(1), Left(10 + 61, 15));
  EXPECT_EQ(R(1).pressedColumn, 1);
  detail::PressList(R(1), Left(10 + 130, RowY(R(1), 2)));
  EXPECT_EQ(R(1).clickedRow, 3);
  EXPECT_EQ(R(1).value, 2);
  EXPECT_EQ(R(1).pressedColumn, 0) << "a row press clears a header column no longer held";
  detail::ReleaseList(R(1));

  MakeList(2, 5, 3, LIST_HEADER_FIXED);
  detail::PressList(R(2), Left(50, 15));
  EXPECT_EQ(R(2).pressedColumn, 0);
}

// ---------------------------------------------------------------------------------------------
// Scroll bar: 20 items in 5 rows with a header, 88 high; the thumb is 14 long and moves 2.8
// pixels per item from gy + 16.

TEST_F(ListPress, ScrollBarArrowsPagesAndThumb) {
  MakeList(1, 5, 20, 0);
  const int bx = 10 + 150 - 9;
  for (int frame = 0; frame < 5; ++frame) detail::PressList(R(1), Left(bx, 10 + 88 - 10));
  EXPECT_EQ(R(1).topItem, 2);  // frames 1 and 5
  EXPECT_EQ(R(1).state, 3);
  EXPECT_EQ(R(1).value, 0) << "the bar is not a row";
  R(1).repeatDelay = 0;
  detail::PressList(R(1), Left(bx, 15));
  EXPECT_EQ(R(1).topItem, 1);
  EXPECT_EQ(R(1).state, 2);

  R(1).topItem = 0;
  R(1).repeatDelay = 0;
  detail::PressList(R(1), Left(bx, 60));  // below the thumb (26 .. 39)
  EXPECT_EQ(R(1).topItem, 4);
  R(1).repeatDelay = 0;
  detail::PressList(R(1), Left(bx, 30));  // above the thumb, now at 37.2
  EXPECT_EQ(R(1).topItem, 0);

  detail::ReleaseList(R(1));
  R(1).repeatDelay = 0;
  detail::PressList(R(1), Left(bx, 30));  // on the thumb
  EXPECT_EQ(R(1).state, 4);
  EXPECT_EQ(R(1).hoverItem, 6);
  detail::PressList(R(1), Left(bx, 58));
  EXPECT_EQ(R(1).topItem, 10);
  detail::PressList(R(1), Left(bx, 81));  // past the track's end
  EXPECT_EQ(R(1).topItem, 15) << "never past the last page";
  detail::PressList(R(1), Left(bx, 26));
  EXPECT_EQ(R(1).topItem, 0);
}

TEST_F(ListPress, EmptyOrDegenerateListsAreSafe) {
  MakeList(1, 5, 0, LIST_ALWAYS_SCROLLBAR);
  MakeList(2, 0, 3, LIST_EXTENDED_SELECT);
  MakeList(3, 3, 3, LIST_NO_HEADER);
  R(3).rows = -4;
  R(3).topItem = 1000000;
  R(2).columns = "abc\r-5";  // no number, a negative edge, then 198 missing entries
  R(2).columnCount = 200;
  for (int number = 1; number <= 3; ++number) {
    for (int y = 0; y < 120; y += 3) {
      for (int x : {10, 50, 155}) {
        R(number).repeatDelay = 0;
        detail::PressList(R(number), Left(x, y));
      }
    }
  }
  EXPECT_EQ(R(1).topItem, 0);
  EXPECT_EQ(R(3).value, 0);
}

// ---------------------------------------------------------------------------------------------
// File list: a double click on the selected directory opens it.

TEST_F(ListPress, FileListDoubleClickOpensTheSelectedDirectory) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::path(BEVEL_TEST_OUT) / "press_file_list";
  fs::remove_all(dir);
  fs::create_directories(dir / "alpha" / "inner");
  fs::create_directories(dir / "beta");
  std::ofstream(dir / "c.txt") << "c";
  const std::string root = dir.string() + "/";
  ASSERT_NE(CreateFileList(1, 10, 10, 150, 6, root + "*.*", FILES_SORTED), 0);
  ASSERT_NE(CreateFileList(2, 10, 10, 150, 6, root + "*.*", FILES_SORTED | FILES_NO_OPEN), 0);
  ASSERT_EQ(GetItemText(1, 1), "alpha");

  detail::PressList(R(1), Left(50, RowY(R(1), 4)));  // c.txt, a file: nothing to open
  detail::PressList(R(1), Left(50, RowY(R(1), 4), true));
  EXPECT_EQ(R(1).text, root);
  detail::PressList(R(1), Left(50, RowY(R(1), 2), true));  // selects alpha and opens it
  EXPECT_EQ(R(1).text, root + "alpha/");
  EXPECT_EQ(GetItemText(1, 1), "inner");
  detail::PressList(R(1), Left(50, RowY(R(1), 1), true));  // ".."
  EXPECT_EQ(R(1).text, root);

  detail::PressList(R(2), Left(50, RowY(R(2), 2), true));
  EXPECT_EQ(R(2).text, root);
  EXPECT_TRUE(detail::Activated(R(2)));
  fs::remove_all(dir);
}

// ---------------------------------------------------------------------------------------------
// Trees: rows at 10 + (r - topItem - 1) x 14 + 2; a level-1 node's expand box covers
// x 2 .. 18 from the left edge and its label starts at 19.

class TreePress : public ListPress {
 protected:
  // A (A1, A2), B (B1), C; A is expanded, B collapsed.
  void MakeTree(int number, int rows, int flags) {
    ASSERT_NE(CreateTree(number, 10, 10, 150, rows, flags), 0);
    AddTreeItem(number, -1, "A", 0, 0);
    AddTreeItem(number, -1, "A1", 0, 1);
    AddTreeItem(number, -1, "A2", 0, 1);
    AddTreeItem(number, -1, "B", 0, 0);
    AddTreeItem(number, -1, "B1", 0, 1);
    AddTreeItem(number, -1, "C", 0, 0);
    R(number).items[0].itemState |= ITEM_EXPANDED;
  }
  static int TreeRowY(const Gadget& g, int r) { return g.y + (r - g.topItem - 1) * 14 + 8; }
};

TEST_F(TreePress, LabelSelectsAndCollapsedChildrenTakeNoRow) {
  MakeTree(1, 5, 0);
  detail::PressTree(R(1), Left(60, TreeRowY(R(1), 4)));  // rows: A, A1, A2, B, C
  EXPECT_EQ(R(1).value, 4);
  EXPECT_EQ(R(1).state, 1);
  detail::PressTree(R(1), Left(60, TreeRowY(R(1), 5)));
  EXPECT_EQ(R(1).value, 6) << "C, after the hidden B1";
  detail::PressTree(R(1), Left(60, TreeRowY(R(1), 6)));  // past the rows shown
  EXPECT_EQ(R(1).value, 6);
  EXPECT_EQ(Toolkit().EventGadget, 1);
}

// A handler asked to select a row may empty the list: then no row is selected (the monkey soak
// test found single-selection lists and trees selecting past their items).
TEST_F(TreePress, AHandlerEmptyingTheListWhenAskedToSelectLeavesNoSelection) {
  const struct {
    const char* name;
    int number;
    std::function<void()> press;
  } cases[] = {
      {"column list", 1,
       [this] {
         MakeList(1, 5, 8, 0);
         detail::PressList(R(1), Left(50, RowY(R(1), 4)));
       }},
      {"tree", 2,
       [this] {
         MakeTree(2, 5, 0);
         detail::PressTree(R(2), Left(60, TreeRowY(R(2), 4)));
       }},
  };
  int number = 0;
  veto = [&number](int kind, std::intptr_t) {
    while (kind == EVENT_SELECT && CountGadgetItems(number) > 0) RemoveGadgetItem(number, 0);
    return false;
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    number = c.number;
    c.press();
    EXPECT_EQ(CountGadgetItems(number), 0);
    EXPECT_EQ(GetGadgetState(number), -1);
  }
}

TEST_F(TreePress, ExpandBoxIsArmedWhileHeldAndOnlyOnNodesWithChildren) {
  MakeTree(1, 5, 0);
  detail::PressTree(R(1), Left(10 + 10, TreeRowY(R(1), 4)));  // B's box
  EXPECT_EQ(R(1).items[3].itemState & ITEM_EXPANDER_CLICKED, ITEM_EXPANDER_CLICKED);
  EXPECT_EQ(Of(17), (std::vector<Notice>{{1, 17, 3}}));
  EXPECT_EQ(R(1).value, 0);
  detail::PressTree(R(1), Left(60, TreeRowY(R(1), 4)));  // slid onto the label
  EXPECT_EQ(R(1).items[3].itemState & ITEM_EXPANDER_CLICKED, 0);
  detail::PressTree(R(1), Left(10 + 10, TreeRowY(R(1), 5)));  // C has no children
  EXPECT_EQ(R(1).items[5].itemState & ITEM_EXPANDER_CLICKED, 0);
  detail::PressTree(R(1), Left(10 + 10, TreeRowY(R(1), 4)));
  detail::ReleaseTree(R(1));
  EXPECT_EQ(R(1).items[3].itemState & ITEM_EXPANDER_CLICKED, 0);
}

TEST_F(TreePress, DoubleClickOnTheSelectedLabelTogglesUnlessVetoed) {
  MakeTree(1, 5, 0);
  const FrameInput onB = Left(60, TreeRowY(R(1), 4), true);
  detail::PressTree(R(1), onB);
  EXPECT_EQ(R(1).items[3].itemState & ITEM_EXPANDED, ITEM_EXPANDED);
  EXPECT_TRUE(detail::Activated(R(1)));
  EXPECT_EQ(Of(20), (std::vector<Notice>{{1, 20, 3}}));
  detail::PressTree(R(1), onB);
  EXPECT_EQ(R(1).items[3].itemState & ITEM_EXPANDED, 0);
  EXPECT_EQ(Of(19).size(), 1u);

  veto = [](int kind, std::intptr_t) { return kind == 20; };
  detail::PressTree(R(1), onB);
  EXPECT_EQ(R(1).items[3].itemState & ITEM_EXPANDED, 0);
  // A double click on the box does not toggle directly (the box toggles on release).
  veto = nullptr;
  detail::PressTree(R(1), Left(10 + 10, TreeRowY(R(1), 4), true));
  EXPECT_EQ(R(1).items[3].itemState & ITEM_EXPANDED, 0);
}

TEST_F(TreePress, CheckBoxAndScrollBarCountVisibleRows) {
  MakeTree(1, 3, LIST_CHECKBOXES);
  // A, level 1: d = 17, check box x 19 .. 32 from the left edge, label from 33.
  detail::PressTree(R(1), Left(10 + 25, TreeRowY(R(1), 1)));
  EXPECT_EQ(R(1).items[0].itemState & ITEM_CHECK_CLICKED, ITEM_CHECK_CLICKED);
  EXPECT_EQ(R(1).value, 0);
  detail::PressTree(R(1), Left(10 + 40, TreeRowY(R(1), 1)));
  EXPECT_EQ(R(1).items[0].itemState & ITEM_CHECK_CLICKED, 0);
  EXPECT_EQ(R(1).value, 1);

  // Five visible rows in three: the down arrow scrolls up to topItem 2.
  const int bx = 10 + 150 - 9, downY = 10 + R(1).height - 10;
  for (int k = 0; k < 4; ++k) {
    R(1).repeatDelay = 0;
    detail::PressTree(R(1), Left(bx, downY));
  }
  EXPECT_EQ(R(1).topItem, 2);
  EXPECT_EQ(R(1).state, 3);
}

// A handler that closes the window while a press is walking the rows: nothing touches the
// deleted records afterwards (the sanitizer build shows it).
TEST_F(TreePress, AHandlerClosingTheWindowEndsThePress) {
  struct Case {
    const char* name;
    int kind;            // the notification that closes the window
    std::intptr_t item;  // only with this item argument; -1 any
    int number;          // the gadget pressed
    bool tree;
    FrameInput in;
  };
  const Case cases[] = {
      {"inside the shift range", 4, 3, 2, false, Left(50, 10 + 7 * 14 + 8)},
      {"list scroll bar", 9, -1, 3, false, Left(151, 10 + 88 - 10)},
      {"right button", 5, -1, 3, false, Right(50, 10 + 2 * 14 + 8)},
      {"tree double click", 20, -1, 4, true, Left(60, 10 + 3 * 14 + 8, true)},
      {"tree check box", 6, -1, 5, true, Left(10 + 25, 18)},
  };
  for (const Case& c : cases) {
    ASSERT_NE(OpenWindow(1, 0, 0, 190, 140, "w"), 0);
    MakeList(2, 8, 8, LIST_EXTENDED_SELECT);
    MakeList(3, 5, 20, 0);
    MakeTree(4, 5, 0);
    MakeTree(5, 5, LIST_CHECKBOXES);
    R(2).value = 2;
    R(4).value = 4;
    Keys({kShift});
    Toolkit().HandlerList.clear();
    SetEventCallback([&c](Gadget*, int kind, std::intptr_t item) {
      if (kind == c.kind && (c.item < 0 || item == c.item)) CloseWindow(1);
      return 1;
    });
    {
      detail::FrameScope frame;  // as in a frame: the closed gadgets are freed when it ends
      if (c.tree) {
        detail::PressTree(R(c.number), c.in);
      } else {
        detail::PressList(R(c.number), c.in);
      }
    }
    EXPECT_EQ(GadgetRecord(c.number), nullptr) << c.name << ": the window was not closed";
  }
  Keys({});
}

}  // namespace
}  // namespace bevel
