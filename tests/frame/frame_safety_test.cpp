// Handlers that close windows and run frames of their own, in the middle of a frame. Run under
// AddressSanitizer in CI: a record freed while a frame still holds it is caught there.
#include <functional>
#include <string>
#include <vector>

#include "tests/support/frame_fixture.h"

namespace bevel {
namespace {

// Window 1's content starts here (border 2, title bar 20).
constexpr int kWindowX = 10, kWindowY = 10, kOx = kWindowX + 2, kOy = kWindowY + 2 + 20;

class FrameSafety : public testing::FrameFixture {
 protected:
  static void OpenLive(int number, std::string_view title) {
    ASSERT_EQ(OpenWindowEx(number, kWindowX, kWindowY, 150, 100, title, 0), number);
  }
};

// One row: gadgets made in window 1, a click into its content, a key typed after it, and the
// event kind whose first notification closes window 1 from inside the handler.
struct CloseCase {
  const char* name;
  std::function<void()> create;
  int x, y;
  int key;
  int kind;
};

TEST_F(FrameSafety, AHandlerMayCloseItsOwnWindowAtEveryStep) {
  const CloseCase cases[] = {
      {"button press", [] { CreateButton(11, 5, 5, 60, 20, "A"); }, 10, 10, 0, EVENT_PRESS},
      {"button held elsewhere",
       [] {
         CreateButton(11, 5, 5, 60, 20, "A");
         CreateButton(12, 5, 40, 60, 20, "B");
       },
       10, 45, 0, EVENT_HELD_ELSEWHERE},
      {"button click", [] { CreateButton(11, 5, 5, 60, 20, "A"); }, 10, 10, 0, EVENT_CLICK},
      {"check box click", [] { CreateCheckBox(11, 5, 5, 60, 20, "A"); }, 10, 10, 0, EVENT_CLICK},
      {"spin step", [] { CreateSpin(11, 5, 5, 16, 24, 0, 9); }, 8, 8, 0, EVENT_STEP},
      {"link hover", [] { CreateHyperLink(11, 5, 5, 60, 14, "Link", 0xFF); }, 10, 8, 0,
       EVENT_HOVER},
      {"list select",
       [] {
         CreateColumnList(11, 5, 5, 100, 4, "T", 0);
         for (int i = 0; i < 6; ++i) AddGadgetItem(11, -1, "row");
       },
       20, 5 + 14 + 5, 0, EVENT_SELECT},
      {"list click",
       [] {
         CreateColumnList(11, 5, 5, 100, 4, "T", 0);
         AddGadgetItem(11, -1, "row");
       },
       20, 5 + 14 + 5, 0, EVENT_CLICK},
      {"list scroll arrow",
       [] {
         CreateColumnList(11, 5, 5, 100, 4, "T", 0);
         for (int i = 0; i < 9; ++i) AddGadgetItem(11, -1, "row");
       },
       100 - 9, 5 + 4 * 14 + 18 - 8, 0, EVENT_STEP},
      {"tree expander",
       [] {
         CreateTree(11, 5, 5, 100, 4, 0);
         AddTreeItem(11, -1, "root", 0, 0);
         AddTreeItem(11, -1, "leaf", 0, 1);
       },
       5 + 17 - 6, 5 + 2 + 6, 0, EVENT_EXPAND},
      {"combo drop press", [] { CreateComboBox(11, 5, 5, 80, 3, 0); }, 80, 10, 0, EVENT_DROP_PRESS},
      {"combo opening", [] { CreateComboBox(11, 5, 5, 80, 3, 0); }, 80, 10, 0, EVENT_DROP_OPEN},
      {"scroll bar arrow", [] { CreateScrollBar(11, 5, 5, 100, 16, 0, 50, 5, 0); }, 100, 10, 0,
       EVENT_STEP},
      {"track bar page", [] { CreateTrackBar(11, 5, 5, 100, 24, 0, 10, 0); }, 90, 15, 0,
       EVENT_STEP},
      {"string focus", [] { CreateString(11, 5, 5, 80, 20, "abc", -1, 0); }, 20, 10, 0,
       EVENT_FOCUS},
      {"string key", [] { CreateString(11, 5, 5, 80, 20, "abc", -1, 0); }, 20, 10, KEY_A,
       EVENT_KEY},
      {"tab away",
       [] {
         CreateString(11, 5, 5, 80, 20, "abc", -1, 0);
         CreateString(12, 5, 40, 80, 20, "def", -1, 0);
       },
       20, 10, KEY_TAB, EVENT_FOCUS_LOST},
      {"date part", [] { CreateDate(11, 5, 5, 100, 20); }, 20, 10, 0, EVENT_FOCUS},
  };
  for (const CloseCase& c : cases) {
    TearDown();
    SetUp();
    OpenLive(1, "W");
    c.create();
    Frames(2);
    int closedBy = 0, askedAfter = 0, handle11After = -1;
    Gadget* handle11 = GadgetRecord(11);
    SetEventCallback([&](Gadget* gadget, int kind, std::intptr_t) {
      if (WindowExists(1) == 0) {
        // Nothing closed is asked again.
        if (RecordNumber(gadget) == 0) ++askedAfter;
        return 1;
      }
      if (kind == c.kind && RecordNumber(gadget) != 0) {
        closedBy = kind;
        CloseWindow(1);
        handle11After = RecordNumber(handle11);
      }
      return 1;
    });
    headless::SetMouse(kOx + c.x, kOy + c.y);
    Frames(2);
    headless::SetButton(1, true);
    Frames(2);
    headless::SetButton(1, false);
    Frames(2);
    if (c.key != 0) {
      headless::SetKey(c.key, true);
      Frames(2);
      headless::SetKey(c.key, false);
    }
    Frames(3);
    EXPECT_EQ(closedBy, c.kind) << c.name << ": the closing kind never came";
    EXPECT_EQ(WindowExists(1), 0) << c.name;
    EXPECT_EQ(GadgetExists(11) + GadgetExists(12), 0) << c.name;
    EXPECT_EQ(handle11After, 0) << c.name << ": a closed gadget's handle names nothing at once";
    EXPECT_EQ(askedAfter, 0) << c.name << ": a closed gadget was asked again";
    EXPECT_EQ(CurrentGadgetListOwner(), 0) << c.name << ": activity went back to the screen";
  }
}

// A handler that runs a requester-like loop of its own while the outer mouse button stays held:
// 30 frames of a second window, in which a click on that window's button opens a third window,
// fills it and closes it again from an inner handler. Afterwards the outer frame goes on: its
// button is pressed and drawn sunken, and reports its click on release.
TEST_F(FrameSafety, AHandlerRunsFramesOfItsOwnWhileTheButtonIsHeld) {
  OpenLive(1, "Outer");
  CreateButton(11, 5, 5, 60, 20, "A");
  Frames(2);
  int nestedEvents = 0, innerClicks = 0;
  bool looped = false;
  SetEventCallback([&](Gadget* gadget, int kind, std::intptr_t) {
    const int number = RecordNumber(gadget);
    if (number == 21 && kind == EVENT_CLICK) {
      ++innerClicks;
      OpenWindow(3, 0, 0, 80, 60, "Third");
      for (int n = 31; n <= 35; ++n) CreateButton(n, 0, (n - 31) * 10, 40, 10, "x");
      CloseWindow(3);
    }
    if (number != 11 || kind != EVENT_PRESS || looped) return 1;
    looped = true;
    OpenWindowEx(2, 20, 20, 120, 80, "Nested", 0);
    CreateButton(21, 5, 5, 60, 20, "Inner");
    for (int frame = 0; frame < 30; ++frame) {
      // The outer press is let go after a few frames, then the inner button is clicked.
      if (frame == 4) headless::SetButton(1, false);
      if (frame == 6) headless::SetMouse(20 + 2 + 10, 20 + 2 + 20 + 10);
      if (frame == 8) headless::SetButton(1, true);
      if (frame == 10) headless::SetButton(1, false);
      nestedEvents += Frame() == 21 ? 1 : 0;
    }
    CloseWindow(2);
    headless::SetMouse(kOx + 10, kOy + 10);
    headless::SetButton(1, true);
    return 1;
  });

  headless::SetMouse(kOx + 10, kOy + 10);
  headless::SetButton(1, true);
  ClearScreen(0x808080);
  EXPECT_EQ(GadgetEvent(), 0);
  EXPECT_TRUE(looped);
  EXPECT_EQ(nestedEvents, 1) << "the inner button reported its click in its own frame";
  EXPECT_EQ(innerClicks, 1);
  EXPECT_EQ(WindowExists(2) + WindowExists(3), 0);
  EXPECT_EQ(GadgetExists(21) + GadgetExists(31), 0);
  EXPECT_EQ(CurrentGadgetListOwner(), 1) << "the outer window is live again";
  // The outer frame drew its window and its pressed button after the nested frames ended.
  EXPECT_EQ(At(kOx + 5, kOy + 5), 0x404040) << "button 11 drawn sunken";
  EXPECT_EQ(At(kWindowX + 5, kWindowY + 8), 0x800000) << "the outer title bar is drawn again";
  ShowFrame();
  headless::SetButton(1, false);
  EXPECT_EQ(Frame(), 11) << "the outer press completes";
  EXPECT_EQ(Toolkit().FrameDepth, 0);
  EXPECT_FALSE(Toolkit().GadgetList.HasRetired()) << "closed records freed after the frame";
}

// A handle outlives its record: commands given it answer 0 even when the record's memory and
// number were taken over by a new record.
TEST_F(FrameSafety, StaleHandlesNameNothing) {
  OpenLive(1, "W");
  CreateMenu(1);
  MenuEntry* entry = AddMenuItem(7, "alt");
  Shortcut* shortcut = AddShortcut(1, KEY_F1, 9);
  CreateColumnList(11, 0, 0, 100, 3, "T", 0);
  AddGadgetItem(11, -1, "alt");
  Gadget* handle = GadgetRecord(11);
  ASSERT_NE(entry, nullptr);
  ASSERT_NE(shortcut, nullptr);
  ASSERT_EQ(RecordNumber(handle), 11);
  CloseWindow(1);

  // New records, of the same sizes and numbers, made right after the old ones were freed.
  OpenLive(1, "W");
  CreateMenu(1);
  MenuEntry* fresh = AddMenuItem(7, "neu");
  CreateColumnList(11, 0, 0, 100, 3, "T", 0);
  AddGadgetItem(11, -1, "neu");
  SetGadgetState(11, 0);

  EXPECT_EQ(DisableMenuEntry(entry, 1), 0);
  EXPECT_EQ(SetMenuItemText(entry, "x"), 0);
  EXPECT_EQ(SetMenuItemState(entry, 1), 0);
  EXPECT_EQ(SetMenuItemText(fresh, "neu!"), 1) << "the new entry is untouched and answers";
  EXPECT_EQ(RecordNumber(handle), 0);
  EXPECT_EQ(RecordState(handle), 0);
  EXPECT_EQ(RecordItemText(handle, 0), "");
  EXPECT_EQ(ClickedColumn(handle), 0);
  EXPECT_EQ(RecordItemText(GadgetRecord(11), 0), "neu");
  EXPECT_NE(GadgetRecord(11), handle) << "a new record gets a new handle";
}

// A requester closes its window and opens the next one under the same number within one frame
// of the host: the number serves again at once, and only the new window's gadgets are live.
TEST_F(FrameSafety, NumbersClosedMidFrameServeAgainAtOnce) {
  OpenLive(1, "W");
  CreateButton(11, 5, 5, 60, 20, "A");
  Frames(2);
  Gadget* old = nullptr;
  SetEventCallback([&](Gadget* gadget, int kind, std::intptr_t) {
    if (RecordNumber(gadget) != 11 || kind != EVENT_CLICK) return 1;
    EXPECT_EQ(OpenWindowEx(-1, 0, 0, 80, 40, "R", WINDOW_INTERNAL), -1);
    EXPECT_EQ(CreateButton(-1, 0, 0, 40, 20, "Alt", GADGET_INTERNAL), -1);
    old = GadgetRecord(-1);
    CloseWindow(-1);
    EXPECT_EQ(OpenWindowEx(-1, 0, 0, 80, 40, "R", WINDOW_INTERNAL), -1);
    EXPECT_EQ(CreateButton(-1, 0, 0, 40, 20, "Neu", GADGET_INTERNAL), -1);
    return 1;
  });
  Click(kOx + 10, kOy + 10);
  ASSERT_NE(old, nullptr);
  EXPECT_EQ(WindowExists(-1), 1);
  EXPECT_EQ(GetGadgetText(-1), "Neu");
  EXPECT_EQ(RecordNumber(old), 0);
  Frames(3);
  EXPECT_EQ(CurrentGadgetListOwner(), -1) << "the new window activates";
}

// A double click on a list whose handler runs frames of its own: the activation belongs to the
// frame that saw the double click, and the nested frames do not clear it.
TEST_F(FrameSafety, NestedFramesKeepTheOuterFramesActivation) {
  CreateColumnList(11, 10, 10, 120, 4, "T", 0);
  for (int i = 0; i < 4; ++i) AddGadgetItem(11, -1, "row");
  Frames(2);
  int selects = 0, nested = 0;
  SetEventCallback([&](Gadget* gadget, int kind, std::intptr_t) {
    if (RecordNumber(gadget) != 11 || kind != EVENT_SELECT || ++selects != 2) return 1;
    for (; nested < 5; ++nested) Frame();
    return 1;
  });
  const int rowY = 10 + 14 + 2 + 5;
  Click(40, rowY);
  Press(40, rowY);  // the second press at the same pixel: a double click
  EXPECT_EQ(Frame(), 11);
  EXPECT_EQ(GadgetActivated(11), 1) << "the frame of the double click";
  EXPECT_EQ(nested, 5);
  Release();
  Frame();
  EXPECT_EQ(GadgetActivated(11), 0) << "only in its frame";
}

}  // namespace
}  // namespace bevel
