// The toolkit on a headless screen, driven in whole frames as a host runs them: 50 frames per
// second of the headless clock (FramesPerTenth 5 once measured).
#pragma once

#include "tests/support/toolkit_screen.h"

namespace bevel::testing {

class FrameFixture : public ToolkitScreen {
 protected:
  void SetUp() override {
    ToolkitScreen::SetUp();
    headless::SetFrameAdvance(20);
    SetScreenSize(ScreenWidth(), ScreenHeight(), -1);
  }
  // One frame; returns what GadgetEvent reported.
  static int Frame() {
    ClearScreen(0x808080);
    const int event = GadgetEvent();
    ShowFrame();
    return event;
  }
  static void Frames(int n) {
    for (int i = 0; i < n; ++i) Frame();
  }
  static void Press(int x, int y, int button = 1) {
    headless::SetMouse(x, y);
    headless::SetButton(button, true);
  }
  static void Release(int button = 1) { headless::SetButton(button, false); }
  // Pressed for one frame, released for one.
  static void Click(int x, int y) {
    Press(x, y);
    Frame();
    Release();
    Frame();
  }
};

}  // namespace bevel::testing
