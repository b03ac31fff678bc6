// Shapes on the back buffer, read back pixel by pixel through the headless device.
#include <climits>

#include "tests/support/headless_screen.h"

namespace bevel {
namespace {

using testing::HeadlessScreen;

class Raster : public HeadlessScreen {
 protected:
  // Number of pixels of the whole back buffer that have this colour.
  int Count(int colour) {
    int n = 0;
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) n += At(x, y) == colour;
    return n;
  }
};

TEST_F(Raster, LineExcludesItsEndPoint) {
  Draw();
  Line(10, 10, 0, 0, 0xFFFFFF);
  EXPECT_EQ(Count(0xFFFFFF), 0) << "(0, 0) draws nothing";
  Line(10, 10, 1, 0, 0xFFFFFF);
  EXPECT_EQ(Count(0xFFFFFF), 1);
  EXPECT_EQ(At(10, 10), 0xFFFFFF);

  ClearScreen(0);
  Line(20, 20, 5, 0, 0x0000FF);  // 5 to the right: 20..24
  EXPECT_EQ(At(24, 20), 0x0000FF);
  EXPECT_EQ(At(25, 20), 0);
  Line(20, 30, 0, -3, 0x00FF00);  // 3 up: 30, 29, 28
  EXPECT_EQ(At(20, 28), 0x00FF00);
  EXPECT_EQ(At(20, 27), 0);
  EXPECT_EQ(At(20, 30), 0x00FF00);
}

TEST_F(Raster, DiagonalsCoverSevenPixels) {
  Draw();
  Line(50, 50, 7, 7, 0xFF0000);
  for (int i = 0; i < 7; ++i) EXPECT_EQ(At(50 + i, 50 + i), 0xFF0000) << i;
  EXPECT_EQ(At(57, 57), 0);
  Line(100, 50, -7, 7, 0x00FF00);
  for (int i = 0; i < 7; ++i) EXPECT_EQ(At(100 - i, 50 + i), 0x00FF00) << i;
  EXPECT_EQ(At(93, 57), 0);
  EXPECT_EQ(Count(0xFF0000) + Count(0x00FF00), 14);
}

TEST_F(Raster, LineBetweenIncludesBothEnds) {
  Draw();
  LineBetween(5, 5, 9, 5, 0xFFFFFF);
  EXPECT_EQ(Count(0xFFFFFF), 5);
  LineBetween(30, 30, 30, 30, 0x00FF00);
  EXPECT_EQ(At(30, 30), 0x00FF00);
  // A shallow line steps once per column and reaches its end exactly.
  LineBetween(40, 40, 50, 43, 0x0000FF);
  EXPECT_EQ(Count(0x0000FF), 11);
  EXPECT_EQ(At(40, 40), 0x0000FF);
  EXPECT_EQ(At(50, 43), 0x0000FF);
}

TEST_F(Raster, BoxFillsExactlyItsRectangle) {
  Draw();
  Box(10, 20, 0, 5, 0xFFFFFF);
  Box(10, 20, 5, 0, 0xFFFFFF);
  Box(10, 20, -3, 5, 0xFFFFFF);
  EXPECT_EQ(Count(0xFFFFFF), 0) << "a zero or negative side draws nothing";
  Box(10, 20, 4, 3, 0xFFFFFF);
  EXPECT_EQ(Count(0xFFFFFF), 12);
  EXPECT_EQ(At(13, 22), 0xFFFFFF);
  EXPECT_EQ(At(14, 22), 0);
  EXPECT_EQ(At(13, 23), 0);
  Box(60, 60, 1, 1, 0x00FF00);
  EXPECT_EQ(Count(0x00FF00), 1);
}

TEST_F(Raster, OutlineModeDrawsTheFrameOnly) {
  Draw();
  SetDrawMode(DRAW_OUTLINE);
  Box(10, 10, 5, 4, 0xFFFFFF);
  EXPECT_EQ(Count(0xFFFFFF), 14);  // 5 + 5 + 2 + 2
  EXPECT_EQ(At(12, 11), 0);
  EXPECT_EQ(At(14, 13), 0xFFFFFF);
}

TEST_F(Raster, InvertModeFlipsEachPixelOnce) {
  ClearScreen(0x123456);
  Draw();
  SetDrawMode(DRAW_INVERT | DRAW_OUTLINE);
  Box(10, 10, 6, 6, 0);
  EXPECT_EQ(At(10, 10), 0x123456 ^ 0xFFFFFF) << "a corner is inverted once, not twice";
  EXPECT_EQ(At(12, 12), 0x123456);
  SetDrawMode(DRAW_INVERT);
  Line(30, 30, 4, 0);
  Plot(40, 40);
  EXPECT_EQ(At(33, 30), 0x123456 ^ 0xFFFFFF);
  EXPECT_EQ(At(40, 40), 0x123456 ^ 0xFFFFFF);
  Plot(40, 40);
  EXPECT_EQ(At(40, 40), 0x123456);
}

TEST_F(Raster, PenColourAndInterfaceColourOrder) {
  Draw();
  SetPenColour(RGB(255, 0, 0));
  Plot(1, 1);
  Box(5, 5, 2, 2);
  Line(20, 1, 3, 0);
  EXPECT_EQ(At(1, 1), 0x0000FF) << "red lives in the low byte";
  EXPECT_EQ(At(6, 6), 0x0000FF);
  EXPECT_EQ(At(22, 1), 0x0000FF);
  EXPECT_EQ(ReadPixel(1, 1), 0x0000FF);
  EXPECT_EQ(ReadPixel(-1, 0), -1);
  Plot(2, 2, static_cast<int>(0xFF00FF00u));  // the top byte is ignored
  EXPECT_EQ(At(2, 2), 0x00FF00);
}

TEST_F(Raster, EverythingIsClippedAtEveryEdge) {
  Draw();
  Box(-5, -5, 10, 10, 0xFFFFFF);                      // top-left corner
  Box(kWidth - 3, kHeight - 2, 10, 10, 0x00FF00);     // bottom-right corner
  Box(-10, 50, 5, 5, 0x0000FF);                       // wholly off the left edge
  Box(INT_MIN, INT_MIN, INT_MAX, INT_MAX, 0xFF0000);  // far off, huge
  EXPECT_EQ(Count(0xFFFFFF), 25);
  EXPECT_EQ(Count(0x00FF00), 6);
  EXPECT_EQ(Count(0x0000FF), 0);
  Line(-100, 5, 103, 0, 0x808080);    // enters from the left
  EXPECT_EQ(Count(0x808080), 3 - 0);  // x 0..2, but 0..4 already white
  Line(kWidth - 2, 100, 50, 0, 0x404040);
  EXPECT_EQ(Count(0x404040), 2);
  // Far-off ends: only the visible part is walked, so this returns at once.
  LineBetween(INT_MIN, INT_MIN, INT_MAX, INT_MAX, 0x010101);
  EXPECT_EQ(At(100, 100), 0x010101);
  EXPECT_EQ(Count(0x010101), kHeight);
  LineBetween(-50, 20, 300, 20, 0x020202);
  EXPECT_EQ(Count(0x020202), kWidth);
  Plot(kWidth, 0, 0xFFFFFF);
  Plot(0, kHeight, 0xFFFFFF);
  EXPECT_EQ(Count(0xFFFFFF), 25 - 5) << "the diagonal crossed the corner box";
}

TEST_F(Raster, DrawingOutsideASessionDoesNothing) {
  Plot(1, 1, 0xFFFFFF);
  Box(0, 0, 10, 10, 0xFFFFFF);
  Line(0, 0, 10, 0, 0xFFFFFF);
  EXPECT_EQ(Count(0xFFFFFF), 0);
  EXPECT_EQ(ReadPixel(1, 1), -1);
  Draw();
  EndDrawing();
  Box(0, 0, 10, 10, 0xFFFFFF);
  EXPECT_EQ(Count(0xFFFFFF), 0);
  EXPECT_EQ(BeginDrawing(12345), 0) << "unknown target";
}

TEST_F(Raster, ClearScreenAndShowFrame) {
  ClearScreen(0x00FF00);
  EXPECT_EQ(At(0, 0), 0x00FF00);
  EXPECT_EQ(headless::ShownPixel(0, 0), 0) << "not shown yet";
  ShowFrame();
  EXPECT_EQ(headless::ShownPixel(kWidth - 1, kHeight - 1), 0x00FF00);
  ClearScreen(0xFF0000);
  EXPECT_EQ(headless::ShownPixel(0, 0), 0x00FF00) << "the shown frame stays until the next show";
  EXPECT_EQ(headless::FrameCount(), 1);
}

TEST(Screen, RejectsBadSizesAndDepths) {
  headless::Reset();
  headless::Use();
  EXPECT_EQ(OpenScreen(0, 10, 32, "x"), 0);
  EXPECT_EQ(OpenScreen(10, -1, 32, "x"), 0);
  EXPECT_EQ(OpenScreen(100000, 10, 32, "x"), 0);
  EXPECT_EQ(OpenScreen(10, 10, 16, "x"), 0);
  EXPECT_EQ(BackBufferTarget(), 0);
  ClearScreen(0xFFFFFF);  // no screen: nothing to do, no crash
  ShowFrame();
  ASSERT_NE(OpenScreen(10, 10, 32, "x"), 0);
  EXPECT_EQ(ScreenDevice(), DEVICE_HEADLESS);
  EXPECT_EQ(ScreenPixelWidth(), 10);
  CloseScreen();
  EXPECT_EQ(ScreenDevice(), 0);
}

}  // namespace
}  // namespace bevel
