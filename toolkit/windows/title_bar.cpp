// Title-bar interaction of the active window: dragging, the close / maximise / minimise buttons
// and the Escape key.
//
// A press belongs to what lay under the mouse in the first frame that sees it, like a button of
// the classic desktop: moving off a held title button raises it, moving back sinks it again, and
// sliding onto the title bar never turns a button press (or a press that began on a gadget)
// into a drag. buttonState while the left button is held (a single press, not a double click):
//
//   state   meaning                               next frame, button still held
//   0       no press seen yet                     over an enabled title button -> that button;
//                                                 over the title bar, a greyed button included
//                                                 (not maximised) -> 1, drag starts (event 2);
//                                                 anywhere else -> -1
//   1       dragging                              corner = mouse - offset, event 2
//   2..4    close / maximise / minimise, mouse    mouse off it -> -(state), drawn raised
//           over it, drawn pressed
//   -4..-2  that button, mouse off it             mouse back on it -> +(state)
//   -1      press that is not the title bar's     stays -1
//
// On release (or in the frames of a double-click press): 1 -> event 3; 2 -> event 1;
// 3 -> event 4 and maximise / restore; 4 -> event 5 and minimise / restore; anything else
// nothing. Then buttonState 0 and no drag offset.
#include <cstdlib>

#include "services/services.h"
#include "toolkit/model/coordinates.h"
#include "toolkit/model/toolkit_state.h"
#include "toolkit/windows/windows.h"

namespace bevel::detail {
namespace {

constexpr int kEscapeKey = 1;
constexpr int kIgnoredPress = -1;
constexpr int kTitleButtons[] = {TITLE_CLOSE, TITLE_MAXIMIZE, TITLE_MINIMIZE};

// The part of a title button that reacts: its face inside the bevel's outer edge.
bool OverButton(const ScreenWindow& w, int button, int mx, int my) {
  const ScreenRect r = TitleButtonRect(w, button);
  return ScreenRect{r.x + 1, r.y + 1, r.w - 2, r.h - 2}.Contains(mx, my);
}

// Where a press starts a drag: the title bar with the border's top rows.
bool OverDragArea(const ScreenWindow& w, int mx, int my) {
  const int b = BorderSize(w);
  return ScreenRect{w.x + 1, w.y + 1, OuterWidth(w) - 2, b + kTitleBarHeight}.Contains(mx, my);
}

// The first frame of a press decides what it belongs to.
void StartPress(ScreenWindow& w, int mx, int my) {
  for (const int button : kTitleButtons) {
    // A greyed button is no button: a press on it falls in the title bar and drags.
    if (TitleButtonEnabled(w, button) && OverButton(w, button, mx, my)) {
      w.buttonState = button;
      return;
    }
  }
  if (!IsMaximised(w) && OverDragArea(w, mx, my)) {
    w.dragX = mx - w.x;
    w.dragY = my - w.y;
    w.buttonState = TITLE_DRAG;
    w.event = WINDOW_EVENT_DRAGGING;
    return;
  }
  w.buttonState = kIgnoredPress;
}

void TrackPress(ScreenWindow& w, int mx, int my) {
  const int s = w.buttonState;
  if (s == 0) {
    StartPress(w, mx, my);
  } else if (s == TITLE_DRAG) {
    // Computed in 64 bits and kept in range like any stored position.
    w.x = ClampCoordinate(static_cast<long long>(mx) - w.dragX);
    w.y = ClampCoordinate(static_cast<long long>(my) - w.dragY);
    w.event = WINDOW_EVENT_DRAGGING;
  } else if (s != kIgnoredPress) {
    const int button = std::abs(s);
    w.buttonState = OverButton(w, button, mx, my) ? button : -button;
  }
}

void ToggleMaximise(ScreenWindow& w) {
  if (IsMaximised(w)) {
    w.sizeState = 0;
    w.x = w.restoreX;
    w.y = w.restoreY;
    return;
  }
  // A window that is maximised and minimised at once sits at the screen corner; its restore
  // position was saved when it was maximised. Any other window saves where it is now.
  if ((w.sizeState & 1) == 0) {
    w.restoreX = w.x;
    w.restoreY = w.y;
  }
  w.sizeState = 1;
  w.x = w.y = -BorderSize(w);
}

void FinishPress(ScreenWindow& w) {
  switch (w.buttonState) {
    case TITLE_DRAG:
      w.event = WINDOW_EVENT_DRAGGED;
      break;
    case TITLE_CLOSE:
      w.event = WINDOW_EVENT_CLOSE;
      break;
    case TITLE_MAXIMIZE:
      w.event = WINDOW_EVENT_MAXIMIZE;
      ToggleMaximise(w);
      break;
    case TITLE_MINIMIZE:
      w.event = WINDOW_EVENT_MINIMIZE;
      w.sizeState ^= 2;
      break;
    default:
      break;
  }
  w.buttonState = 0;
  w.dragX = w.dragY = -1;
}

}  // namespace

void HandleTitleBar(int mouseX, int mouseY, bool leftDown, int clickCounter) {
  ScreenWindow* w = ActiveWindowRecord();
  if (w == nullptr) return;
  if (HasTitleBar(*w) && leftDown && clickCounter < 2) {
    TrackPress(*w, mouseX, mouseY);
  } else {
    FinishPress(*w);
  }
  if ((w->flags & WINDOW_ESCAPE_CLOSES) && KeyReleased(kEscapeKey)) w->event = WINDOW_EVENT_CLOSE;
}

}  // namespace bevel::detail
