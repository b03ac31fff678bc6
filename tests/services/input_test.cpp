// Keyboard, mouse, clock and scripted input through the headless driver.
#include <vector>

#include "tests/support/headless_screen.h"

namespace bevel {
namespace {

using testing::HeadlessScreen;
using Input = HeadlessScreen;

TEST_F(Input, KeyPushedIsLevelAndKeyReleasedFiresOnce) {
  headless::SetKey(30, true);
  PollKeyboard();
  EXPECT_EQ(KeyPushed(30), 1);
  EXPECT_EQ(KeyPushed(-1), 1);
  EXPECT_EQ(KeyReleased(30), 0);
  PollKeyboard();
  EXPECT_EQ(KeyPushed(30), 1) << "held keys stay pushed every frame";
  headless::SetKey(30, false);
  PollKeyboard();
  EXPECT_EQ(KeyPushed(30), 0);
  EXPECT_EQ(KeyReleased(30), 1);
  EXPECT_EQ(KeyReleased(30), 1) << "the release belongs to the whole frame";
  PollKeyboard();
  EXPECT_EQ(KeyReleased(30), 0) << "only in the first frame after the release";
  EXPECT_EQ(KeyPushed(-1), 0);
  EXPECT_EQ(KeyPushed(256), 0);
  EXPECT_EQ(KeyPushed(-2), 0);
  EXPECT_EQ(KeyReleased(1000), 0);
}

TEST_F(Input, LockKeysAndKeysBetweenExaminations) {
  headless::SetCapsLock(true);
  headless::SetKey(1, true);
  EXPECT_EQ(KeyPushed(1), 0) << "state changes only at an examination";
  PollKeyboard();
  EXPECT_EQ(CapsLockOn(), 1);
  EXPECT_EQ(NumLockOn(), 0);
  headless::SetNumLock(true);
  headless::SetCapsLock(false);
  PollKeyboard();
  EXPECT_EQ(CapsLockOn(), 0);
  EXPECT_EQ(NumLockOn(), 1);
}

TEST_F(Input, MouseButtonsPositionAndWheel) {
  headless::SetMouse(17, 42);
  headless::SetButton(1, true);
  headless::SetButton(3, true);
  headless::AddWheel(2);
  headless::AddWheel(-5);
  PollMouse();
  EXPECT_EQ(MouseX(), 17);
  EXPECT_EQ(MouseY(), 42);
  EXPECT_EQ(MouseButton(1), 1);
  EXPECT_EQ(MouseButton(2), 0);
  EXPECT_EQ(MouseButton(3), 1);
  EXPECT_EQ(MouseButton(4), 0);
  EXPECT_EQ(MouseWheel(), -3);
  PollMouse();
  EXPECT_EQ(MouseWheel(), 0) << "notches are delivered once";
  SetMousePosition(5, 6);
  EXPECT_EQ(MouseX(), 5);
  PollMouse();
  EXPECT_EQ(MouseY(), 6) << "the device keeps the moved pointer";
}

TEST_F(Input, ClockAndDateFollowTheDriver) {
  headless::SetClock(1000);
  EXPECT_EQ(TickCount(), 1000u);
  headless::SetFrameAdvance(20);
  ShowFrame();
  ShowFrame();
  EXPECT_EQ(TickCount(), 1040u);
  Delay(60);
  EXPECT_EQ(TickCount(), 1100u);
  headless::SetDateAtClockZero(MakeDate(2024, 2, 29, 23, 59, 0));
  headless::SetClock(61000);
  EXPECT_EQ(DateNow(), MakeDate(2024, 3, 1, 0, 0, 1));
}

// A modal loop that only calls ShowFrame and examines the devices can still be driven.
TEST_F(Input, QueuedActionsReachAFrameLoopOfItsOwn) {
  headless::AtFrame(3, [] { headless::SetKey(1, true); });
  headless::AtTime(500, [] { headless::SetMouse(9, 9); });
  headless::SetFrameAdvance(100);
  std::vector<int> seen;
  headless::SetExamineCallback([&](int frame) { seen.push_back(frame); });
  int frames = 0;
  for (; frames < 20; ++frames) {
    ShowFrame();
    PollKeyboard();
    PollMouse();
    if (KeyPushed(1)) break;
  }
  EXPECT_EQ(frames, 2) << "the key arrives at the examination after the third ShowFrame";
  ASSERT_EQ(seen.size(), 6u) << "the callback runs at every examination";
  EXPECT_EQ(seen.front(), 1);
  EXPECT_EQ(seen.back(), 3);
  for (; frames < 6; ++frames) {
    ShowFrame();
    PollMouse();
  }
  EXPECT_EQ(MouseX(), 9) << "clock 500 reached after five frames of 100 ms";
}

TEST_F(Input, ACloseRequestWaitsUntilPollWindowMessagesTakesIt) {
  EXPECT_EQ(CloseRequested(), 0);
  headless::RequestClose();
  EXPECT_EQ(CloseRequested(), 1);
  EXPECT_EQ(CloseRequested(), 1) << "looking leaves it for the host";
  EXPECT_EQ(PollWindowMessages(), 1);
  EXPECT_EQ(PollWindowMessages(), 0) << "reported once";
  EXPECT_EQ(CloseRequested(), 0);
}

TEST(InputWithoutScreen, QueriesAreNeutral) {
  headless::Reset();
  CloseScreen();
  PollKeyboard();
  PollMouse();
  SetMousePosition(3, 3);
  EXPECT_EQ(KeyPushed(-1), 0);
  EXPECT_EQ(MouseButton(1), 0);
  EXPECT_EQ(PollWindowMessages(), 0);
  EXPECT_EQ(CloseRequested(), 0);
}

}  // namespace
}  // namespace bevel
