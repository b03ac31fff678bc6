// A fresh toolkit on the headless device whose clock reads a fixed date, for tests of the
// gadget model (no screen needed).
#pragma once

#include <gtest/gtest.h>

#include "services/headless.h"
#include "toolkit/model/toolkit_state.h"
#include "toolkit/toolkit.h"

namespace bevel::testing {

// 7 December 2026, 10:30:45 local: the date DateNow reads at clock 0.
inline const int kNow = MakeDate(2026, 12, 7, 10, 30, 45);

class GadgetModel : public ::testing::Test {
 protected:
  void SetUp() override {
    headless::Reset();
    headless::Use();
    headless::SetDateAtClockZero(kNow);
    InitToolkit();
  }

  // The record of an existing gadget; fails the test when there is none.
  static Gadget& Record(int number) {
    Gadget* gadget = detail::FindGadget(number);
    EXPECT_NE(gadget, nullptr) << "no gadget " << number;
    static Gadget none;
    return gadget != nullptr ? *gadget : none;
  }
};

}  // namespace bevel::testing
