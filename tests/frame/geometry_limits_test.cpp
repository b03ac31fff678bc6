// Absurd geometry and ranges: records placed and sized at the ends of int are drawn, pressed and
// read back without overflow (CI runs this under UndefinedBehaviorSanitizer), what the commands
// store is clamped to -COORDINATE_LIMIT .. COORDINATE_LIMIT, and every way a bar's value moves
// keeps it within its range.
#include <climits>
#include <functional>

#include "tests/support/frame_fixture.h"

namespace bevel {
namespace {

constexpr int kLimit = COORDINATE_LIMIT;

class GeometryLimits : public testing::FrameFixture {
 protected:
  static const Gadget& G(int number) { return *detail::FindGadget(number); }
  static const ScreenWindow& W(int number) { return *Toolkit().WindowList.Find(number); }
  static void Hold(int x, int y, int frames) {
    Press(x, y);
    Frames(frames);
  }
};

// One row: what is made, a press held for a few frames at a point (then released), and what
// must hold afterwards.
struct GeometryCase {
  const char* name;
  std::function<void()> make;
  int pressX, pressY;
  std::function<void()> check;
};

TEST_F(GeometryLimits, RecordsAtTheEndsOfIntAreDrawnPressedAndStoredClamped) {
  const GeometryCase cases[] = {
      {"a gadget at x near INT_MAX drawn", [] { CreateButton(1, INT_MAX - 3, 10, 60, 20, "B"); },
       50, 20,
       [] {
         EXPECT_EQ(G(1).x, kLimit);
         EXPECT_EQ(G(1).width, 60);
       }},
      {"a window of height INT_MAX", [] { OpenWindow(1, 10, 10, 100, INT_MAX, "W"); }, 30, 40,
       [] {
         EXPECT_EQ(WindowHeight(1), kLimit);
         EXPECT_EQ(WindowOuterHeight(1), kLimit + 2 * 2 + 20);
       }},
      {"a centred window with a huge height",
       [] { OpenWindowEx(1, 0, 0, 100, INT_MAX - 20, "W", WINDOW_CENTERED); }, 60, 60,
       [] {
         EXPECT_EQ(W(1).y, (kHeight - (kLimit + 24)) / 2);
         EXPECT_EQ(W(1).x, (kWidth - 104) / 2);
       }},
      {"a ComboBox near INT_MAX inside a window",
       [] {
         OpenWindow(1, 20, 20, 150, 100, "W");
         Frames(2);
         CreateComboBox(2, INT_MAX - 10, INT_MAX - 10, 100, 5, COMBO_EDITABLE);
         AddGadgetItem(2, -1, "Eintrag");
         SetGadgetState(2, 0);
       },
       100, 100,
       [] {
         EXPECT_EQ(G(2).x, kLimit);
         EXPECT_EQ(G(2).y, kLimit);
       }},
      {"a press on a gadget of width INT_MAX", [] { CreateButton(1, 10, 10, INT_MAX, 20, "B"); },
       150, 15, [] { EXPECT_EQ(G(1).width, kLimit); }},
      {"gadgets and windows at INT_MIN",
       [] {
         CreateButton(1, INT_MIN, INT_MIN, INT_MIN, INT_MIN, "B");
         CreateColumnList(2, INT_MIN + 1, 0, INT_MAX, INT_MAX, "T", 0);
         OpenWindowEx(3, INT_MIN, INT_MIN, INT_MIN, INT_MIN, "W", WINDOW_CENTERED);
       },
       5, 5,
       [] {
         EXPECT_EQ(G(1).x, -kLimit);
         EXPECT_EQ(G(1).height, -kLimit);
         EXPECT_EQ(G(2).height, 71427 * 14 + 14 + 4) << "the most rows that stay within the limit";
         EXPECT_EQ(W(3).x, (kWidth - (-kLimit + 4)) / 2);
       }},
      {"a title widened by a tab width near INT_MAX",
       [] {
         OpenWindow(1, 10, 10, 40, 50, "a\tb");
         SetTabWidth(INT_MAX);
       },
       5, 5,
       [] {
         EXPECT_EQ(WindowWidth(1), kLimit);
         EXPECT_EQ(WindowOuterWidth(1), kLimit + 2 * 2);
       }},
      {"resized to the ends of int",
       [] {
         CreateTree(1, 10, 10, 100, 5, 0);
         AddTreeItem(1, -1, "Wurzel", 0, 0);
         OpenWindow(2, 0, 0, 100, 100, "W");
         ResizeGadget(1, INT_MAX, INT_MIN, INT_MAX, INT_MAX);
         ResizeWindow(2, INT_MIN, INT_MAX, INT_MAX, KEEP_VALUE);
         SetScreenSize(INT_MAX, INT_MIN, -1);
       },
       20, 20,
       [] {
         EXPECT_EQ(G(1).x, kLimit);
         EXPECT_EQ(G(1).y, -kLimit);
         EXPECT_EQ(G(1).rows, 71427);
         EXPECT_EQ(W(2).x, -kLimit);
         EXPECT_EQ(WindowWidth(2), kLimit);
         EXPECT_EQ(WindowHeight(2), 100);
         EXPECT_EQ(Toolkit().ScreenWidth, kLimit);
         EXPECT_EQ(Toolkit().ScreenHeight, 0);
       }},
  };
  for (const GeometryCase& c : cases) {
    SCOPED_TRACE(c.name);
    InitToolkit();
    SetScreenSize(kWidth, kHeight, -1);
    c.make();
    Frames(3);
    Hold(c.pressX, c.pressY, 3);
    Release();
    Frames(2);
    c.check();
  }
}

TEST_F(GeometryLimits, APressOnAGadgetOfWidthIntMaxIsAClick) {
  CreateButton(1, 10, 10, INT_MAX, 20, "B");
  Frame();
  Hold(180, 15, 2);
  Release();
  EXPECT_EQ(Frame(), 1);
}

// One row: a bar, where the mouse is held (or the wheel turned), the bar's top value, and the
// value it must end on (-1: anywhere in range; a held page area stops below the thumb's end).
struct RangeCase {
  const char* name;
  std::function<void()> make;
  int x, y, wheel;
  int top, expected;
};

TEST_F(GeometryLimits, EveryWayABarsValueMovesKeepsItInRange) {
  // Scroll bars of 110 pixels at (10, 10), range 0 .. 20; forward arrow and page area at the
  // right. The top value is maximum - page + 1 with a page below 1 counting as 1.
  const auto bar = [](int page) {
    return [page] { CreateScrollBar(1, 10, 10, 110, 16, 0, 20, page, 0); };
  };
  const RangeCase cases[] = {
      {"arrow, page 0", bar(0), 115, 17, 0, 20, 20},
      {"arrow, page -9", bar(-9), 115, 17, 0, 20, 20},
      {"arrow, page 1", bar(1), 115, 17, 0, 20, 20},
      {"arrow, page 5", bar(5), 115, 17, 0, 16, 16},
      {"arrow, page beyond the range", bar(40), 115, 17, 0, 0, 0},
      {"page area, page 0", bar(0), 100, 17, 0, 20, -1},
      {"page area, page -9", bar(-9), 100, 17, 0, 20, -1},
      {"page area, page 5", bar(5), 100, 17, 0, 16, -1},
      {"wheel, page 0", bar(0), 60, 17, -50, 20, 20},
      {"wheel, page -9", bar(-9), 60, 17, -50, 20, 20},
      {"track bar page area", [] { CreateTrackBar(1, 10, 10, 110, 24, -5, 20, 0); }, 118, 20, 0, 20,
       20},
      {"spin", [] { CreateSpin(1, 10, 10, 16, 24, -3, 4, 0); }, 15, 12, 0, 4, 4},
  };
  for (const RangeCase& c : cases) {
    SCOPED_TRACE(c.name);
    InitToolkit();
    SetScreenSize(kWidth, kHeight, -1);
    c.make();
    Frame();
    if (c.wheel != 0) {
      headless::SetMouse(c.x, c.y);
      headless::AddWheel(c.wheel);
      Frame();
    } else {
      Hold(c.x, c.y, 400);
      Release();
      Frame();
    }
    const int value = GetGadgetState(1);
    EXPECT_LE(value, c.top);
    EXPECT_GE(value, c.top - 20) << "moved at all";
    if (c.expected >= 0) {
      EXPECT_EQ(value, c.expected);
    }
  }
  // The back arrow and the wheel towards the minimum stop there.
  for (const int page : {-9, 0, 5}) {
    SCOPED_TRACE(page);
    InitToolkit();
    SetScreenSize(kWidth, kHeight, -1);
    bar(page)();
    SetGadgetState(1, 20);
    Hold(13, 17, 400);
    Release();
    Frame();
    EXPECT_EQ(GetGadgetState(1), 0);
  }
}

}  // namespace
}  // namespace bevel
