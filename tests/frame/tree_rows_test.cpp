// A tree keeps its visible rows between frames; after every kind of change (items added,
// inserted or removed, a node expanded or collapsed by command or by its expand box, the view
// scrolled) the row a click lands on is the item the tree shows there.
#include <functional>
#include <vector>

#include "tests/support/frame_fixture.h"

namespace bevel {
namespace {

using Items = std::vector<int>;

// A tree at (10, 10), 150 wide, 8 rows: row r (1-based in view) lies at 10 + 2 + (r - 1) x 14.
constexpr int kTree = 1;
constexpr int kRows = 8;

class TreeRows : public testing::FrameFixture {
 protected:
  // A (A1 (A1a), A2), B (B1), C: A expanded, A1 and B collapsed. Item indexes:
  // 0 A, 1 A1, 2 A1a, 3 A2, 4 B, 5 B1, 6 C.
  static void MakeTree() {
    ASSERT_NE(CreateTree(kTree, 10, 10, 150, kRows, 0), 0);
    const std::pair<const char*, int> items[] = {{"A", 0}, {"A1", 1}, {"A1a", 2}, {"A2", 1},
                                                 {"B", 0}, {"B1", 1}, {"C", 0}};
    for (const auto& [text, level] : items) AddTreeItem(kTree, -1, text, 0, level);
    SetItemState(kTree, 0, ITEM_EXPANDED);
  }
  static int RowY(int r) { return 10 + 2 + (r - 1) * 14 + 7; }
  // The item each row in view selects when clicked (-1: the click selects nothing new), the
  // view left as it was.
  static Items ClickEveryRow() {
    Items picked;
    for (int r = 1; r <= kRows; ++r) {
      SetGadgetState(kTree, -1);
      Click(120, RowY(r));
      picked.push_back(GetGadgetState(kTree));
      headless::SetMouse(0, 0);  // a moved mouse ends any double click
      Frame();
    }
    while (!picked.empty() && picked.back() == -1) picked.pop_back();
    return picked;
  }
};

// One row: a change after the first frames, and the items then on the rows in view.
struct ChangeCase {
  const char* name;
  std::function<void()> change;
  Items rows;
};

TEST_F(TreeRows, AfterEveryChangeAClickPicksTheItemShownOnItsRow) {
  const ChangeCase cases[] = {
      {"none", [] {}, {0, 1, 3, 4, 6}},
      {"expanded by command", [] { SetItemState(kTree, 4, ITEM_EXPANDED); }, {0, 1, 3, 4, 5, 6}},
      {"collapsed by command", [] { SetItemState(kTree, 0, ITEM_REQUEST_COLLAPSE); }, {0, 4, 6}},
      {"a leaf cannot expand", [] { SetItemState(kTree, 6, ITEM_EXPANDED); }, {0, 1, 3, 4, 6}},
      {"inserted", [] { AddTreeItem(kTree, 3, "N", 0, 1); }, {0, 1, 3, 4, 5, 7}},
      {"appended", [] { AddTreeItem(kTree, -1, "D", 0, 0); }, {0, 1, 3, 4, 6, 7}},
      {"a child appended to a collapsed node",
       [] {
         AddTreeItem(kTree, -1, "C1", 0, 1);  // C gains a child and is collapsed
       },
       {0, 1, 3, 4, 6}},
      {"removed with its subtree", [] { RemoveGadgetItem(kTree, 1); }, {0, 1, 2, 4}},
      {"expand box clicked",
       [] {
         Click(10 + 2 + 17 - 8, RowY(4));  // B's box
         headless::SetMouse(0, 0);
         Frame();
       },
       {0, 1, 3, 4, 5, 6}},
      {"expand box of a nested node clicked",
       [] {
         Click(10 + 2 + 2 * 17 - 8, RowY(2));  // A1's box
         headless::SetMouse(0, 0);
         Frame();
       },
       {0, 1, 2, 3, 4, 6}},
      {"every item removed, then new ones",
       [] {
         while (CountGadgetItems(kTree) > 0) RemoveGadgetItem(kTree, 0);
         AddTreeItem(kTree, -1, "X", 0, 0);
         AddTreeItem(kTree, -1, "Y", 0, 0);
       },
       {0, 1}},
  };
  for (const ChangeCase& c : cases) {
    SCOPED_TRACE(c.name);
    InitToolkit();
    SetScreenSize(kWidth, kHeight, -1);
    MakeTree();
    Frames(2);  // the rows are known
    c.change();
    Frame();
    EXPECT_EQ(ClickEveryRow(), c.rows);
  }
}

TEST_F(TreeRows, ScrollingMovesTheRowsOverTheItems) {
  ASSERT_NE(CreateTree(kTree, 10, 10, 150, kRows, 0), 0);
  for (int i = 0; i < 20; ++i) {
    AddTreeItem(kTree, -1, "Knoten", 0, 0);
    AddTreeItem(kTree, -1, "Blatt", 0, 1);  // hidden: its node stays collapsed
  }
  Frames(2);
  headless::SetMouse(60, RowY(3));
  headless::AddWheel(-2);  // six rows down
  Frame();
  EXPECT_EQ(ClickEveryRow(), (Items{12, 14, 16, 18, 20, 22, 24, 26}));
  SetItemState(kTree, 14, ITEM_EXPANDED);  // node 7, on the second row in view
  Frame();
  EXPECT_EQ(ClickEveryRow(), (Items{12, 14, 15, 16, 18, 20, 22, 24}));
}

}  // namespace
}  // namespace bevel
