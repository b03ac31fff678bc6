// The frame's invariant check stops the program at the end of the frame in which a record broke
// one, whatever broke it: each row corrupts one record by hand, as a toolkit fault would.
#include <functional>

#include "tests/support/frame_fixture.h"

namespace bevel {
namespace {

class Invariants : public testing::FrameFixture {};

TEST_F(Invariants, ABrokenInvariantStopsTheFrame) {
#ifndef BEVEL_CHECK_INVARIANTS
  GTEST_SKIP() << "built without BEVEL_CHECK_INVARIANTS";
#else
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const struct {
    const char* name;
    std::function<void()> corrupt;
    const char* message;
  } rows[] = {
      {"selection past the items", [] { detail::FindGadget(1)->value = 9; },
       "selection within the items"},
      {"caret past the text", [] { detail::FindGadget(2)->cursor = 99; }, "caret within the text"},
      {"active window gone", [] { Toolkit().ActiveWindow = 77; }, "active window live"},
      {"open drop-down closed", [] { Toolkit().OpenPopupIndex = detail::FindGadget(3)->listIndex; },
       "open drop-down is open"},
  };
  for (const auto& row : rows) {
    CreateColumnList(1, 0, 0, 80, 3, "T", 0);
    AddGadgetItem(1, -1, "a");
    CreateString(2, 0, 80, 80, 20, "abc", -1, 0);
    CreateComboBox(3, 100, 0, 80, 3, 0);
    Frame();
    EXPECT_DEATH(
        {
          row.corrupt();
          Frame();
        },
        row.message)
        << row.name;
    InitToolkit();
  }
#endif
}

}  // namespace
}  // namespace bevel
