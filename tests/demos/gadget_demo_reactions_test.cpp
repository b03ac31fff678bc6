// gadget-demo's reactions, frame by frame on the headless device: a person clicks through the
// demo's own frame loop (its requesters included), and the gadgets, windows and requester
// answers are checked afterwards. What the tour already checks (its pictures, its requesters'
// answers, Ctrl+B) is not repeated here.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "demos/gadget-demo/gadget_demo.h"
#include "tests/support/requester_person.h"

namespace bevel::testing {
namespace {

namespace gd = gadget_demo;
using gd::Frame;

// The screen's gadgets lie 18 pixels below their creation y, under the menu bar; the point is
// off the screen (x < 0) while a window is active. dx, dy: the point in the gadget, -1 its middle.
Where OnScreen(int number, int dx = -1, int dy = -1) {
  return [=] {
    const Gadget* g = detail::FindGadget(number);
    if (g == nullptr || Toolkit().ActiveWindow != 0 || Toolkit().PendingWindow != 0) {
      return std::pair(-1, -1);
    }
    return std::pair(g->x + (dx < 0 ? g->width / 2 : dx),
                     18 + g->y + (dy < 0 ? g->height / 2 : dy));
  };
}
// A row of list 104 scrolled to the top (below its 14-pixel header), at x in the list.
Where ListRow(int row, int x) {
  return OnScreen(gd::kList, x, 16 + 14 * row + 7);
}

Script RightClickAt(Where where) {
  return Script{ClickAt(where)[0]} + Then([] { headless::SetButton(2, true); }) +
         Then([] { headless::SetButton(2, false); });
}

bool Disabled(int number) {
  return detail::FindGadget(number)->disabled != 0;
}
int ItemState(int number, int index) {
  return detail::FindGadget(number)->items[static_cast<std::size_t>(index)].itemState;
}

class GadgetDemoReactions : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::current_path(BEVEL_GADGET_DEMO_DIR);  // where its pictures are
    headless::Reset();
    headless::Use();
    gd::InitDemo();
    ASSERT_TRUE(OpenScreen(800, 600, 32, "TestQuillon"));
    headless::SetFrameAdvance(20);
    gd::BuildDemo();
    gd::SetDemoLog([this](const std::string& line) { log.push_back(line); });
  }
  void TearDown() override {
    gd::SetDemoLog({});
    CloseScreen();
  }

  // Runs the demo's frames while the person plays the script; how the last frame left the demo.
  Frame Play(const Script& script) {
    bool done = false;
    Person person(script + Then([&done] { done = true; }));
    Frame end = Frame::kGoOn;
    for (int i = 0; i < 3000 && !done && end == Frame::kGoOn; ++i) end = gd::DemoFrame();
    EXPECT_TRUE(done || end != Frame::kGoOn) << "the script did not finish";
    return end;
  }

  std::vector<std::string> log;
};

TEST_F(GadgetDemoReactions, PlayAndStopTakeTurnsAndStopRenamesPlay) {
  Play(ClickAt(OnScreen(gd::kPlay)));
  EXPECT_TRUE(Disabled(gd::kPlay));
  EXPECT_FALSE(Disabled(gd::kStop));
  EXPECT_EQ(ItemState(gd::kList, 4) & 0x2, 0x2);  // item 4 ticked
  Play(ClickAt(OnScreen(gd::kStop)));
  EXPECT_FALSE(Disabled(gd::kPlay));
  EXPECT_TRUE(Disabled(gd::kStop));
  EXPECT_EQ(GetGadgetText(gd::kPlay), "Haha");
}

TEST_F(GadgetDemoReactions, ListClicksWriteIntoTheTextField) {
  struct Case {
    const char* what;
    Script script;
    std::string text;
  };
  const Case cases[] = {
      {"a click selects", ClickAt(ListRow(2, 60)), "2"},
      {"the second header", ClickAt(OnScreen(gd::kList, 170, 7)), "Wird sortiert nach Spalte 2"},
      {"a right click in the second column", RightClickAt(ListRow(4, 170)), "Item 5"},
      {"a right click in the first column", RightClickAt(ListRow(4, 60)), "Music Song n\xB0 4"},
      {"Select copies the selected item", ClickAt(ListRow(3, 60)) + ClickAt(OnScreen(gd::kSelect)),
       "Music Song n\xB0 3\nItem 4"},
  };
  for (const Case& c : cases) {
    Play(c.script);
    EXPECT_EQ(GetGadgetText(gd::kText), c.text) << c.what;
  }
  // Add appends, Remove takes the selected item (3) out.
  Play(ClickAt(OnScreen(gd::kAdd)) + ClickAt(OnScreen(gd::kRemove)));
  ASSERT_EQ(CountGadgetItems(gd::kList), 22);
  EXPECT_EQ(GetItemText(gd::kList, 3), "Music Song n\xB0 4\nItem 5");
  EXPECT_EQ(GetItemText(gd::kList, 21), "New Item Added...");
}

TEST_F(GadgetDemoReactions, ArtificialOptionsActAsOneGroupThatStaysOn) {
  const int second = gd::kArtificialOption1 + 1;
  Play(ClickAt(OnScreen(second)));
  EXPECT_EQ(GetGadgetState(gd::kArtificialOption1), 0);
  EXPECT_EQ(GetGadgetState(second), 1);
  Play(ClickAt(OnScreen(second)));  // pressing the "on" button is vetoed
  EXPECT_EQ(GetGadgetState(second), 1);
  Play(ClickAt(OnScreen(gd::kArtificialOption3)));
  EXPECT_EQ(GetGadgetState(second), 0);
  EXPECT_EQ(GetGadgetState(gd::kArtificialOption3), 1);
}

TEST_F(GadgetDemoReactions, BarsCountUpThenFollowTheSpin) {
  Play(Frames(10));
  EXPECT_EQ(GetGadgetState(gd::kProgress), 11);
  EXPECT_EQ(GetGadgetState(gd::kSpin), 11);
  Play(Frames(200));
  EXPECT_EQ(GetGadgetState(gd::kProgress), 145);
  // The spin's lower arrow counts down, and the progress bar follows.
  Play(ClickAt(OnScreen(gd::kSpin, 7, 15)));
  EXPECT_EQ(GetGadgetState(gd::kSpin), 144);
  EXPECT_EQ(GetGadgetState(gd::kProgress), 144);
  // The scroll bar's value shows in the text field.
  Play(ClickAt(OnScreen(gd::kScrollBar, 10, 193)));
  EXPECT_EQ(GetGadgetText(gd::kText), "2");
}

TEST_F(GadgetDemoReactions, KnotenExpandsEveryNodeThenCollapsesThem) {
  auto expanded = [] {
    int n = 0;
    for (int i = 0; i < CountGadgetItems(gd::kTree); ++i) n += (ItemState(gd::kTree, i) & 0x4) != 0;
    return n;
  };
  ASSERT_EQ(expanded(), 0);
  Play(ClickAt(OnScreen(gd::kKnoten)));
  EXPECT_EQ(expanded(), 5);  // Hallo 1, 18, 2, 15 and 4 have children
  Play(ClickAt(OnScreen(gd::kKnoten)));
  EXPECT_EQ(expanded(), 0);
}

TEST_F(GadgetDemoReactions, WindowOneShowsWindowTwoAndEitherClosesWindowOne) {
  auto active = [] { return Toolkit().ActiveWindow; };
  const Script openBoth = ClickAt(OnScreen(gd::kWindow1Button)) + WaitFor(gd::kWindow1) +
                          Click(gd::kWindow1ShowWindow2) + WaitFor(gd::kWindow2);
  // OK hides window 2, window 1 takes over, and its link closes it.
  Play(openBoth + Click(gd::kWindow2Ok) + WaitFor(gd::kWindow1) + Click(gd::kWindow1Link) +
       Frames(2));
  EXPECT_EQ(WindowExists(gd::kWindow1), 0);
  EXPECT_EQ(active(), 0);
  // "Close Window 1" leaves window 2 in front until its OK.
  Play(openBoth + Click(gd::kWindow2CloseWindow1) + Frames(2));
  EXPECT_EQ(WindowExists(gd::kWindow1), 0);
  EXPECT_EQ(active(), gd::kWindow2);
  Play(Click(gd::kWindow2Ok) + Frames(2));
  EXPECT_EQ(active(), 0);
  // Window 1's close button, at the right end of its title bar.
  Play(ClickAt(OnScreen(gd::kWindow1Button)) + WaitFor(gd::kWindow1) +
       ClickAt([] { return std::pair(461, 341); }) + Frames(2));
  EXPECT_EQ(WindowExists(gd::kWindow1), 0);
  EXPECT_EQ(active(), 0);
}

TEST_F(GadgetDemoReactions, ComplexMessageAddsNeuAndItsOkNeedsASelection) {
  Play(ClickAt(OnScreen(gd::kComplexMessage)) + Click(-2) + Click(-2) + Click(-1) + Then([] {
         EXPECT_EQ(WindowExists(-1), 1);  // OK without a selection
         EXPECT_EQ(CountGadgetItems(gd::kRequesterList), 7);
         EXPECT_EQ(GetItemText(gd::kRequesterList, 6), "neu");
         SetGadgetState(gd::kRequesterList, 1);
       }) +
       Click(-1));
  EXPECT_EQ(log, std::vector<std::string>{"requester 132 1"});
}

TEST_F(GadgetDemoReactions, ACancelledColourRequesterChangesNothing) {
  const int face = Toolkit().GadgetScheme[static_cast<std::size_t>(SlotIndex(COLOR_FACE))];
  Play(ClickAt(OnScreen(gd::kColor)) + Keys({KEY_ESCAPE}));
  EXPECT_EQ(log, std::vector<std::string>{"requester 124 -1"});
  EXPECT_EQ(GetGadgetText(gd::kColor), "Color");
  EXPECT_EQ(Toolkit().GadgetScheme[static_cast<std::size_t>(SlotIndex(COLOR_FACE))], face);
}

TEST_F(GadgetDemoReactions, BeendenThePictureButtonAndClosingEndTheDemo) {
  // "Beenden" is the fourth entry of "Titel": a press on the title opens it.
  EXPECT_EQ(Play(ClickAt([] { return std::pair(20, 9); }) +
                 ClickAt([] { return std::pair(60, 81); }) + Frames(2)),
            Frame::kQuitMenu);
  EXPECT_EQ(Play(ClickAt(OnScreen(gd::kQuitButton)) + Click(-1) + Frames(2)), Frame::kQuitButton);
  EXPECT_EQ(log, std::vector<std::string>{"requester 108 1"});
  EXPECT_EQ(Play(Then([] { headless::RequestClose(); }) + Frames(2)), Frame::kClosed);
}

}  // namespace
}  // namespace bevel::testing
