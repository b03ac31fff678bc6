// Screen windows inside the toolkit: geometry, the frame steps the event function calls, and
// the bookkeeping shared by the window commands.
//
// One frame of the event function uses the steps in this order:
//   BeginWindowFrame          events cleared, pending activation advanced, backdrop taken
//   BeginDrawing(back buffer)
//   DrawActiveWindow          backdrop at (0, 0), then the frame and title bar
//   ... gadgets, menus ...
//   EndDrawing
//   EndWindowFrame            the screen grabbed into the active window's snapshot
//   ... pointer ...
//   HandleTitleBar            drag, title buttons, Escape (not while a menu is open)
#pragma once

#include "toolkit/model/colours.h"
#include "toolkit/model/screen_window.h"

namespace bevel::detail {

// [SECTION] Geometry (screen pixels)

inline constexpr int kTitleBarHeight = 20;
inline constexpr int kTitleButtonWidth = 16;
inline constexpr int kTitleButtonHeight = 14;

// Title-bar elements, as stored in ScreenWindow::buttonState.
inline constexpr int TITLE_DRAG = 1;
inline constexpr int TITLE_CLOSE = 2;
inline constexpr int TITLE_MAXIMIZE = 3;
inline constexpr int TITLE_MINIMIZE = 4;

// (Named apart from the services' own Rect: both live in bevel::detail.)
struct ScreenRect {
  int x = 0, y = 0, w = 0, h = 0;
  bool Contains(int px, int py) const { return px >= x && px < x + w && py >= y && py < y + h; }
};

// Border width: 2, or 0 with WINDOW_NO_BORDER.
int BorderSize(const ScreenWindow& w);
bool HasTitleBar(const ScreenWindow& w);
// sizeState exactly 1; a window both maximised and minimised counts as minimised.
bool IsMaximised(const ScreenWindow& w);
bool IsMinimised(const ScreenWindow& w);
int OuterWidth(const ScreenWindow& w);
int OuterHeight(const ScreenWindow& w);
// The title bar's coloured area (inside the border, 19 high).
ScreenRect TitleBarRect(const ScreenWindow& w);
// Drawn: the button has a place in the title bar (greyed when not enabled).
bool TitleButtonShown(const ScreenWindow& w, int button);
// Shown and reacting to the mouse.
bool TitleButtonEnabled(const ScreenWindow& w, int button);
// The 16 x 14 button (TITLE_CLOSE, TITLE_MAXIMIZE, TITLE_MINIMIZE).
ScreenRect TitleButtonRect(const ScreenWindow& w, int button);
// Where the window's gadget coordinates start; hasMenuBar adds the 18-pixel menu bar.
void ContentOrigin(const ScreenWindow& w, bool hasMenuBar, int& x, int& y);

// The active window's record, nullptr when the screen itself is live.
ScreenWindow* ActiveWindowRecord();

// [SECTION] Frame steps

void BeginWindowFrame();
// Draws inside the caller's drawing session on the back buffer.
void DrawActiveWindow();
// After frames run from inside this one (a handler's modal loop), or a change of the active
// window in the middle of the frame, the back buffer no longer shows what is live: makes sure the
// active window has its backdrop (taking it now if it never had one), or with no window active
// puts the screen's last snapshot back. DrawActiveWindow then draws the window over it.
void RestoreLiveBackdrop();
void EndWindowFrame();
// clickCounter: ToolkitState::ClickCounter after this frame's double-click step; 2 or more
// marks a double-click press, which the title bar ignores.
void HandleTitleBar(int mouseX, int mouseY, bool leftDown, int clickCounter);

// [SECTION] Activation bookkeeping (window_activation.cpp)

// The owner a window gets when it opens or is shown: the window that will be active by the
// time this one activates (the pending one, else the active one), 0 for the screen.
int NextOwner();
// Makes the window pending: it activates at the second BeginWindowFrame from now.
void MakePending(ScreenWindow& w);
// Takes a window out of the activity chain before it is hidden or closed: an active window
// hands over to its owner at once, a pending one to its owner's pending activation, and every
// window it owned gets its owner.
void Withdraw(ScreenWindow& w);
// Drops a title-bar press: a press cut short by the window losing activity must not act when
// activity comes back.
void ForgetPress(ScreenWindow& w);
// Releases the window's backdrop and snapshot sprites (they are never shared).
void ReleaseWindowSprites(ScreenWindow& w);

}  // namespace bevel::detail
