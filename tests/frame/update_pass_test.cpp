// The gadget update pass. Each test leaves raw marks as press handling would (states, item
// bits, drop-down states), runs passes and checks records, EventGadget and the handlers' events.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/toolkit_screen.h"
#include "toolkit/frame/update_pass.h"
#include "toolkit/gadgets/tree_rows.h"
#include "toolkit/model/lifetime.h"
#include "toolkit/model/toolkit_state.h"

namespace bevel {
namespace {

using detail::FrameInput;

struct Event {
  int number = 0;
  int kind = 0;
  std::intptr_t item = 0;
  bool operator==(const Event&) const = default;
};
void PrintTo(const Event& e, std::ostream* os) {
  *os << "{" << e.number << ", kind " << e.kind << ", " << e.item << "}";
}
using Events = std::vector<Event>;

class UpdatePass : public testing::ToolkitScreen {
 protected:
  void SetUp() override {
    ToolkitScreen::SetUp();
    SetEventCallback([this](Gadget* gadget, int kind, std::intptr_t item) {
      seen_.push_back({RecordNumber(gadget), kind, item});
      if (onEvent_) onEvent_(kind);
      return vetoed_.count(kind) != 0 ? 0 : 1;
    });
  }
  // One pass in a drawing session, as the frame function runs it; the mouse at (mx, my),
  // off every gadget by default. Returns EventGadget.
  int Pass(int mx = -50, int my = -50, int wheel = 0, bool minimised = false) {
    FrameInput in;
    in.mx = mx;
    in.my = my;
    in.wheel = wheel;
    in.minimised = minimised;
    Toolkit().EventGadget = 0;
    Draw();
    {
      // The pass runs inside a frame: what its handlers close is freed when the frame ends.
      detail::FrameScope frame;
      detail::RunUpdatePass(in);
    }
    return Toolkit().EventGadget;
  }
  Events Seen() { return std::exchange(seen_, {}); }
  static Gadget& G(int number) { return *detail::FindGadget(number); }
  static void Fill(int number, int count) {
    for (int i = 0; i < count; ++i) AddGadgetItem(number, -1, "Zeile " + std::to_string(i));
  }

  Events seen_;
  std::set<int> vetoed_;
  std::function<void(int kind)> onEvent_;
};

TEST_F(UpdatePass, ClicksCompleteOnRelease) {
  ASSERT_NE(CreateButton(1, 0, 0, 50, 20, "Umschalten", BUTTON_TOGGLE), 0);
  ASSERT_NE(CreateSpin(2, 0, 30, 40, 20, 0, 10), 0);
  // A toggle button clicked twice: on, then off, each click reported.
  G(1).state = 1;
  EXPECT_EQ(Pass(), 1);
  EXPECT_EQ(G(1).state, 2);
  G(1).state = 3;
  EXPECT_EQ(Pass(), 1);
  EXPECT_EQ(G(1).state, 0);
  // A spin reports its release once and is idle again in the same frame.
  G(2).state = 2;
  G(2).repeatDelay = 4;
  Pass();
  EXPECT_EQ(G(2).state, 0);
  EXPECT_EQ(G(2).repeatDelay, 0);
  Pass();
  EXPECT_EQ(Seen(), (Events{{1, 2, 0}, {1, 2, 0}, {2, 2, 0}}));
}

TEST_F(UpdatePass, AClickedOptionIsTheOnlySetOneOfItsGroup) {
  // Group A, B, C; a button ends it; D is a group of its own.
  ASSERT_NE(CreateOption(1, 0, 0, 50, 16, "A"), 0);
  ASSERT_NE(CreateOption(2, 0, 20, 50, 16, "B"), 0);
  ASSERT_NE(CreateOption(3, 0, 40, 50, 16, "C"), 0);
  ASSERT_NE(CreateButton(4, 0, 60, 50, 20, "OK"), 0);
  ASSERT_NE(CreateOption(5, 0, 90, 50, 16, "D"), 0);
  SetGadgetState(1, 1);
  SetGadgetState(5, 1);
  G(2).state = 1;
  EXPECT_EQ(Pass(), 2);
  EXPECT_EQ(G(1).state, 0);
  EXPECT_EQ(G(2).state, 2);
  EXPECT_EQ(G(5).state, 2) << "another group";
  // Clicking the set option leaves it set, the only set one of its group.
  G(2).state = 3;
  G(3).state = 2;
  EXPECT_EQ(Pass(), 2);
  EXPECT_EQ(G(2).state, 2);
  EXPECT_EQ(G(3).state, 0);
  EXPECT_EQ(Seen(), (Events{{2, 2, 0}, {2, 2, 0}}));
}

TEST_F(UpdatePass, AnInactiveWindowKeepsItsPendingStates) {
  ASSERT_NE(CreateButton(1, 0, 0, 50, 20, "OK"), 0);
  G(1).state = 1;
  G(1).repeatDelay = 5;
  Toolkit().ActiveWindow = 9;  // another window is live
  EXPECT_EQ(Pass(), 0);
  EXPECT_EQ(G(1).repeatDelay, 0) << "repeat counters end in every window";
  Toolkit().ActiveWindow = 0;
  EXPECT_EQ(Pass(-50, -50, 0, true), 0) << "minimised";
  EXPECT_EQ(G(1).state, 1);
  EXPECT_TRUE(Seen().empty());
  EXPECT_EQ(Pass(), 1);
  EXPECT_EQ(G(1).state, 0);
}

TEST_F(UpdatePass, WheelScrollsAListWithinItsItems) {
  ASSERT_NE(CreateColumnList(1, 0, 0, 150, 5, "Name", 0), 0);  // 88 high
  Fill(1, 3);
  Pass(50, 40, -1);
  EXPECT_EQ(G(1).topItem, 0) << "fewer items than rows";
  Fill(1, 17);  // 20 items, 5 rows: the top item lies within 0 .. 15
  for (int wheel : {-3, -3, -3, 1}) Pass(50, 40, wheel);
  EXPECT_EQ(G(1).topItem, 12);
  EXPECT_EQ(Seen(), (Events{{1, 9, 9}, {1, 9, 6}, {1, 9, -3}}));
  Pass(50, 40, INT_MIN);
  EXPECT_EQ(G(1).topItem, 15);
  Pass(50, 40, INT_MAX);
  EXPECT_EQ(G(1).topItem, 0);
  Seen();
  // Not on the frame's edge, not while a drop-down is open, and not when refused.
  Pass(0, 40, -1);
  Toolkit().OpenPopupIndex = 3;
  Pass(50, 40, -1);
  Toolkit().OpenPopupIndex = -1;
  vetoed_ = {9};
  Pass(50, 40, -1);
  EXPECT_EQ(G(1).topItem, 0);
  EXPECT_EQ(Seen(), (Events{{1, 9, 3}}));
}

TEST_F(UpdatePass, ListClicksCheckBoxesAndHeaderColumns) {
  ASSERT_NE(CreateColumnList(1, 0, 0, 150, 5, "Name", LIST_CHECKBOXES), 0);
  AddColumn(1, "Größe", 60);
  Fill(1, 3);
  Gadget& list = G(1);
  list.items[0].itemState = ITEM_CHECK_CLICKED | ITEM_HOVER;
  list.items[1].itemState = ITEM_CHECK_CLICKED | ITEM_CHECKED;
  list.items[2].itemState = ITEM_HOVER | ITEM_SELECTED;
  list.state = 1;
  list.pressedColumn = 2;
  EXPECT_EQ(Pass(), 1);
  EXPECT_EQ(list.items[0].itemState, ITEM_CHECKED);
  EXPECT_EQ(list.items[1].itemState, 0);
  EXPECT_EQ(list.items[2].itemState, ITEM_SELECTED);
  EXPECT_EQ(list.state + list.pressedColumn, 0);
  EXPECT_EQ(ClickedColumn(GadgetRecord(1)), 1);
  EXPECT_EQ(Seen(), (Events{{1, 2, 0}, {1, 7, 0}, {1, 7, 1}, {1, 8, 1}}));
}

TEST_F(UpdatePass, ScrollBarWheelStepsATwentiethOfItsRange) {
  ASSERT_NE(CreateScrollBar(1, 0, 0, 150, 16, 0, 100, 10, 0), 0);
  ASSERT_NE(CreateScrollBar(2, 0, 40, 150, 16, 0, 10, 1, 0), 0);
  EXPECT_EQ(Pass(50, 8, -1), 1);
  EXPECT_EQ(G(1).value, 5);
  Pass(50, 8, -100);
  EXPECT_EQ(G(1).value, 91) << "maximum - page + 1";
  Pass(50, 48, -1);
  EXPECT_EQ(G(2).value, 1) << "ceil(10 x 0.05)";
  EXPECT_EQ(Seen(), (Events{{1, 9, 5}, {1, 9, 86}, {2, 9, 1}}));
  // A notch over an open drop-down belongs to its list, which may cover the bar.
  Toolkit().OpenPopupIndex = 0;
  Pass(50, 48, -1);
  Toolkit().OpenPopupIndex = -1;
  vetoed_ = {9};
  EXPECT_EQ(Pass(50, 48, -1), 0);
  EXPECT_EQ(G(2).value, 1);
  EXPECT_EQ(Seen(), (Events{{2, 9, 1}}));
}

class ComboBoxPass : public UpdatePass {
 protected:
  void SetUp() override {
    UpdatePass::SetUp();
    ASSERT_NE(CreateComboBox(1, 10, 10, 100, 2, COMBO_EDITABLE), 0);
    for (const char* text : {"Anna", "Bernd", "Berta",
                             "\x0E"
                             "Dora"})
      AddGadgetItem(1, -1, text);
  }
};

TEST_F(ComboBoxPass, DropDownCycle) {
  Gadget& box = G(1);
  for (int pressed : {1, 3, 5, 6}) {  // open, close, open now, close now
    box.dropState = pressed;
    Pass();
    EXPECT_EQ(box.dropState, pressed == 1 || pressed == 5 ? 2 : 0) << pressed;
    EXPECT_EQ(Toolkit().OpenPopupIndex, box.dropState == 2 ? box.listIndex : -1) << pressed;
  }
  EXPECT_EQ(Seen(), (Events{{1, 14, 0}, {1, 15, 0}, {1, 14, 0}, {1, 15, 0}}));
  vetoed_ = {14};
  box.dropState = 1;
  Pass();
  EXPECT_EQ(box.dropState, 0) << "a refused opening keeps the box closed";
  EXPECT_EQ(Toolkit().OpenPopupIndex, -1);
  EXPECT_EQ(Seen(), (Events{{1, 14, 0}}));
}

TEST_F(ComboBoxPass, TypedTextPreselectsAndAPickShowsTheItemsText) {
  Gadget& box = G(1);
  box.text = "Bert";
  box.dropState = 1;
  Pass();
  EXPECT_EQ(box.value, 3);
  EXPECT_EQ(box.text, "Berta");
  EXPECT_EQ(box.topItem, 1) << "the match becomes the last visible row";
  EXPECT_EQ(Seen(), (Events{{1, 9, 1}, {1, 14, 0}}));
  // An item picked in the open list closes it with the text as shown, codes removed.
  box.value = 4;
  box.state = 1;
  box.dropClose = 1;
  EXPECT_EQ(Pass(), 1);
  EXPECT_EQ(box.text, "Dora");
  EXPECT_EQ(box.dropState + box.dropClose + box.state, 0);
  EXPECT_EQ(Toolkit().OpenPopupIndex, -1);
  EXPECT_EQ(Seen(), (Events{{1, 15, 0}}));
}

class TreePass : public UpdatePass {
 protected:
  // A (A1 (A1a), A2), B
  void SetUp() override {
    UpdatePass::SetUp();
    ASSERT_NE(CreateTree(1, 0, 0, 150, 3, LIST_CHECKBOXES), 0);
    for (auto [text, level] : {std::pair{"A", 0}, {"A1", 1}, {"A1a", 2}, {"A2", 1}, {"B", 0}}) {
      AddTreeItem(1, -1, text, 0, level);
    }
  }
  // The bits, written straight into the record in place of the press handling and the
  // commands, which tell the tree that its rows or marks changed.
  static int& Bits(int index) {
    detail::TreeRowsChanged(G(1));
    G(1).itemMarks = true;
    return G(1).items[static_cast<std::size_t>(index)].itemState;
  }
};

TEST_F(TreePass, AnExpanderClickExpandsOrCollapsesOnce) {
  Bits(0) |= ITEM_EXPANDER_CLICKED;
  EXPECT_EQ(Pass(), 1);
  EXPECT_EQ(Bits(0), ITEM_EXPANDED);
  G(1).value = 3;  // A1a
  Bits(0) |= ITEM_EXPANDER_CLICKED;
  Bits(3) |= ITEM_CHECK_CLICKED;
  EXPECT_EQ(Pass(), 1);
  EXPECT_EQ(Bits(0), 0);
  EXPECT_EQ(Bits(3), ITEM_CHECKED);
  EXPECT_EQ(G(1).value, 1) << "the selection moves onto the collapsed node";
  EXPECT_EQ(Seen(), (Events{{1, 18, 0}, {1, 20, 0}, {1, 18, 0}, {1, 19, 0}, {1, 6, 3}}));
  vetoed_ = {20};
  Bits(0) |= ITEM_EXPANDER_CLICKED;
  Pass();
  EXPECT_EQ(Bits(0), 0) << "a refused expansion";
}

TEST_F(TreePass, WheelCountsVisibleNodes) {
  AddTreeItem(1, -1, "C", 0, 0);
  AddTreeItem(1, -1, "D", 0, 0);
  Pass(50, 20, -5);
  EXPECT_EQ(G(1).topItem, 1) << "A, B, C, D in 3 rows";
  Bits(0) |= ITEM_EXPANDED;
  Pass(50, 20, -5);
  EXPECT_EQ(G(1).topItem, 3) << "A, A1, A2, B, C, D";
}

TEST_F(UpdatePass, DateCheckBoxAndARefusedCalendar) {
  ASSERT_NE(CreateDate(1, 10, 10, 120, 20, "", 0, DATE_CHECKBOX), 0);
  Gadget& date = G(1);
  date.dateField = 1;
  date.state = 5;  // check box clicked: the date and the focused part go
  EXPECT_EQ(Pass(), 1);
  EXPECT_EQ(date.dateSet + date.dateField + date.state, 0);
  EXPECT_EQ(Seen(), (Events{{1, 7, 0}, {1, 12, 0}}));
  // A refused calendar leaves the Date closed, its focused part keeping the keyboard.
  vetoed_ = {14};
  date.state = 1;
  date.dateField = 2;
  date.dropState = 1;
  Pass();
  EXPECT_EQ(date.dropState, 0);
  EXPECT_EQ(Toolkit().OpenPopupIndex, -1);
  EXPECT_EQ(date.dateField, 2);
  EXPECT_EQ(date.state, 1);
}

TEST_F(UpdatePass, AHandlerClosingTheWindowEndsItsGadgetsSteps) {
  // The window closes at each notifying step in turn: the pass must not touch a deleted record
  // (the sanitizer build checks) nor report anything of the window afterwards.
  for (const int kind : {2, 7, 18, 20, 14, 12}) {
    SCOPED_TRACE(kind);
    TearDown();
    SetUp();
    ASSERT_NE(OpenWindow(1, 0, 0, 180, 130, "Fenster"), 0);
    Toolkit().ActiveWindow = 1;
    Toolkit().PendingWindow = 0;
    ASSERT_NE(CreateButton(11, 0, 0, 40, 20, "OK"), 0);
    ASSERT_NE(CreateColumnList(12, 0, 30, 100, 3, "Name", LIST_CHECKBOXES), 0);
    Fill(12, 5);
    ASSERT_NE(CreateTree(13, 0, 90, 100, 2, 0), 0);
    AddTreeItem(13, -1, "A", 0, 0);
    AddTreeItem(13, -1, "A1", 0, 1);
    ASSERT_NE(CreateComboBox(14, 110, 0, 60, 3, 0), 0);
    ASSERT_NE(CreateDate(15, 110, 30, 60, 20, "", 0, DATE_CHECKBOX), 0);
    ASSERT_NE(CreateButton(16, 110, 60, 40, 20, "Nach"), 0);
    G(11).state = 1;
    for (GadgetItem& item : G(12).items) item.itemState = ITEM_CHECK_CLICKED;
    G(13).items[0].itemState = ITEM_EXPANDER_CLICKED;
    G(14).dropState = 1;
    G(15).state = 5;
    G(16).state = 1;
    onEvent_ = [kind](int seenKind) {
      if (seenKind == kind) CloseWindow(1);
    };
    Pass();
    EXPECT_EQ(GadgetExists(11) + GadgetExists(16), 0);
    EXPECT_EQ(Toolkit().ActiveWindow, 0);
    const Events seen = Seen();
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.back().kind, kind);
  }
}

}  // namespace
}  // namespace bevel
