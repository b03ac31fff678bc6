// A headless screen with the toolkit initialised and the classic 13-pixel gadget font.
#pragma once

#include "tests/support/headless_screen.h"
#include "toolkit/model/toolkit_state.h"
#include "toolkit/toolkit.h"

namespace bevel::testing {

class ToolkitScreen : public HeadlessScreen {
 protected:
  void SetUp() override {
    HeadlessScreen::SetUp();
    InitToolkit();
    font_ = LoadFont(ANY_NUMBER, "MS Sans Serif", 8);
    SetGadgetDefaultColor(COLOR_FONT, font_);
  }
  // Fills the back buffer with a colour no renderer uses, so untouched pixels are recognisable.
  static constexpr int kBackground = 0x123456;
  void Clear() { ClearScreen(kBackground); }
  int font_ = 0;
};

}  // namespace bevel::testing
