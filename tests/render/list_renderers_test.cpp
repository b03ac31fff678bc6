// Column lists and trees created with the public commands, drawn with DrawGadget on the default
// scheme and read back pixel by pixel: row tops, selection, check boxes, the built-in scroll
// bar, expand boxes, connection dots and the lines the tree's level table joins.
#include <cstdint>

#include "tests/render/render_probe.h"

namespace bevel {
namespace {

using testing::Points;
using Rows = std::vector<int>;

constexpr int kX = 10, kY = 10;  // every gadget's corner
constexpr int kFace = 0xC0C0C0, kLight = 0xFFFFFF, kBlack = 0x000000, kNavy = 0x800000;
constexpr int kTrack = 0x707070, kThinLight = 0xE1E1E1, kThinDark = 0x989898;

class Lists : public testing::RenderProbe {
 protected:
  // A list of `rows` rows at (kX, kY), 150 wide, with `items` one-letter items.
  static int List(int number, int rows, int flags, int items) {
    const int n = CreateColumnList(number, kX, kY, 150, rows, "Name", flags);
    for (int i = 0; i < items; ++i) AddGadgetItem(n, -1, "x");
    return n;
  }
  // First and last row of the thumb on the track of a list h pixels high (its light left
  // column).
  static std::pair<int, int> Thumb(int h) {
    const Rows ys = RowsOf(kThinLight, kX + 134, kY + 16, kY + h - 16);
    return ys.empty() ? std::pair{-1, -1} : std::pair{ys.front(), ys.back()};
  }
};

// [SECTION] Column list

TEST_F(Lists, RowTopsWithAndWithoutHeader) {
  List(1, 5, 0, 3);
  List(2, 5, LIST_NO_HEADER, 3);
  // The selection bar marks a row: item topItem + 1 sits at y + 16 under the header, at y + 2
  // without one.
  SetGadgetState(1, 0);
  Render(1);
  EXPECT_EQ(Span(kNavy, kX + 2), std::pair(kY + 16, kY + 29));
  detail::FindGadget(1)->topItem = 1;
  SetGadgetState(1, 1);
  Render(1);
  EXPECT_EQ(Span(kNavy, kX + 2), std::pair(kY + 16, kY + 29)) << "scrolled by one";
  SetGadgetState(2, 2);
  Render(2);
  EXPECT_EQ(Span(kNavy, kX + 2), std::pair(kY + 30, kY + 43));
  // No scroll bar with 3 items in 5 rows: background and selection reach x + w - 3.
  EXPECT_EQ(ColumnsOf(kNavy, kY + 30, kX, kX + 150).back(), kX + 147);
  EXPECT_EQ(At(kX + 147, kY + 60), kLight);
}

TEST_F(Lists, HeaderTitlesCellsAndPressedColumn) {
  ASSERT_NE(CreateColumnList(1, kX, kY, 150, 3, "Name", 0), 0);
  AddColumn(1, "Size", 60);
  AddGadgetItem(1, -1, "abc\nxyz");
  // "L" titles 5 + 1 and cells 4 + 1 pixels into their column; the title row is y + 2.
  const Points name = TextInk(kX + 6, kY + 2, "Name", kBlack, kX + 60);
  const Points size = TextInk(kX + 66, kY + 2, "Size", kBlack, kX + 130);
  const Points abc = TextInk(kX + 5, kY + 16, "abc", kBlack, kX + 60);
  const Points xyz = TextInk(kX + 65, kY + 16, "xyz", kBlack, kX + 130);
  const Points sizeDown = TextInk(kX + 67, kY + 3, "Size", kBlack, kX + 131);
  Render(1);
  EXPECT_EQ(Ink(kBlack, kX + 5, kY + 2, kX + 60, kY + 16), name);
  EXPECT_EQ(Ink(kBlack, kX + 65, kY + 2, kX + 130, kY + 16), size);
  EXPECT_EQ(Ink(kBlack, kX + 4, kY + 16, kX + 60, kY + 30), abc);
  EXPECT_EQ(Ink(kBlack, kX + 64, kY + 16, kX + 130, kY + 30), xyz);
  // Header bevels x + 2 .. x + 61 and x + 62 .. x + 147 (w - 4 without a scroll bar).
  EXPECT_EQ(ColumnsOf(kThinLight, kY + 2, kX, kX + 148).back(), kX + 146);
  EXPECT_EQ(At(kX + 61, kY + 2), kThinDark);
  EXPECT_EQ(At(kX + 62, kY + 2), kThinLight);
  // A pressed column sinks and its title moves one pixel right and down.
  detail::FindGadget(1)->pressedColumn = 2;
  Render(1);
  EXPECT_EQ(At(kX + 62, kY + 2), kThinDark);
  EXPECT_EQ(At(kX + 2, kY + 2), kThinLight) << "the other column stays raised";
  Points moved;  // above the first row, which starts at y + 16
  for (const auto& p : sizeDown)
    if (p.second < kY + 16) moved.push_back(p);
  EXPECT_EQ(Ink(kBlack, kX + 66, kY + 3, kX + 131, kY + 16), moved);
}

TEST_F(Lists, RightAlignedAndCentredCells) {
  ASSERT_NE(CreateColumnList(1, kX, kY, 150, 3, "R", ALIGN_RIGHT | LIST_NO_HEADER), 0);
  ASSERT_NE(CreateColumnList(2, kX, kY, 150, 3, "C", ALIGN_CENTER | LIST_NO_HEADER), 0);
  AddGadgetItem(1, -1, "abc");
  AddGadgetItem(2, -1, "abc");
  const int tw = Width("abc");
  // One column from 0 to w - 4 = 146: "R" at 146 - tw - 3, centred at (146 - tw + 2) / 2.
  const Points right = TextInk(kX + 146 - tw - 3 + 1, kY + 2, "abc", kBlack, kX + 148);
  const Points centre = TextInk(kX + (146 - tw + 2) / 2 + 1, kY + 2, "abc", kBlack, kX + 148);
  Render(1);
  EXPECT_EQ(Ink(kBlack, kX + 2, kY + 2, kX + 148, kY + 16), right);
  Render(2);
  EXPECT_EQ(Ink(kBlack, kX + 2, kY + 2, kX + 148, kY + 16), centre);
}

TEST_F(Lists, SelectionColoursItemColoursAndMultiSelection) {
  ASSERT_NE(CreateColumnList(1, kX, kY, 150, 4, "", LIST_NO_HEADER), 0);
  AddGadgetItem(1, -1, "Hallo");
  AddGadgetItem(1, -1, "Welt");
  const Points hallo = TextInk(kX + 5, kY + 2, "Hallo", kLight, kX + 100);
  SetGadgetState(1, 0);
  Render(1);
  EXPECT_EQ(Ink(kLight, kX + 4, kY + 2, kX + 100, kY + 16), hallo) << "white text on navy";
  EXPECT_TRUE(Ink(kBlack, kX + 2, kY + 2, kX + 148, kY + 16).empty());
  EXPECT_FALSE(Ink(kBlack, kX + 2, kY + 16, kX + 148, kY + 30).empty()) << "second row black";
  SetItemColor(1, 1, COLOR_LIGHT, 0x00FF00);
  SetItemColor(1, 1, COLOR_TEXT, 0x0000FF);
  Render(1);
  EXPECT_EQ(At(kX + 2, kY + 16), 0x00FF00);
  EXPECT_FALSE(Ink(0x0000FF, kX + 2, kY + 16, kX + 100, kY + 30).empty());

  // Multi-selection: value marks nothing, the item's bit 0x10 does.
  List(2, 4, LIST_NO_HEADER | LIST_MULTI_SELECT, 2);
  detail::FindGadget(2)->value = 1;
  SetItemState(2, 1, ITEM_SELECTED);
  Render(2);
  EXPECT_EQ(Span(kNavy, kX + 2), std::pair(kY + 16, kY + 29));
}

TEST_F(Lists, CheckBoxesAndTheirStates) {
  List(1, 3, LIST_NO_HEADER | LIST_CHECKBOXES, 3);
  SetItemState(1, 1, ITEM_CHECKED);
  SetItemState(1, 2, ITEM_CHECK_CLICKED);
  SetGadgetState(1, 0);
  Render(1);
  const int top = kY + 2;
  // Outline: rows top+1 (x+3 .. x+13) and top+12 (x+4 .. x+14), columns x+3 and x+14.
  EXPECT_EQ(ColumnsOf(kBlack, top + 1, kX, kX + 16),
            (Rows{kX + 3, kX + 4, kX + 5, kX + 6, kX + 7, kX + 8, kX + 9, kX + 10, kX + 11, kX + 12,
                  kX + 13, kX + 14}));
  EXPECT_EQ(RowsOf(kBlack, kX + 3, kY, kY + 16), RowsOf(kBlack, kX + 14, kY, kY + 16));
  EXPECT_EQ(RowsOf(kBlack, kX + 3, kY, kY + 16).back(), top + 12);
  EXPECT_EQ(At(kX + 8, top + 6), kLight) << "unchecked interior";
  EXPECT_EQ(ColumnsOf(kNavy, top, kX, kX + 20).front(), kX + 16) << "after the check column";
  // Row 2 is ticked: columns x+5 .. x+12 from rows +6, +7, +8, +7, +6, +5, +4, +3, 3 pixels.
  const int t2 = top + 14;
  const int tickTop[8] = {6, 7, 8, 7, 6, 5, 4, 3};
  for (int c = 0; c < 8; ++c) {
    const int r = t2 + tickTop[c];
    EXPECT_EQ(RowsOf(kBlack, kX + 5 + c, t2 + 2, t2 + 12), (Rows{r, r + 1, r + 2})) << c;
  }
  // Row 3's click is pending: a face-coloured interior.
  EXPECT_EQ(At(kX + 4, top + 30), kFace);
  EXPECT_EQ(At(kX + 13, top + 39), kFace);
}

TEST_F(Lists, BuiltInScrollBar) {
  List(1, 5, 0, 20);  // height 88
  Gadget& g = *detail::FindGadget(1);
  const int bar = kX + 134, bottom = kY + 88;
  Render(1);
  EXPECT_EQ(RowsOf(kThinLight, bar, kY, kY + 16).front(), kY + 2) << "up button";
  EXPECT_EQ(RowsOf(kThinLight, bar, kY + 72, kY + 88).front(), kY + 72) << "down button";
  EXPECT_EQ(At(bar - 1, kY + 40), kLight) << "background ends before the bar";
  // Arrows: up rows y+7 .. y+10 of 1 .. 7 pixels from x+w-10 leftwards, down reversed.
  EXPECT_EQ(ColumnsOf(kBlack, kY + 7, bar, bar + 14), (Rows{bar + 6}));
  EXPECT_EQ(ColumnsOf(kBlack, kY + 10, bar, bar + 14).size(), 7u);
  EXPECT_EQ(ColumnsOf(kBlack, bottom - 11, bar, bar + 14).front(), bar + 3);
  EXPECT_EQ(ColumnsOf(kBlack, bottom - 8, bar, bar + 14), (Rows{bar + 6}));
  // Thumb: rows / n of the (5 + 1 - 2) x 14 track = 14 pixels, 0.2 x 14 per item scrolled.
  EXPECT_EQ(Thumb(88), std::pair(kY + 16, kY + 29));
  EXPECT_EQ(At(bar + 5, kY + 29), kThinDark);
  g.topItem = 5;
  Render(1);
  EXPECT_EQ(Thumb(88), std::pair(kY + 30, kY + 43));
  g.topItem = 15;  // the last page ends on the track's last row
  Render(1);
  EXPECT_EQ(Thumb(88), std::pair(kY + 58, kY + 71));
  EXPECT_EQ(At(bar + 5, bottom - 17), kThinDark);
  // Pressed parts sink; the pressed arrow moves one pixel right and down.
  g.state = 2;
  Render(1);
  EXPECT_EQ(At(bar, kY + 2), kThinDark);
  EXPECT_EQ(ColumnsOf(kBlack, kY + 8, bar, bar + 14), (Rows{bar + 7}));
  g.state = 4;
  Render(1);
  EXPECT_EQ(At(bar, kY + 58), kThinDark);

  // Rounding up would reach the down button: 9 items, last page: top y + 16 + round(24.9),
  // ceil(31.1) = 32 rows to y + 72, so one shorter.
  List(2, 5, 0, 9);
  detail::FindGadget(2)->topItem = 4;
  Render(2);
  EXPECT_EQ(Thumb(88), std::pair(kY + 41, kY + 71));
  EXPECT_EQ(At(bar + 5, kY + 71), kThinDark);
}

TEST_F(Lists, AlwaysShownBarImageColumnAndFileList) {
  List(1, 8, LIST_NO_HEADER | LIST_ALWAYS_SCROLLBAR, 3);  // height 116
  Render(1);
  EXPECT_EQ(Thumb(116), std::pair(kY + 16, kY + 99)) << "fewer items than rows: the whole track";
  EXPECT_TRUE(Ink(kTrack, kX, kY, kX + 150, kY + 116).empty());

  const std::uint32_t red[4] = {0xFF0000FF, 0xFF0000FF, 0xFF0000FF, 0xFF0000FF};
  const int image = ImageHandle(CreateImageFromPixels(ANY_NUMBER, 2, 2, red));
  ASSERT_NE(CreateColumnList(2, kX, kY, 150, 3, "", LIST_NO_HEADER | LIST_IMAGES), 0);
  AddGadgetItemData(2, -1, "abc", image);
  const Points text = TextInk(kX + 4 + 16 + 1, kY + 2, "abc", kBlack, kX + 100);
  Render(2);
  EXPECT_EQ(ColumnsOf(0x0000FF, kY + 15, kX, kX + 40).size(), 14u) << "14 x 14 at x + 4";
  EXPECT_EQ(Span(0x0000FF, kX + 4), std::pair(kY + 2, kY + 15));
  EXPECT_EQ(Ink(kBlack, kX + 20, kY + 2, kX + 100, kY + 16), text);
  // A FileList is drawn by the same renderer.
  detail::FindGadget(2)->type = GADGET_FILELIST;
  Render(2);
  EXPECT_EQ(Ink(kBlack, kX + 20, kY + 2, kX + 100, kY + 16), text);
}

// Records no command would make: nothing is drawn outside the gadget.
TEST_F(Lists, OddFieldsStayInsideTheGadget) {
  struct Case {
    int topItem, rows, columnCount;
    const char* columns;
  };
  const Case cases[] = {
      {1000000000, 5, 0, "0L_\r"},      // scrolled past every item
      {0, -3, 0, "0L_\r"},              // negative row count
      {2147483647, 2147483647, 0, ""},  // no room left in any field
      {-7, 5, 255, "0L_\r"},            // more columns than entries, topItem below 0
      {0, 5, 2, "x\r\r999999999999R_\r"},
  };
  int number = 1;
  for (const Case& c : cases) {
    SCOPED_TRACE(number);
    Gadget& g = *detail::FindGadget(List(number, 5, LIST_NO_HEADER, 2));
    g.topItem = c.topItem;
    g.rows = c.rows;
    g.columnCount = c.columnCount;
    g.columns = c.columns;
    g.value = 1;
    Render(number++);
    EXPECT_EQ(Outside(kX, kY, 150, 74), Points{});
    EXPECT_EQ(At(kX, kY), 0x404040);
  }
}

// [SECTION] Tree

class Trees : public Lists {
 protected:
  void SetUp() override {
    Lists::SetUp();
    ASSERT_NE(CreateTree(1, kX, kY, 150, 5, 0), 0);  // height 74
  }
  static void Add(const char* text, int level) { AddTreeItem(1, -1, text, 0, level); }
  // Dots at rows y0, y0 + 2, ..., y1 of column x and nothing black between.
  static Rows Dotted(int y0, int y1) {
    Rows ys;
    for (int y = y0; y <= y1; y += 2) ys.push_back(y);
    return ys;
  }
};

TEST_F(Trees, ExpandBoxTextAndHiddenChildren) {
  Add("Wurzel", 0);
  Add("Kind", 1);
  Add("Enkel", 2);
  Add("Zweig", 0);
  const Points text = TextInk(kX + 21, kY + 2, "Wurzel", kBlack, kX + 120);
  Render(1);
  // Collapsed: a plus in a box over columns x+7 .. x+15, rows y+4 .. y+12.
  const Rows box = {kX + 7, kX + 8, kX + 9, kX + 10, kX + 11, kX + 12, kX + 13, kX + 14, kX + 15};
  EXPECT_EQ(ColumnsOf(kBlack, kY + 4, kX, kX + 20), box);
  EXPECT_EQ(ColumnsOf(kBlack, kY + 12, kX, kX + 20), box);
  EXPECT_EQ(ColumnsOf(kBlack, kY + 8, kX, kX + 20),
            (Rows{kX + 7, kX + 9, kX + 10, kX + 11, kX + 12, kX + 13, kX + 15}));
  // Column x+11: the box, the plus bar, and Zweig's line up to the box's bottom row.
  EXPECT_EQ(RowsOf(kBlack, kX + 11, kY, kY + 16),
            (Rows{kY + 4, kY + 6, kY + 7, kY + 8, kY + 9, kY + 10, kY + 12, kY + 14}));
  EXPECT_EQ(Ink(kBlack, kX + 20, kY + 2, kX + 120, kY + 16), text) << "text at x + 21";
  // The children take no rows: the second row is the next top-level item.
  SetGadgetState(1, 3);
  Render(1);
  EXPECT_EQ(Span(kNavy, kX + 19), std::pair(kY + 16, kY + 29));
  EXPECT_EQ(ColumnsOf(kNavy, kY + 16, kX, kX + 40).front(), kX + 19) << "from x + d + 2";
  // Expanded: a minus, and the child moves in (its own child stays hidden).
  SetItemState(1, 0, ITEM_EXPANDED);
  Render(1);
  EXPECT_EQ(RowsOf(kBlack, kX + 11, kY, kY + 14), (Rows{kY + 4, kY + 8, kY + 12}));
  EXPECT_EQ(Span(kNavy, kX + 19), std::pair(kY + 30, kY + 43));
}

TEST_F(Trees, LeafDotsAndSiblingLines) {
  Add("A", 0);
  Add("B", 0);
  Render(1);
  // Leaf dots at d-2, d-4, d-6 on row yo+6; B adds d-6 at yo+4 and yo+2, its line up to A's
  // dot row (5 dots from yo), and the joint dot (x+d, yo+6) that the first row (yo 2) lacks.
  EXPECT_EQ(ColumnsOf(kBlack, kY + 8, kX, kX + 20), (Rows{kX + 11, kX + 13, kX + 15}));
  EXPECT_EQ(ColumnsOf(kBlack, kY + 22, kX, kX + 20), (Rows{kX + 11, kX + 13, kX + 15, kX + 17}));
  EXPECT_EQ(RowsOf(kBlack, kX + 11, kY, kY + 30), Dotted(kY + 8, kY + 22));
  EXPECT_EQ(Toolkit().TreeTable[1], 2);

  SetGadgetDefaultColor(COLOR_TEXT, 0x0000FF);
  ASSERT_NE(CreateTree(2, kX, kY, 150, 5, TREE_NO_LINES), 0);
  AddTreeItem(2, -1, "A", 0, 0);
  AddTreeItem(2, -1, "B", 0, 0);
  Render(2);
  EXPECT_TRUE(Ink(0x0000FF, kX + 2, kY + 2, kX + 19, kY + 70).empty()) << "no lines";
}

TEST_F(Trees, LinesStopAtTheExpandBoxOfTheSibling) {
  Add("P", 0);
  Add("c", 1);
  Add("Q", 0);
  SetItemState(1, 0, ITEM_EXPANDED);
  Render(1);
  // TreeTable[1] held -1 for P's box, so Q's line ends on the box's bottom row (y+12) instead
  // of running on to P's middle; Q's own leaf dots continue it to y+36.
  const Rows box = {kY + 4, kY + 8};
  Rows column = box;
  for (int y : Dotted(kY + 12, kY + 36)) column.push_back(y);
  EXPECT_EQ(RowsOf(kBlack, kX + 11, kY, kY + 44), column);
  EXPECT_EQ(Toolkit().TreeTable[1], 3);
  EXPECT_EQ(Toolkit().TreeTable[2], 0) << "cleared when Q took level 1";
  // The child: dots at d-6 = x+28 from its row top, and its joint dot at (x+34, y+22).
  EXPECT_EQ(RowsOf(kBlack, kX + 28, kY, kY + 30), Dotted(kY + 16, kY + 22));
  EXPECT_EQ(At(kX + 34, kY + 22), kBlack);
}

TEST_F(Trees, LineFromASiblingFarBelowCrossesTheView) {
  Add("P", 0);
  for (int i = 0; i < 50; ++i) Add("c", 1);
  Add("Q", 0);
  SetItemState(1, 0, ITEM_EXPANDED);
  Render(1);
  // Q is row 52; its line to P runs down the whole view to the last even offset below h - 3,
  // and the scroll bar counts 52 rows: a thumb of ceil(5 / 52 x 42) = 5 rows.
  EXPECT_EQ(RowsOf(kBlack, kX + 11, kY + 12, kY + 74), Dotted(kY + 12, kY + 70));
  EXPECT_EQ(Thumb(74), std::pair(kY + 16, kY + 20));
  // Scrolled to the end, the line comes down from P above the view (entered while counting).
  detail::FindGadget(1)->topItem = 47;
  Render(1);
  EXPECT_EQ(RowsOf(kBlack, kX + 11, kY, kY + 60), Dotted(kY + 4, kY + 58));
}

TEST_F(Trees, CheckBoxImageAndOddLevels) {
  const std::uint32_t red[1] = {0xFF0000FF};
  const int image = ImageHandle(CreateImageFromPixels(ANY_NUMBER, 1, 1, red));
  ASSERT_NE(CreateTree(2, kX, kY, 150, 5, LIST_CHECKBOXES | LIST_IMAGES), 0);
  AddTreeItem(2, -1, "A", image, 0);
  SetItemState(2, 0, ITEM_CHECKED);
  const Points text = TextInk(kX + 17 + 14 + 16 + 4, kY + 2, "A", kBlack, kX + 80);
  Render(2);
  // Check box rows yo .. yo+11 over d+3 .. d+14, tick from (d+5, yo+5); image at d + cc + 4.
  EXPECT_EQ(RowsOf(kBlack, kX + 20, kY, kY + 16).front(), kY + 2);
  EXPECT_EQ(RowsOf(kBlack, kX + 31, kY, kY + 16).back(), kY + 13);
  EXPECT_EQ(RowsOf(kBlack, kX + 22, kY + 3, kY + 13), (Rows{kY + 7, kY + 8, kY + 9}));
  EXPECT_EQ(Span(0x0000FF, kX + 35), std::pair(kY + 2, kY + 15));
  EXPECT_EQ(Ink(kBlack, kX + 50, kY + 2, kX + 80, kY + 16), text);

  // Levels outside 1 .. 127 are drawn at the nearest level the table holds.
  ASSERT_NE(CreateTree(3, kX, kY, 150, 5, 0), 0);
  AddTreeItem(3, -1, "", 0, -1);   // level 0: a top-level item
  AddTreeItem(3, -1, "", 0, 500);  // level 501: at 127
  SetItemState(3, 0, ITEM_EXPANDED);
  Render(3);
  EXPECT_EQ(At(kX + 7, kY + 4), kBlack) << "an expand box at level 1";
  EXPECT_EQ(Toolkit().TreeTable[127], 2);
}

}  // namespace
}  // namespace bevel
