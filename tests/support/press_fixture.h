// Drives press and release handling directly: a mouse held at a point for one frame, a record
// of every event handler call, and per-kind vetoes.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "services/headless.h"
#include "tests/support/toolkit_screen.h"
#include "toolkit/model/frame_input.h"
#include "toolkit/model/gadget.h"
#include "toolkit/model/toolkit_state.h"

namespace bevel::testing {

struct Notice {
  int number;
  int kind;
  std::intptr_t item;
  bool operator==(const Notice&) const = default;
};

class PressFixture : public ToolkitScreen {
 protected:
  void SetUp() override {
    ToolkitScreen::SetUp();
    SetEventCallback([this](Gadget* gadget, int kind, std::intptr_t item) {
      notices.push_back({RecordNumber(gadget), kind, item});
      return veto && veto(kind, item) ? 0 : 1;
    });
    Toolkit().FramesPerTenth = 3;
  }

  static Gadget& R(int number) { return *detail::FindGadget(number); }

  // Left button held at (x, y) on the screen (the gadgets live on the screen, origin 0, 0).
  static detail::FrameInput Left(int x, int y, bool doubleClick = false) {
    detail::FrameInput in;
    in.mx = x;
    in.my = y;
    in.left = true;
    in.doubleClick = doubleClick;
    return in;
  }
  static detail::FrameInput Right(int x, int y) {
    detail::FrameInput in = Left(x, y);
    in.left = false;
    in.right = true;
    return in;
  }

  static void Keys(std::initializer_list<int> down) {
    headless::ReleaseAllKeys();
    for (int key : down) headless::SetKey(key, true);
    PollKeyboard();
  }

  // Notices of one kind, in order.
  std::vector<Notice> Of(int kind) const {
    std::vector<Notice> out;
    for (const Notice& n : notices) {
      if (n.kind == kind) out.push_back(n);
    }
    return out;
  }

  std::vector<Notice> notices;
  // Returns true to veto (kind, item); empty: everything allowed.
  std::function<bool(int kind, std::intptr_t item)> veto;
};

}  // namespace bevel::testing
