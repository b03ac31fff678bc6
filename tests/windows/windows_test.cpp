// Screen windows on an 800 x 600 headless screen, driven frame by frame through the window
// steps in the order the event function calls them.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <string>
#include <vector>

#include "services/headless.h"
#include "services/services.h"
#include "toolkit/model/toolkit_state.h"
#include "toolkit/render/draw_helpers.h"
#include "toolkit/toolkit.h"
#include "toolkit/windows/windows.h"

namespace bevel {
namespace {

constexpr int kScene = 0x123456;
constexpr int kNavy = 0x800000;  // active title bar
constexpr int kGrey = 0x808080;  // inactive title bar, disabled glyph
constexpr int kFace = 0xC0C0C0;
constexpr int kLightEdge = 0xF0F0F0;  // outer light edge of a bevel on the face
constexpr int kDarkEdge = 0x404040;   // outer dark edge of a bevel on the face
constexpr int kClose = detail::TITLE_CLOSE, kMax = detail::TITLE_MAXIMIZE,
              kMin = detail::TITLE_MINIMIZE;

// One frame of mouse input: position, left button, and whether the press is the second of a
// double click (ClickCounter >= 2).
struct Step {
  int x, y;
  bool left;
  bool doubleClick = false;
};

class Windows : public ::testing::Test {
 protected:
  void SetUp() override {
    headless::Reset();
    headless::Use();
    ASSERT_NE(OpenScreen(800, 600, 32, "windows"), 0);
    InitToolkit();
    SetScreenSize(800, 600, -1);
  }
  void TearDown() override {
    EndDrawing();
    CloseScreen();
  }

  // One frame: the host clears to `scene`, then the window steps run as in the event function.
  void Frame(int scene = kScene, bool doubleClick = false) {
    ClearScreen(scene);
    PollKeyboard();
    PollMouse();
    detail::BeginWindowFrame();
    ASSERT_NE(BeginDrawing(BackBufferTarget()), 0);
    detail::DrawActiveWindow();
    EndDrawing();
    detail::EndWindowFrame();
    const bool left = MouseButton(1) != 0;
    detail::HandleTitleBar(MouseX(), MouseY(), left, left ? (doubleClick ? 32767 : 1) : 0);
    ShowFrame();
  }
  void Frames(int n) {
    for (int i = 0; i < n; ++i) Frame();
  }
  // One frame per step; the window events seen.
  std::vector<int> Run(std::initializer_list<Step> steps) {
    std::vector<int> events;
    for (const Step& s : steps) {
      headless::SetMouse(s.x, s.y);
      headless::SetButton(1, s.left);
      Frame(kScene, s.doubleClick);
      events.push_back(WindowEvent());
    }
    return events;
  }
  static ScreenWindow& Rec(int n) { return *Toolkit().WindowList.Find(n); }
  static int At(int x, int y) { return headless::Pixel(x, y); }
  static detail::ScreenRect Button(int n, int button) {
    return detail::TitleButtonRect(Rec(n), button);
  }
  static int CentreX(int n, int button) { return Button(n, button).x + 8; }
  static int CentreY(int n, int button) { return Button(n, button).y + 7; }
  static int TitleWidth(const std::string& title) {
    EXPECT_NE(BeginDrawing(BackBufferTarget()), 0);
    SetDrawFont(Toolkit().WindowScheme[SlotIndex(COLOR_FONT)]);
    const int w = RichTextWidth(title);
    EndDrawing();
    return w;
  }
};

using Events = std::vector<int>;

// [SECTION] Activation and backdrops

TEST_F(Windows, ActivationTakesAFrameAndTheBackdropShowsTheOwnerInactive) {
  ToolkitState& g = Toolkit();
  Frame(0x111111);  // no window: the screen is grabbed
  ASSERT_EQ(OpenWindow(1, 100, 100, 200, 100, "A"), 1);
  EXPECT_EQ(CurrentGadgetListOwner(), 1);
  Frame(0x222222);
  EXPECT_EQ(g.ActiveWindow, 0) << "pending frame";
  EXPECT_EQ(At(10, 10), 0x111111) << "the pending frame starts from the last grabbed screen";
  Frame(0x333333);
  EXPECT_EQ(g.ActiveWindow, 1);
  EXPECT_EQ(At(10, 10), 0x111111) << "the host's scene is frozen behind the window";
  EXPECT_EQ(At(290, 110), kNavy);

  ASSERT_EQ(OpenWindow(2, 400, 300, 150, 80, "B"), 2);
  Frame();
  EXPECT_EQ(g.ActiveWindow, 1) << "A stays active for one frame";
  EXPECT_EQ(At(290, 110), kGrey) << "but already draws its inactive title colours";
  Frame();
  EXPECT_EQ(g.ActiveWindow, 2);
  EXPECT_EQ(At(290, 110), kGrey) << "B's backdrop shows A inactive";
  EXPECT_EQ(At(540, 310), kNavy);

  // Hidden: A takes over at once; shown again: B is back on top two frames later.
  EXPECT_EQ(HideWindow(2, 1), 1);
  EXPECT_EQ(g.ActiveWindow, 1);
  Frame();
  EXPECT_EQ(At(540, 310), 0x111111) << "a hidden window is not drawn";
  EXPECT_EQ(HideWindow(2, 0), 1);
  Frames(2);
  EXPECT_EQ(g.ActiveWindow, 2);
  EXPECT_EQ(At(290, 110), kGrey);

  EXPECT_EQ(CloseWindow(2), 1);
  EXPECT_EQ(g.ActiveWindow, 1) << "closing hands over in the same call";
  EXPECT_EQ(g.PendingWindow, 0);
  Frame();
  EXPECT_EQ(At(290, 110), kNavy);
}

// A frame once captured the whole screen size the host set, 1 GB of black for 16384 x 16384.
TEST_F(Windows, AScreenSizeBeyondTheBackBufferFreezesOnlyTheBackBuffer) {
  for (const int side : {16384, 20000, COORDINATE_LIMIT}) {
    SCOPED_TRACE(side);
    InitToolkit();
    SetScreenSize(side, side, -1);
    ASSERT_EQ(OpenWindow(1, 100, 100, 200, 100, "A"), 1);
    Frames(3);
    for (const int sprite : {Rec(1).backdrop, Rec(1).snapshot}) {
      EXPECT_EQ(SpriteWidth(sprite), 800);
      EXPECT_EQ(SpriteHeight(sprite), 600);
    }
    EXPECT_EQ(At(10, 10), kScene) << "the scene stays frozen behind the window";
  }
}

TEST_F(Windows, WindowsOpenedBetweenTwoFramesStackInsteadOfGettingLost) {
  ToolkitState& g = Toolkit();
  Frame(0x111111);
  OpenWindow(1, 100, 100, 200, 100, "A");
  OpenWindow(2, 150, 150, 200, 100, "B");
  Frames(2);
  EXPECT_EQ(g.ActiveWindow, 2);
  CloseWindow(2);
  EXPECT_EQ(g.ActiveWindow, 1);
  Frame(0x999999);
  EXPECT_EQ(At(10, 10), 0x111111) << "A takes its backdrop on its first active frame";
  EXPECT_EQ(At(290, 110), kNavy);

  // The upper one goes before it ever activated: the lower one gets its turn back.
  OpenWindow(3, 100, 100, 50, 50, "C");
  OpenWindow(4, 100, 100, 50, 50, "D");
  CloseWindow(4);
  EXPECT_EQ(g.PendingWindow, 3);
  Frames(2);
  EXPECT_EQ(g.ActiveWindow, 3);

  // Hiding the active window does not cancel another window's activation.
  OpenWindow(5, 100, 100, 50, 50, "E");
  HideWindow(3, 1);
  EXPECT_EQ(Rec(5).owner, 1);
  Frames(2);
  EXPECT_EQ(g.ActiveWindow, 5);
}

// Three stacked windows closed or hidden in every order: no record points at a missing
// window or sprite, and every sprite of a window that is gone is released.
TEST_F(Windows, ClosingAndHidingInAnyOrderLeavesNothingDangling) {
  ToolkitState& g = Toolkit();
  std::set<int> everySprite;
  auto check = [&](const std::string& where) {
    SCOPED_TRACE(where);
    auto shown = [&](int n) { return n == 0 || (WindowExists(n) && !Rec(n).hidden); };
    EXPECT_TRUE(shown(g.ActiveWindow));
    EXPECT_TRUE(shown(g.PendingWindow));
    for (const ScreenWindow& w : g.WindowList) {
      EXPECT_TRUE(w.hidden || shown(w.owner)) << "owner of " << w.number;
      for (const int sprite : {w.backdrop, w.snapshot}) {
        if (sprite == 0) continue;
        EXPECT_TRUE(SpriteExists(sprite)) << "window " << w.number;
        everySprite.insert(sprite);
      }
    }
    EXPECT_TRUE(g.ActiveWindow == 0 || SpriteExists(Rec(g.ActiveWindow).backdrop));
  };
  std::array<int, 3> order{1, 2, 3};
  do {
    for (int hideMask = 0; hideMask < 8; ++hideMask) {
      for (int n = 1; n <= 3; ++n) {
        OpenWindow(n, 50 * n, 40 * n, 200, 100, "W");
        Frames(2);
      }
      for (const int n : order) {
        const std::string where =
            "order " + std::to_string(order[0] * 100 + order[1] * 10 + order[2]) + " hide mask " +
            std::to_string(hideMask) + " at " + std::to_string(n);
        const int backdrop = Rec(n).backdrop, snapshot = Rec(n).snapshot;
        EXPECT_EQ((hideMask >> (n - 1)) & 1 ? HideWindow(n, 1) : CloseWindow(n), 1);
        EXPECT_FALSE(SpriteExists(backdrop) || SpriteExists(snapshot)) << where;
        check(where);
        Frames(2);
        check(where + ", two frames on");
      }
      EXPECT_EQ(g.ActiveWindow, 0);
      for (int n = 1; n <= 3; ++n) CloseWindow(n);
    }
  } while (std::next_permutation(order.begin(), order.end()));
  everySprite.erase(g.ScreenSnapshot);
  ASSERT_FALSE(everySprite.empty());
  for (const int sprite : everySprite) EXPECT_FALSE(SpriteExists(sprite)) << sprite;
}

// [SECTION] Commands

TEST_F(Windows, NumbersAndMissingWindows) {
  EXPECT_EQ(OpenWindow(0, 0, 0, 10, 10, ""), 0);
  EXPECT_EQ(OpenWindow(-3, 0, 0, 10, 10, ""), 0);
  EXPECT_EQ(OpenWindow(7, 0, 0, 10, 10, ""), 7);
  EXPECT_EQ(OpenWindow(7, 0, 0, 10, 10, ""), 0) << "number in use";
  EXPECT_EQ(OpenWindowEx(-5, 0, 0, 10, 10, "", WINDOW_INTERNAL), -5);
  const int a = OpenWindowEx(ANY_NUMBER, 0, 0, 31, 32, "", 0);
  const int b = OpenWindowEx(ANY_NUMBER, 0, 0, 41, 42, "", 0);
  EXPECT_TRUE(a != 0 && a != ANY_NUMBER && a != b);
  EXPECT_EQ(WindowHeight(a), 32);
  EXPECT_EQ(WindowWidth(b), 41);
  for (const int n : {7, -5, a, b}) EXPECT_EQ(CloseWindow(n), 1);

  // Window 0 is allowed internally, but the screen's gadgets are not its to delete.
  ASSERT_NE(CreateButton(50, 0, 0, 10, 10, "screen"), 0);
  OpenWindow(1, 0, 0, 10, 10, "");
  EXPECT_EQ(OpenWindowEx(0, 0, 0, 10, 10, "", WINDOW_INTERNAL), 1);
  EXPECT_EQ(Toolkit().PendingWindow, 1) << "0 means none: the pending window stays";
  EXPECT_EQ(CloseWindow(0), 1);
  EXPECT_EQ(GadgetExists(50), 1);
  EXPECT_EQ(Toolkit().ActiveWindow, 0);
  CloseWindow(1);

  EXPECT_EQ(CloseWindow(99) + HideWindow(99, 1) + WindowWidth(99) + WindowHeight(99) +
                WindowOuterWidth(99) + WindowOuterHeight(99) + ResizeWindow(99, 1, 1, 1, 1) +
                SetWindowColor(99, COLOR_FACE, 0) + WindowExists(99) + WindowEvent(),
            0);
}

TEST_F(Windows, CentringOuterSizeAndContentOrigin) {
  struct Case {
    int flags, x, y, outerW, outerH, contentY;
  };
  const Case cases[] = {
      {0, 348, 253, 104, 94, 275},
      {WINDOW_NO_BORDER, 350, 255, 100, 90, 275},
      {WINDOW_NO_TITLE_BAR, 348, 263, 104, 74, 265},
      {WINDOW_NO_BORDER | WINDOW_NO_TITLE_BAR, 350, 265, 100, 70, 265},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.flags);
    ASSERT_EQ(OpenWindowEx(1, 5, 5, 100, 70, "T", c.flags | WINDOW_CENTERED), 1);
    EXPECT_EQ(Rec(1).x, c.x);
    EXPECT_EQ(Rec(1).y, c.y);
    EXPECT_EQ(WindowOuterWidth(1), c.outerW);
    EXPECT_EQ(WindowOuterHeight(1), c.outerH);
    int x = 0, y = 0;
    detail::ContentOrigin(Rec(1), true, x, y);
    EXPECT_EQ(x, 350);
    EXPECT_EQ(y, c.contentY + 18);
    CloseWindow(1);
  }
  OpenWindow(1, 100, 100, 200, 100, "A");
  EXPECT_EQ(ResizeWindow(1, KEEP_VALUE, 40, KEEP_VALUE, 33), 1);
  EXPECT_EQ(Rec(1).x, 100);
  EXPECT_EQ(Rec(1).y, 40);
  EXPECT_EQ(WindowWidth(1), 200);
  EXPECT_EQ(WindowHeight(1), 33);
}

TEST_F(Windows, ClosingDeletesTheWindowsGadgetsMenusShortcutsAndHandlers) {
  ToolkitState& g = Toolkit();
  ASSERT_NE(CreateButton(10, 0, 0, 10, 10, "screen"), 0);
  OpenWindow(1, 100, 100, 200, 100, "A");
  ASSERT_NE(CreateButton(11, 0, 0, 10, 10, "a1") * CreateButton(12, 0, 20, 10, 10, "a2"), 0);
  Frames(2);
  OpenWindow(2, 100, 100, 200, 100, "B");
  ASSERT_NE(CreateButton(20, 0, 0, 10, 10, "b1") * CreateButton(21, 0, 20, 10, 10, "b2"), 0);
  Frames(2);
  // Window 1's menu and shortcut, and window 2's; plus a shortcut of every window.
  Toolkit().PendingWindow = 1;
  ASSERT_EQ(CreateMenu(1), 1);
  MenuEntry* entryA = AddMenuTitle("A");
  ASSERT_NE(AddShortcut(1, 48, 1), nullptr);
  Toolkit().PendingWindow = 2;
  ASSERT_EQ(CreateMenu(2), 2);
  AddMenuTitle("B");
  Toolkit().PendingWindow = 0;
  ASSERT_NE(AddShortcut(0, 48, 2), nullptr);
  auto allow = [](Gadget*, int, std::intptr_t) { return 1; };
  g.HandlerList.push_back({allow, detail::FindGadget(11)});
  g.HandlerList.push_back({allow, &Rec(1)});
  g.HandlerList.push_back({allow, detail::FindGadget(21)});

  // A drop-down is open on B's second gadget, which sits behind A's two.
  g.OpenPopupIndex = detail::FindGadget(21)->listIndex;
  EXPECT_EQ(CloseWindow(1), 1);
  EXPECT_FALSE(GadgetExists(11) || GadgetExists(12));
  EXPECT_TRUE(GadgetExists(10) && GadgetExists(20) && GadgetExists(21));
  ASSERT_NE(g.GadgetList.At(g.OpenPopupIndex), nullptr);
  EXPECT_EQ(g.GadgetList.At(g.OpenPopupIndex)->number, 21) << "the drop-down follows its gadget";
  EXPECT_EQ(Rec(2).owner, 0);
  EXPECT_FALSE(g.MenuList.Contains(1));
  ASSERT_EQ(g.MenuEntryList.size(), 1u);
  EXPECT_EQ(g.MenuEntryList.begin()->text, "B");
  EXPECT_EQ(SetMenuItemText(entryA, "x"), 0) << "the closed menu's entry handle names nothing";
  ASSERT_EQ(g.ShortcutList.size(), 1u);
  EXPECT_EQ(g.ShortcutList.begin()->window, 0);
  ASSERT_EQ(g.HandlerList.size(), 1u);
  EXPECT_EQ(g.HandlerList[0].filter, detail::FindGadget(21));

  EXPECT_EQ(CloseWindow(2), 1);
  EXPECT_EQ(g.OpenPopupIndex, -1) << "its gadget deleted, the drop-down is forgotten";
  EXPECT_TRUE(g.MenuList.empty() && g.MenuEntryList.empty() && g.HandlerList.empty());
  EXPECT_TRUE(GadgetExists(10));
}

// [SECTION] Frame drawing

TEST_F(Windows, MinimumSizeGrowsTheWindowAndReportsIt) {
  const std::string title = "A rather long window title";
  const int tw = TitleWidth(title);
  ASSERT_GT(tw, 100);
  const std::pair<int, int> cases[] = {
      {0, tw + 13 - 4},
      {WINDOW_CLOSE_BUTTON, tw + 13 + 18 - 4},
      {WINDOW_MAXIMIZE_ENABLED, tw + 13 + 18 + 34 - 4},
      {WINDOW_MAXIMIZE_ENABLED | WINDOW_NO_MINIMIZE_BUTTON, tw + 13 + 18 + 34 - 16 - 4},
      {WINDOW_NO_BORDER | WINDOW_CLOSE_BUTTON, tw + 13 + 18},
      {WINDOW_NO_TITLE_BAR, 20},  // the title is not shown, so it needs no room
  };
  for (const auto& [flags, width] : cases) {
    SCOPED_TRACE(flags);
    ASSERT_EQ(OpenWindowEx(1, 10, 10, 20, 0, title, flags), 1);
    Frames(2);
    EXPECT_EQ(WindowWidth(1), width);
    EXPECT_EQ(WindowHeight(1), 1);
    EXPECT_EQ(WindowEvent(), WINDOW_EVENT_MIN_SIZE);
    Frame();
    EXPECT_EQ(WindowEvent(), 0) << "reported in the frame it grew only";
    CloseWindow(1);
  }
}

// Glyph pixels as offsets from the button's corner, and pixels around them that stay face.
void ExpectGlyph(const detail::ScreenRect& r, std::initializer_list<std::pair<int, int>> ink,
                 std::initializer_list<std::pair<int, int>> face, int colour) {
  for (const auto& [dx, dy] : ink)
    EXPECT_EQ(headless::Pixel(r.x + dx, r.y + dy), colour) << dx << "," << dy;
  for (const auto& [dx, dy] : face)
    EXPECT_EQ(headless::Pixel(r.x + dx, r.y + dy), kFace) << dx << "," << dy;
}

TEST_F(Windows, TitleBarGlyphsExactly) {
  OpenWindowEx(1, 100, 100, 200, 100, "A", WINDOW_MAXIMIZE_ENABLED);
  SetWindowColor(1, COLOR_SELECTION, 0x00FF00);
  Frames(2);
  EXPECT_EQ(At(200, 110), 0x00FF00) << "the window's own colour";
  EXPECT_EQ(Button(1, kClose).x, 283);
  EXPECT_EQ(Button(1, kMax).x, 265);
  EXPECT_EQ(Button(1, kMin).x, 249);
  EXPECT_EQ(Button(1, kClose).y, 105);
  ExpectGlyph(Button(1, kClose), {{4, 3}, {5, 3}, {10, 3}, {11, 3}, {7, 6}, {4, 9}, {11, 9}},
              {{7, 3}, {12, 3}, {3, 3}}, 0x000000);
  ExpectGlyph(Button(1, kMax), {{3, 2}, {11, 2}, {3, 3}, {3, 9}, {11, 9}, {3, 10}, {11, 10}},
              {{12, 2}, {7, 6}, {7, 11}}, 0x000000);
  // Not enabled: greyed in the gadget scheme's shadow colour.
  ExpectGlyph(Button(1, kMin), {{4, 9}, {9, 10}}, {{10, 10}, {4, 8}}, kGrey);

  Run({{CentreX(1, kMax), CentreY(1, kMax), true}, {CentreX(1, kMax), CentreY(1, kMax), false}});
  ASSERT_EQ(Rec(1).sizeState, 1);
  Frame();
  ExpectGlyph(
      Button(1, kMax),
      {{3, 5}, {8, 5}, {3, 9}, {3, 10}, {8, 10}, {8, 7}, {5, 2}, {10, 3}, {5, 4}, {9, 7}, {10, 7}},
      {{4, 8}, {6, 4}, {9, 6}, {10, 8}, {11, 2}}, 0x000000);

  // A held button sinks and its glyph moves one pixel right and down.
  SetWindowColor(1, COLOR_TEXT, 0x0000FF);
  Run({{CentreX(1, kClose), CentreY(1, kClose), true}});
  Frame();
  EXPECT_EQ(At(Button(1, kClose).x, Button(1, kClose).y), kDarkEdge);
  ExpectGlyph(Button(1, kClose), {{5, 4}, {12, 4}}, {{4, 3}}, 0x0000FF);
}

// [SECTION] Title-bar interaction

TEST_F(Windows, TitleButtonsActOnlyWhenReleasedOverThem) {
  OpenWindowEx(1, 100, 100, 200, 100, "A", WINDOW_CLOSE_BUTTON);
  Frames(2);
  const int cx = CentreX(1, kClose), cy = CentreY(1, kClose);
  const detail::ScreenRect c = Button(1, kClose);
  Run({{cx, cy, true}, {cx, cy, true}});
  EXPECT_EQ(At(c.x, c.y), kDarkEdge) << "held over it: sunken";
  // Off the button onto the title bar: raised again, and no drag starts.
  EXPECT_EQ(Run({{200, 110, true}, {250, 112, true}, {250, 112, false}}), (Events{0, 0, 0}));
  EXPECT_EQ(At(c.x, c.y), kLightEdge);
  EXPECT_EQ(Rec(1).x, 100);
  // Off and back on before the release: the close request.
  EXPECT_EQ(Run({{cx, cy, true},
                 {cx + 30, cy + 40, true},
                 {cx, cy, true},
                 {cx, cy, false},
                 {cx, cy, false}}),
            (Events{0, 0, 0, WINDOW_EVENT_CLOSE, 0}));
  EXPECT_EQ(WindowExists(1), 1) << "the event only reports the request";

  // A press cut short by another window opening does not act when activity comes back.
  Run({{cx, cy, true}});
  OpenWindow(2, 500, 400, 50, 50, "B");
  EXPECT_EQ(Run({{cx, cy, true}, {cx, cy, true}, {cx, cy, false}}), (Events{0, 0, 0}));
  CloseWindow(2);
  EXPECT_EQ(Run({{cx, cy, false}}), Events{0});

  // A double click on the title bar neither drags nor presses.
  EXPECT_EQ(Run({{150, 110, true, true}, {170, 130, true, true}, {170, 130, false}}),
            (Events{0, 0, 0}));
  Run({{cx, cy, true, true}, {cx, cy, true, true}});
  EXPECT_EQ(At(c.x, c.y), kLightEdge);
  EXPECT_EQ(Run({{cx, cy, false}}), Events{0});
  EXPECT_EQ(Rec(1).x, 100);
}

TEST_F(Windows, DraggingByTheTitleBar) {
  OpenWindowEx(1, 100, 100, 200, 100, "A", WINDOW_CLOSE_BUTTON);
  Frames(2);
  constexpr int kDragging = WINDOW_EVENT_DRAGGING;
  EXPECT_EQ(Run({{150, 110, true},
                 {180, 140, true},
                 {180, 140, true},
                 {180, 140, false},
                 {180, 140, false}}),
            (Events{kDragging, kDragging, kDragging, WINDOW_EVENT_DRAGGED, 0}));
  EXPECT_EQ(Rec(1).x, 130);
  EXPECT_EQ(Rec(1).y, 130);
  EXPECT_EQ(At(130, 130), kLightEdge) << "drawn at its new place";
  EXPECT_EQ(At(300, 140), kNavy);

  // A press that starts on the content stays the content's, even over the title bar.
  EXPECT_EQ(Run({{200, 200, true}, {200, 140, true}, {200, 140, false}}), (Events{0, 0, 0}));
  EXPECT_EQ(Rec(1).y, 130);
}

TEST_F(Windows, MaximiseMinimiseAndRestore) {
  OpenWindowEx(1, 100, 100, 200, 100, "A", WINDOW_MAXIMIZE_ENABLED | WINDOW_MINIMIZE_ENABLED);
  Frames(2);
  auto click = [&](int button) {
    const int x = CentreX(1, button), y = CentreY(1, button);
    return Run({{x, y, true}, {x, y, false}}).back();
  };
  EXPECT_EQ(click(kMax), WINDOW_EVENT_MAXIMIZE);
  EXPECT_EQ(Rec(1).x, -2);
  EXPECT_EQ(Rec(1).y, -2);
  EXPECT_EQ(WindowOuterWidth(1), 804);
  EXPECT_EQ(WindowOuterHeight(1), 604);
  int ox = 0, oy = 0;
  detail::ContentOrigin(Rec(1), true, ox, oy);
  EXPECT_EQ(ox, 0);
  EXPECT_EQ(oy, 38);
  EXPECT_EQ(ResizeWindow(1, 5, 5, 50, 50), 1);
  EXPECT_EQ(Rec(1).x, -2);
  EXPECT_EQ(WindowWidth(1), 200);
  Run({{300, 10, true}, {320, 30, true}, {320, 30, false}});
  EXPECT_EQ(Rec(1).x, -2) << "a maximised window is not dragged";
  EXPECT_EQ(click(kMax), WINDOW_EVENT_MAXIMIZE);
  EXPECT_EQ(Rec(1).x, 100);
  EXPECT_EQ(Rec(1).y, 100);

  // Minimised, then maximised and restored: back where it was when minimised.
  ResizeWindow(1, 120, 90, KEEP_VALUE, KEEP_VALUE);
  EXPECT_EQ(click(kMin), WINDOW_EVENT_MINIMIZE);
  EXPECT_EQ(WindowOuterHeight(1), 25);
  EXPECT_EQ(ResizeWindow(1, 0, 0, 10, 10), 1);
  EXPECT_EQ(Rec(1).x, 120);
  Frame();
  EXPECT_EQ(At(150, 90 + 24), kDarkEdge) << "only the title bar is drawn";
  EXPECT_EQ(At(150, 90 + 25), kScene);
  click(kMax);
  EXPECT_EQ(Rec(1).sizeState, 1);
  click(kMax);
  EXPECT_EQ(Rec(1).sizeState, 0);
  EXPECT_EQ(Rec(1).x, 120);
  EXPECT_EQ(Rec(1).y, 90);

  // A greyed button is title bar: a press on it drags the window. Minimise enabled: the
  // maximise button is greyed; maximise enabled but hidden: the greyed minimise button stands in
  // its place.
  const struct {
    int number, flags, greyed;
  } greyedCases[] = {{2, WINDOW_MINIMIZE_ENABLED, kMax},
                     {3, WINDOW_MAXIMIZE_ENABLED | WINDOW_NO_MAXIMIZE_BUTTON, kMin}};
  for (const auto& c : greyedCases) {
    SCOPED_TRACE(c.number);
    OpenWindowEx(c.number, 100, 100, 200, 100, "B", c.flags);
    Frames(2);
    EXPECT_EQ(Button(c.number, c.greyed).x, 265);
    const int x = CentreX(c.number, c.greyed), y = CentreY(c.number, c.greyed);
    EXPECT_EQ(Run({{x, y, true}, {x - 40, y + 5, true}, {x - 40, y + 5, false}}),
              (Events{WINDOW_EVENT_DRAGGING, WINDOW_EVENT_DRAGGING, WINDOW_EVENT_DRAGGED}));
    EXPECT_EQ(Rec(c.number).x, 60);
    EXPECT_EQ(Rec(c.number).y, 105);
    EXPECT_EQ(Rec(c.number).sizeState, 0);
  }
}

TEST_F(Windows, EscapeReleasedRequestsClose) {
  OpenWindowEx(1, 100, 100, 200, 100, "A", WINDOW_ESCAPE_CLOSES);
  OpenWindowEx(2, 100, 100, 200, 100, "B", WINDOW_NO_TITLE_BAR);
  for (const int n : {2, 1}) {
    SCOPED_TRACE(n);
    Frames(2);
    ASSERT_EQ(Toolkit().ActiveWindow, n);
    headless::SetKey(1, true);
    Frame();
    EXPECT_EQ(WindowEvent(), 0) << "held, not yet released";
    headless::SetKey(1, false);
    Frame();
    EXPECT_EQ(WindowEvent(), n == 1 ? WINDOW_EVENT_CLOSE : 0);
    CloseWindow(n);
  }
}

}  // namespace
}  // namespace bevel
