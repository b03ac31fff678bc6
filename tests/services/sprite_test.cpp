// Sprites: blits clipped at every edge of the back buffer, captures of it (partly off screen
// too), numbering.
#include <climits>
#include <set>

#include "services/internal/numbers.h"
#include "services/internal/surface.h"
#include "tests/support/headless_screen.h"
#include "tests/support/picture_files.h"

namespace bevel {
namespace {

constexpr int kGrey = 0x808080;
constexpr int kSpriteW = 6, kSpriteH = 4;

// Black (the key colour) on a diagonal pattern, else a colour unique to (x, y).
std::uint32_t SpriteColour(int x, int y) {
  return (x + y) % 3 == 0 ? 0 : static_cast<std::uint32_t>(RGB(30 + 30 * x, 40 + 50 * y, 200));
}
// Never black, so captured screen pixels differ from the black outside the screen.
int ScreenColour(int x, int y) {
  return RGB(x, y, 100);
}

class Sprites : public testing::HeadlessScreen {
 protected:
  static std::string PatternFile() {
    return testing::WriteTestFile("sprite.bmp",
                                  testing::Bmp(kSpriteW, kSpriteH, 24, false, SpriteColour));
  }
  // The whole back buffer is grey except for the pattern sprite blitted at (sx, sy).
  void ExpectPatternAt(int sx, int sy, bool keyed) {
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        const int px = x - sx, py = y - sy;
        const bool inside = px >= 0 && py >= 0 && px < kSpriteW && py < kSpriteH;
        const int c = inside ? static_cast<int>(SpriteColour(px, py)) : kGrey;
        ASSERT_EQ(At(x, y), keyed && c == 0 ? kGrey : c)
            << "blit at " << sx << "," << sy << (keyed ? " keyed" : "") << ", pixel " << x << ","
            << y;
      }
    }
  }
};

TEST_F(Sprites, BlitsClipAtEveryEdgeOutsideAnySession) {
  ASSERT_EQ(LoadSprite(1, PatternFile()), 1);
  EXPECT_EQ(SpriteWidth(1), kSpriteW);
  EXPECT_EQ(SpriteHeight(1), kSpriteH);
  // A session on an image does not redirect blits.
  const int image = CreateImage(ANY_NUMBER, 10, 10);
  ASSERT_NE(BeginDrawing(ImageTarget(image)), 0);
  const int positions[][2] = {
      {20, 30},          {-2, 60}, {kWidth - 3, 60},          {80, -2},
      {80, kHeight - 2}, {-3, -3}, {kWidth - 2, kHeight - 1}, {-kSpriteW, 0},
      {kWidth, kHeight}};
  for (const bool keyed : {true, false}) {
    for (const auto& p : positions) {
      ClearScreen(kGrey);
      (keyed ? BlitSpriteKeyed : BlitSprite)(1, p[0], p[1]);
      ExpectPatternAt(p[0], p[1], keyed);
    }
  }
  EXPECT_EQ(ReadPixel(1, 0), 0) << "the image stays black";
  ClearScreen(kGrey);
  BlitSprite(1, INT_MAX, INT_MIN);
  BlitSpriteKeyed(1, INT_MIN, INT_MAX);
  ExpectPatternAt(kWidth, kHeight, false);  // nothing drawn
}

TEST_F(Sprites, CapturesRoundTripAndAreBlackOffScreen) {
  // (x, y, w, h) of each capture: inside, over the bottom-left corner, wholly off screen.
  const int captures[][4] = {{10, 20, 30, 25}, {-4, kHeight - 5, 10, 8}, {INT_MIN, INT_MAX, 4, 4}};
  // Each number already holds a white picture of its capture's size, which the capture reuses.
  ClearScreen(0xFFFFFF);
  for (int i = 0; i < 3; ++i) ASSERT_EQ(CaptureSprite(i, 0, 0, captures[i][2], captures[i][3]), 1);
  Draw();
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) Plot(x, y, ScreenColour(x, y));
  EndDrawing();
  for (int i = 0; i < 3; ++i)
    ASSERT_EQ(CaptureSprite(i, captures[i][0], captures[i][1], captures[i][2], captures[i][3]), 1);
  for (int i = 0; i < 3; ++i) {
    const auto [cx, cy, w, h] = captures[i];
    ASSERT_EQ(SpriteWidth(i), w);
    ASSERT_EQ(SpriteHeight(i), h);
    ClearScreen(kGrey);
    BlitSprite(i, 120, 100);
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        const long long sx = 0LL + cx + x, sy = 0LL + cy + y;
        const bool onScreen = sx >= 0 && sy >= 0 && sx < kWidth && sy < kHeight;
        ASSERT_EQ(At(120 + x, 100 + y), onScreen ? ScreenColour(int(sx), int(sy)) : 0)
            << "capture " << i << " at " << x << "," << y;
      }
    }
  }
  EXPECT_EQ(CaptureSprite(1, 0, 0, 0, 5), 0);
  EXPECT_EQ(CaptureSprite(1, 0, 0, 5, -1), 0);
  EXPECT_EQ(CaptureSprite(1, 0, 0, detail::kMaxSurfaceSide + 1, 1), 0);
  EXPECT_EQ(SpriteWidth(1), 10) << "a failed capture keeps the sprite";
}

TEST_F(Sprites, NumberingReplacingAndRelease) {
  // Explicit sprites where the automatic numbers start must not be taken over.
  std::set<int> used = {detail::kFirstAutoNumber, detail::kFirstAutoNumber + 1};
  for (const int n : used) ASSERT_EQ(CaptureSprite(n, 0, 0, 1, 1), 1);
  for (int i = 0; i < 50; ++i) {
    const int n = CaptureSprite(ANY_NUMBER, 0, 0, 2, 2);
    EXPECT_GT(n, 0);
    EXPECT_TRUE(used.insert(n).second) << n << " handed out twice";
  }
  const int loaded = LoadSprite(ANY_NUMBER, PatternFile());
  EXPECT_TRUE(used.insert(loaded).second);
  EXPECT_EQ(SpriteWidth(loaded), kSpriteW);

  // Negative numbers are ordinary numbers; an explicit number is replaced.
  ASSERT_EQ(LoadSprite(-5, PatternFile()), 1);
  ASSERT_EQ(CaptureSprite(-5, 0, 0, 3, 2), 1);
  EXPECT_EQ(SpriteWidth(-5), 3);
  EXPECT_EQ(LoadSprite(-5, "no such file.bmp"), 0);
  EXPECT_EQ(SpriteWidth(-5), 3) << "a failed load keeps the sprite";
  ReleaseSprite(-5);
  EXPECT_EQ(SpriteExists(-5), 0);
  EXPECT_EQ(SpriteHeight(-5), 0);
  ClearScreen(kGrey);
  BlitSprite(-5, 0, 0);
  EXPECT_EQ(At(0, 0), kGrey);
}

TEST_F(Sprites, KeptAcrossScreensAndIdleWithoutOne) {
  ASSERT_EQ(LoadSprite(4, PatternFile()), 1);
  CloseScreen();
  EXPECT_EQ(SpriteExists(4), 1);
  EXPECT_EQ(CaptureSprite(5, 0, 0, 2, 2), 0) << "nothing to capture";
  BlitSprite(4, 0, 0);  // no back buffer: nothing, and no fault
  EXPECT_EQ(LoadSprite(6, PatternFile()), 1) << "loading needs no screen";
  ASSERT_NE(OpenScreen(kWidth, kHeight, 32, "again"), 0);
  ClearScreen(kGrey);
  BlitSprite(6, 7, 9);
  ExpectPatternAt(7, 9, false);
}

}  // namespace
}  // namespace bevel
