// A test fixture with a fresh headless screen.
#pragma once

#include <gtest/gtest.h>

#include "services/headless.h"
#include "services/services.h"

namespace bevel::testing {

class HeadlessScreen : public ::testing::Test {
 protected:
  static constexpr int kWidth = 200;
  static constexpr int kHeight = 150;

  void SetUp() override {
    headless::Reset();
    headless::Use();
    ASSERT_NE(OpenScreen(ScreenWidth(), ScreenHeight(), 32, "test"), 0);
    ClearScreen(0);
  }
  void TearDown() override {
    EndDrawing();
    CloseScreen();
  }
  // Fixtures that need more room than kWidth x kHeight say so here.
  virtual int ScreenWidth() const { return kWidth; }
  virtual int ScreenHeight() const { return kHeight; }
  // Opens a drawing session on the back buffer.
  void Draw() { ASSERT_NE(BeginDrawing(BackBufferTarget()), 0); }
  static int At(int x, int y) { return headless::Pixel(x, y); }
};

}  // namespace bevel::testing
