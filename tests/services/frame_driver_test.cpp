// Scripted frames: a button clicked, a list double-clicked and scrolled, a key held and
// released, waits in frames and milliseconds, all through the public frame driver.
#include "services/frame_driver.h"
#include "tests/support/toolkit_screen.h"

namespace bevel {
namespace {

class Scripted : public testing::ToolkitScreen {
 protected:
  void SetUp() override {
    ToolkitScreen::SetUp();
    SetScreenSize(kWidth, kHeight, -1);
    headless::SetFrameAdvance(20);
  }
  std::vector<int> events_;
  headless::FrameDriver run_{[this] {
    ClearScreen(0x808080);
    if (const int e = GadgetEvent()) events_.push_back(e);
    ShowFrame();
  }};
};

TEST_F(Scripted, ClicksDoubleClicksWheelAndKeys) {
  CreateButton(1, 10, 10, 60, 20, "OK");
  CreateColumnList(2, 10, 40, 150, 4, "T", 0);
  for (int i = 0; i < 20; ++i) AddGadgetItem(2, -1, "Item");
  run_.Frames(2);
  run_.Click(20, 15);
  EXPECT_EQ(events_, (std::vector<int>{1}));
  EXPECT_EQ(run_.FramesRun(), 5);

  run_.DoubleClick(30, 40 + 14 + 5);
  EXPECT_EQ(GetGadgetState(2), 0);
  run_.Wheel(-2);
  EXPECT_EQ(detail::FindGadget(2)->topItem, 6) << "three rows per notch";

  run_.KeyDown(30);
  PollKeyboard();
  EXPECT_EQ(KeyPushed(30), 1);
  run_.KeyUp(30);
  EXPECT_EQ(KeyPushed(30), 0);
}

TEST_F(Scripted, WaitsInMillisecondsFollowTheClock) {
  const std::uint32_t start = headless::Clock();
  run_.WaitMs(100);
  EXPECT_EQ(headless::Clock() - start, 100u);
  EXPECT_EQ(run_.FramesRun(), 5) << "five frames of 20 ms";
  headless::SetFrameAdvance(0);
  run_.WaitMs(250);
  EXPECT_EQ(headless::Clock() - start, 350u) << "a still clock is moved on";
  EXPECT_TRUE(run_.Screenshot(std::string(BEVEL_TEST_OUT) + "/frame_driver.png"));
  EXPECT_FALSE(run_.Screenshot("/nonexistent-dir/x.png"));
}

}  // namespace
}  // namespace bevel
