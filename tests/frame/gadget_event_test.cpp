// Whole frames through GadgetEvent on the headless device: clicks, double clicks, the mouse
// clamp, overlapping gadgets, handlers and frame timing.
#include <vector>

#include "tests/support/frame_fixture.h"

namespace bevel {
namespace {

class Frames : public testing::FrameFixture {
 protected:
  static int OuterWidthOf(int window) { return WindowOuterWidth(window); }
};

TEST_F(Frames, AClickReportsTheButtonOnceOnRelease) {
  ASSERT_NE(CreateButton(1, 10, 10, 60, 20, "OK"), 0);
  Frame();
  Press(20, 15);
  EXPECT_EQ(Frame(), 0) << "a press alone reports nothing";
  EXPECT_EQ(detail::FindGadget(1)->state, 1) << "armed";
  EXPECT_EQ(headless::Pixel(10, 10), 0x404040) << "drawn sunken while held";
  Release();
  EXPECT_EQ(Frame(), 1);
  EXPECT_EQ(detail::FindGadget(1)->state, 0);
  EXPECT_EQ(Frame(), 0) << "reported once";
}

TEST_F(Frames, MovingOffBeforeReleaseCancelsTheClick) {
  CreateButton(1, 10, 10, 60, 20, "OK");
  Frame();
  Press(20, 15);
  Frame();
  headless::SetMouse(150, 100);
  Frame();
  EXPECT_EQ(detail::FindGadget(1)->state, 0) << "release handling while off it";
  Release();
  EXPECT_EQ(Frame(), 0);
}

TEST_F(Frames, FirstGadgetInCreationOrderTakesOverlappingPresses) {
  CreateCheckBox(1, 10, 10, 100, 20, "A");
  CreateCheckBox(2, 10, 10, 100, 20, "B");
  std::vector<int> kinds;
  SetEventCallback([&](Gadget* g, int kind, std::intptr_t) {
    if (g && RecordNumber(g) == 2) kinds.push_back(kind);
    return 1;
  });
  Frame();
  Press(15, 15);
  Frame();
  Release();
  EXPECT_EQ(Frame(), 1);
  EXPECT_EQ(GetGadgetState(1), 1);
  EXPECT_EQ(GetGadgetState(2), 0);
  for (int kind : kinds) EXPECT_NE(kind, 1) << "the one under it that did not take the press";
}

TEST_F(Frames, DoubleClickNeedsTheSamePixelWithinHalfASecond) {
  CreateColumnList(1, 10, 10, 150, 5, "T", 0);
  for (int i = 0; i < 3; ++i) AddGadgetItem(1, -1, "Item");
  Frame();
  Frame();  // FramesPerTenth measured: 5
  auto click = [&](int x, int y) {
    Press(x, y);
    Frame();
    Release();
    Frame();
  };
  click(30, 10 + 14 + 5);
  EXPECT_EQ(GadgetActivated(1), 0);
  Press(30, 10 + 14 + 5);
  Frame();
  EXPECT_EQ(GadgetActivated(1), 1) << "second press at the same pixel";
  Release();
  Frame();
  EXPECT_EQ(GadgetActivated(1), 0) << "only in its frame";

  for (int i = 0; i < 30; ++i) Frame();  // a pause breaks the pair
  click(30, 29);
  click(31, 29);
  EXPECT_EQ(Toolkit().ClickCounter == 32767, false);
  Press(31, 29);
  Frame();
  EXPECT_EQ(GadgetActivated(1), 0) << "the mouse moved between the presses";
}

// A press too late for a double click is a fresh single press: a window's close button
// pressed again a second later, without moving the mouse, still closes.
TEST_F(Frames, ALatePressAtTheSamePixelIsANewFirstPress) {
  ASSERT_NE(OpenWindowEx(1, 20, 20, 150, 80, "W", WINDOW_CLOSE_BUTTON), 0);
  Frame();
  Frame();
  ASSERT_EQ(Toolkit().ActiveWindow, 1);
  const int closeX = 20 + OuterWidthOf(1) - 2 - 19 + 8, closeY = 20 + 2 + 3 + 7;
  Press(closeX, closeY);
  Frame();
  Release();
  Frame();
  for (int i = 0; i < 50; ++i) Frame();  // a second later
  Press(closeX, closeY);
  Frame();
  EXPECT_EQ(Toolkit().ClickCounter, 1);
  Release();
  Frame();
  EXPECT_EQ(WindowEvent(), 1) << "close requested";
}

// Disabling a Date clears its keyboard focus but never its date.
TEST_F(Frames, DisabledGadgetsLoseFocusButKeepTheirDate) {
  const int date = MakeDate(2026, 12, 7, 10, 30, 0);
  CreateDate(1, 10, 10, 150, 20, "", date);
  CreateString(2, 10, 40, 150, 20, "abc", -1, 0);
  SetCursor(2, 1);
  DisableGadget(1, 1);
  DisableGadget(2, 1);
  Frame();
  EXPECT_EQ(GetGadgetState(1), date);
  EXPECT_EQ(detail::FindGadget(2)->cursor, -1);
  EXPECT_EQ(detail::FindGadget(2)->state, 0);
}

// A combo box disabled while its list is open gives the open drop-down up: the wheel belongs to
// the other lists again.
TEST_F(Frames, DisablingAnOpenComboBoxClosesItsList) {
  CreateComboBox(1, 10, 10, 80, 3, 0);
  for (int i = 0; i < 5; ++i) AddGadgetItem(1, -1, "Wahl");
  CreateColumnList(2, 100, 10, 90, 3, "T", 0);
  for (int i = 0; i < 9; ++i) AddGadgetItem(2, -1, "Zeile");
  Frame();
  Press(80, 15);  // the drop button
  Frame();
  Release();
  Frame();
  ASSERT_EQ(Toolkit().OpenPopupIndex, detail::FindGadget(1)->listIndex);
  DisableGadget(1, 1);
  Frame();
  EXPECT_EQ(Toolkit().OpenPopupIndex, -1);
  headless::SetMouse(140, 40);
  headless::AddWheel(-1);
  Frame();
  EXPECT_EQ(detail::FindGadget(2)->topItem, 3) << "the wheel scrolls the list";
}

// Hiding takes the keyboard and an open list at once; hidden, a gadget is neither drawn nor
// pressed nor reached by Tab, and takes no keys even when a command gives it the caret.
TEST_F(Frames, HiddenGadgetsNeitherShowNorReact) {
  for (const int n : {1, 2, 3}) CreateString(n, 10, 30 * n, 80, 20, "abc", -1, 0);
  CreateComboBox(4, 100, 10, 80, 3, 0);
  AddGadgetItem(4, -1, "Wahl");
  CreateButton(5, 100, 100, 60, 20, "B");
  const auto press = [](int key) {
    headless::SetKey(key, true);
    Frame();
    headless::SetKey(key, false);
    return Frame();
  };
  EXPECT_EQ(HideGadget(42, 1), 0);
  Frame();
  Click(170, 15);  // the combo box's drop button
  SetCursor(2, 0);
  for (const int n : {2, 4, 5}) EXPECT_EQ(HideGadget(n, 1), 1);
  EXPECT_EQ(Toolkit().OpenPopupIndex, -1);
  EXPECT_EQ(GetGadgetState(2), -1) << "the caret is gone";
  Press(130, 110);
  Frame();
  Release();
  EXPECT_EQ(Frame(), 0) << "the button is not pressed";
  EXPECT_EQ(headless::Pixel(130, 110), 0x808080) << "nor drawn";
  SetCursor(1, 0);
  press(KEY_TAB);
  EXPECT_EQ(GetGadgetState(3), 3) << "Tab passes over the hidden field";
  SetCursor(2, 0);
  press(KEY_X);
  EXPECT_EQ(GetGadgetText(2), "abc");
  HideGadget(5, 0);
  Press(130, 110);
  Frame();
  Release();
  EXPECT_EQ(Frame(), 5) << "shown again";
}

TEST_F(Frames, MouseIsClampedToTheScreenSize) {
  Frame();
  headless::SetMouse(kWidth + 50, kHeight + 9);
  Frame();
  EXPECT_EQ(headless::MouseXNow(), kWidth);
  EXPECT_EQ(headless::MouseYNow(), kHeight);
  headless::SetMouse(-5, -5);
  Frame();
  EXPECT_EQ(headless::MouseXNow(), -5) << "no lower clamp";
}

TEST_F(Frames, FrameTimingFollowsTheClock) {
  Frame();
  EXPECT_EQ(Toolkit().FramesPerTenth, 0) << "the first frame starts when the screen size was set";
  Frame();
  EXPECT_EQ(Toolkit().FramesPerTenth, 5);
  EXPECT_EQ(Toolkit().BlinkFrames, 25);
  headless::SetFrameAdvance(40);
  Frame();
  Frame();
  EXPECT_EQ(Toolkit().FramesPerTenth, 2) << "100 / 40 = 2.5 rounds to even";
  EXPECT_EQ(Toolkit().BlinkFrames, 12) << "12.5 rounds to even";
}

TEST_F(Frames, AVetoedSelectionKeepsThePreviousOne) {
  CreateColumnList(1, 10, 10, 150, 5, "T", 0);
  for (int i = 0; i < 5; ++i) AddGadgetItem(1, -1, "Item");
  SetGadgetState(1, 1);
  SetEventCallback(
      [](Gadget*, int kind, std::intptr_t item) { return kind == 4 && item == 3 ? 0 : 1; });
  Frame();
  Press(30, 10 + 14 + 3 * 14 + 5);  // row of item 3
  Frame();
  Release();
  Frame();
  EXPECT_EQ(GetGadgetState(1), 1);
  Press(30, 10 + 14 + 2 * 14 + 5);
  EXPECT_EQ(Frame(), 1) << "a selection is reported in the frame of the press";
  Release();
  Frame();
  EXPECT_EQ(GetGadgetState(1), 2);
}

TEST_F(Frames, HandlersMayCloseTheWindowMidFrame) {
  ASSERT_NE(OpenWindow(1, 20, 20, 150, 80, "W"), 0);
  CreateButton(5, 10, 10, 60, 20, "Zu");
  CreateButton(6, 10, 40, 60, 20, "B");
  Frame();
  Frame();
  ASSERT_EQ(Toolkit().ActiveWindow, 1);
  SetEventCallback([](Gadget* g, int kind, std::intptr_t) {
    if (g && RecordNumber(g) == 5 && kind == 2) CloseWindow(1);
    return 1;
  });
  Press(20 + 2 + 15, 20 + 2 + 20 + 15);
  Frame();
  Release();
  EXPECT_EQ(Frame(), 5);
  EXPECT_EQ(WindowExists(1), 0);
  EXPECT_EQ(GadgetExists(6), 0);
  EXPECT_EQ(Toolkit().ActiveWindow, 0);
  Frame();
}

}  // namespace
}  // namespace bevel
