// A click where a row is drawn picks that row: ColumnList, FileList, Tree and the ComboBox's open
// list drawn and clicked in whole frames on the headless screen, each item on its own background
// colour; and the Calendar's day cells, clicked at the corners of the cells the layout gives.
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

#include "tests/support/frame_fixture.h"
#include "toolkit/gadgets/list_layout.h"
#include "toolkit/render/draw_helpers.h"

namespace bevel {
namespace {

constexpr int kX = 20, kY = 20, kW = 120, kRows = 6;
constexpr int kProbeX = kX + kW - 24;  // right of every text, left of any scroll bar

int RowColour(int item) {
  return 0x20A040 + item * 0x000203;
}

class ListLayoutFrames : public testing::FrameFixture {};

struct ListCase {
  const char* name;
  void (*make)();
  bool dropDown;  // a ComboBox: its list is opened before every click
};
void PrintTo(const ListCase& c, std::ostream* os) {
  *os << c.name;
}

const ListCase kCases[] = {
    {"ColumnList",
     [] {
       CreateColumnList(1, kX, kY, kW, kRows, "Name", 0);
       for (int i = 0; i < kRows; ++i) AddGadgetItem(1, -1, "i" + std::to_string(i));
     },
     false},
    {"FileList",  // "..", then five files; no header, an image column
     [] {
       const auto dir = std::filesystem::path(BEVEL_TEST_OUT) / "list_layout_files";
       std::filesystem::create_directories(dir);
       for (const char* name : {"a.txt", "b.txt", "c.txt", "d.txt", "e.txt"}) {
         std::ofstream(dir / name) << name;
       }
       CreateFileList(1, kX, kY, kW, kRows, dir.string() + "/*.*", FILES_SORTED | FILES_NO_OPEN);
     },
     false},
    {"Tree",  // a collapsed node's child takes no row
     [] {
       CreateTree(1, kX, kY, kW, kRows, 0);
       AddTreeItem(1, -1, "A", 0, 0);
       AddTreeItem(1, -1, "A1", 0, 1);
       for (const char* name : {"B", "C", "D", "E", "F"}) AddTreeItem(1, -1, name, 0, 0);
     },
     false},
    {"ComboBox",
     [] {
       CreateComboBox(1, kX, kY, kW, kRows, 0);
       for (int i = 0; i < kRows; ++i) AddGadgetItem(1, -1, "i" + std::to_string(i));
     },
     true},
};

class RowPicks : public ListLayoutFrames, public ::testing::WithParamInterface<ListCase> {};

TEST_P(RowPicks, AClickOnTheRowsFirstMiddleAndLastPixelRowPicksItAndNotItsNeighbours) {
  const ListCase& c = GetParam();
  c.make();
  const int count = CountGadgetItems(1);
  ASSERT_GE(count, kRows);
  for (int i = 0; i < count; ++i) SetItemColor(1, i, COLOR_LIGHT, RowColour(i));
  const auto open = [&] {  // a click on the drop button, when the list is closed
    if (c.dropDown && detail::FindGadget(1)->dropState == 0) Click(kX + kW - 8, kY + 3);
  };
  open();
  Frame();

  // The item drawn on each pixel row of the probe column (-1: none).
  std::vector<int> drawn(kHeight, -1);
  for (int y = 0; y < kHeight; ++y) {
    for (int i = 0; i < count; ++i) {
      if (headless::ShownPixel(kProbeX, y) == RowColour(i)) drawn[y] = i;
    }
  }
  // The third visible row's band.
  int top = -1, bands = 0;
  for (int y = 1; y < kHeight && bands < 3; ++y) {
    if (drawn[y] != -1 && drawn[y] != drawn[y - 1]) ++bands, top = y;
  }
  ASSERT_EQ(bands, 3) << c.name;
  const int item = drawn[top];
  int bottom = top;
  while (drawn[bottom + 1] == item) ++bottom;
  EXPECT_EQ(bottom - top + 1, 14) << c.name;
  ASSERT_NE(drawn[top - 1], -1) << c.name << ": the row above is drawn";
  ASSERT_NE(drawn[bottom + 1], -1) << c.name << ": the row below is drawn";

  for (const int y : {top - 1, top, (top + bottom) / 2, bottom, bottom + 1}) {
    open();
    Click(kProbeX, y);
    EXPECT_EQ(GetGadgetState(1), drawn[y]) << c.name << ", clicked at row " << y - top;
  }
}

INSTANTIATE_TEST_SUITE_P(ListTypes, RowPicks, ::testing::ValuesIn(kCases),
                         [](const auto& param) { return std::string(param.param.name); });

// The wheel scrolls a tree by the rows it draws: an item added without a level is drawn as a
// top-level node, and does not hide the nodes after it.
TEST_F(ListLayoutFrames, TheWheelScrollsATreeByTheRowsItDraws) {
  ASSERT_NE(CreateTree(1, kX, kY, kW, 3, 0), 0);
  AddGadgetItem(1, -1, "A");
  for (const char* name : {"B", "C", "D"}) AddTreeItem(1, -1, name, 0, 0);
  headless::SetMouse(kX + 30, kY + 20);
  headless::AddWheel(-1);
  Frame();
  EXPECT_EQ(detail::FindGadget(1)->topItem, 1) << "four rows drawn, three shown";
}

// A press on the thumb as drawn grabs it, from its first to its last pixel row; the row above
// it pages up and the row below pages down.
TEST_F(ListLayoutFrames, APressOnTheDrawnThumbGrabsIt) {
  ASSERT_NE(CreateColumnList(1, kX, kY, kW, 5, "Name", 0), 0);
  for (int i = 0; i < 20; ++i) AddGadgetItem(1, -1, "i");
  Gadget& list = *detail::FindGadget(1);
  const int barX = kX + kW - 16 + 7, trackTop = kY + 16, trackEnd = kY + list.height - 16;
  const int trackColour = ShadeColour(SHADE_TRACK, 0xC0C0C0);
  list.topItem = 3;
  Frame();
  int first = -1, last = -1;
  for (int y = trackTop; y < trackEnd; ++y) {
    if (headless::ShownPixel(barX, y) == trackColour) continue;
    if (first < 0) first = y;
    last = y;
  }
  ASSERT_GT(first, trackTop) << "the thumb lies inside the track";
  const struct {
    int y, state, topItem;
  } presses[] = {{first, 4, 3}, {last, 4, 3}, {first - 1, 0, 0}, {last + 1, 0, 7}};
  for (const auto& p : presses) {
    list.topItem = 3;
    headless::SetMouse(barX, p.y);
    headless::SetButton(1, true);
    Frame();
    EXPECT_EQ(list.state, p.state) << "row " << p.y - first << " of the thumb";
    EXPECT_EQ(list.topItem, p.topItem) << "row " << p.y - first << " of the thumb";
    headless::SetButton(1, false);
    Frame();
  }
}

// A Calendar's day cells take presses from one column right of where they are drawn: the
// press must pick them at every corner of the layout's cell, and not one pixel outside.
TEST_F(ListLayoutFrames, CalendarDayCellsArePickedAtTheirCornersOnly) {
  ASSERT_NE(CreateCalendar(1, 0, 0, 205, 160, MakeDate(2026, 2, 5, 0, 0, 0)), 0);  // face at (4, 3)
  Frame();
  const detail::CalendarFace face = detail::CalendarFaceIn({0, 0, 205, 160});
  const detail::Rect cell = face.DayCell(3, 2);
  const int x0 = static_cast<int>(cell.x), y0 = static_cast<int>(cell.y);
  const int x1 = static_cast<int>(cell.Right()) - 1, y1 = static_cast<int>(cell.Bottom()) - 1;
  const struct {
    int x, y, col, row;
  } clicks[] = {
      {x0, y0, 3, 2},     {x1, y0, 3, 2},     {x0, y1, 3, 2},     {x1, y1, 3, 2},
      {x0 - 1, y0, 2, 2}, {x1 + 1, y1, 4, 2}, {x1, y0 - 1, 3, 1}, {x0, y1 + 1, 3, 3},
  };
  Gadget& calendar = *detail::FindGadget(1);
  for (const auto& k : clicks) {
    calendar.pickX = calendar.pickY = -1;
    headless::SetMouse(k.x, k.y);
    headless::SetButton(1, true);
    Frame();  // the day is taken on release; the press leaves the cell
    EXPECT_EQ(calendar.pickX, k.col) << k.x << ", " << k.y;
    EXPECT_EQ(calendar.pickY, k.row) << k.x << ", " << k.y;
    headless::SetButton(1, false);
    Frame();
  }
}

}  // namespace
}  // namespace bevel
