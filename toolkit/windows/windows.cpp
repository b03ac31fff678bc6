// Screen windows: geometry and the window commands.
//
// Invariants kept by the commands (and relied on by the frame steps):
// - ActiveWindow and PendingWindow are 0 or the number of an existing, shown window.
// - Every window's owner is 0 or an existing, shown window: closing or hiding a window hands
//   the windows it owned to its own owner.
// - A window owns its backdrop and snapshot sprites alone (window_activation.cpp).
#include <cstddef>

#include "toolkit/model/coordinates.h"
#include "toolkit/model/lifetime.h"
#include "toolkit/model/toolkit_state.h"
#include "toolkit/windows/windows.h"

namespace bevel {
namespace detail {
namespace {

// A fresh number for ANY_NUMBER: non-zero, positive, unused. Counted from far above the small
// numbers callers choose, wrapping back there.
int NewWindowNumber() {
  static int next = 0x20000000;
  const ToolkitState& tk = Toolkit();
  for (;;) {
    const int n = next;
    next = next == 0x7FFFFFFF ? 0x20000000 : next + 1;
    if (!tk.WindowList.Contains(n)) return n;
  }
}

}  // namespace

//-----------------------------------------------------------------------------
// [SECTION] Geometry
//-----------------------------------------------------------------------------

int BorderSize(const ScreenWindow& w) {
  return (w.flags & WINDOW_NO_BORDER) ? 0 : 2;
}

bool HasTitleBar(const ScreenWindow& w) {
  return (w.flags & WINDOW_NO_TITLE_BAR) == 0;
}

bool IsMaximised(const ScreenWindow& w) {
  return w.sizeState == 1;
}

bool IsMinimised(const ScreenWindow& w) {
  return (w.sizeState & 2) != 0;
}

int OuterWidth(const ScreenWindow& w) {
  const int b = BorderSize(w);
  return (IsMaximised(w) ? Toolkit().ScreenWidth : w.width) + 2 * b;
}

int OuterHeight(const ScreenWindow& w) {
  const int b = BorderSize(w);
  if (IsMaximised(w)) return Toolkit().ScreenHeight + 2 * b;
  if (IsMinimised(w)) return b != 0 ? 25 : 21;
  return w.height + 2 * b + (HasTitleBar(w) ? kTitleBarHeight : 0);
}

ScreenRect TitleBarRect(const ScreenWindow& w) {
  const int b = BorderSize(w);
  return {w.x + b + 1, w.y + b + 1, OuterWidth(w) - 2 * b - 2, kTitleBarHeight - 1};
}

bool TitleButtonShown(const ScreenWindow& w, int button) {
  if (!HasTitleBar(w)) return false;
  const bool sizing = (w.flags & (WINDOW_MINIMIZE_ENABLED | WINDOW_MAXIMIZE_ENABLED)) != 0;
  switch (button) {
    case TITLE_CLOSE:
      return (w.flags & WINDOW_CLOSE_BUTTON) != 0;
    case TITLE_MAXIMIZE:
      return sizing && (w.flags & WINDOW_NO_MAXIMIZE_BUTTON) == 0;
    case TITLE_MINIMIZE:
      return sizing && (w.flags & WINDOW_NO_MINIMIZE_BUTTON) == 0;
    default:
      return false;
  }
}

bool TitleButtonEnabled(const ScreenWindow& w, int button) {
  if (!TitleButtonShown(w, button)) return false;
  if (button == TITLE_MAXIMIZE) return (w.flags & WINDOW_MAXIMIZE_ENABLED) != 0;
  if (button == TITLE_MINIMIZE) return (w.flags & WINDOW_MINIMIZE_ENABLED) != 0;
  return true;
}

ScreenRect TitleButtonRect(const ScreenWindow& w, int button) {
  const int b = BorderSize(w);
  const int right = w.x + OuterWidth(w) - b;
  int offset = 19;  // close
  if (button == TITLE_MAXIMIZE) offset = 37;
  // The minimise button moves into the maximise button's place when that one is hidden.
  if (button == TITLE_MINIMIZE) offset = (w.flags & WINDOW_NO_MAXIMIZE_BUTTON) ? 37 : 53;
  return {right - offset, w.y + b + 3, kTitleButtonWidth, kTitleButtonHeight};
}

void ContentOrigin(const ScreenWindow& w, bool hasMenuBar, int& x, int& y) {
  const int title = HasTitleBar(w) ? kTitleBarHeight : 0;
  const int menu = hasMenuBar ? MenuBarHeight() : 0;
  if (IsMaximised(w)) {
    x = 0;
    y = title + menu;
    return;
  }
  const int b = BorderSize(w);
  x = w.x + b;
  y = w.y + b + title + menu;
}

ScreenWindow* ActiveWindowRecord() {
  ToolkitState& tk = Toolkit();
  return tk.ActiveWindow != 0 ? tk.WindowList.Find(tk.ActiveWindow) : nullptr;
}

}  // namespace detail

//-----------------------------------------------------------------------------
// [SECTION] Commands
//-----------------------------------------------------------------------------

int OpenWindow(int number, int x, int y, int width, int height, std::string_view title) {
  return OpenWindowEx(number, x, y, width, height, title, 0);
}

int OpenWindowEx(int number, int x, int y, int width, int height, std::string_view title,
                 int flags) {
  ToolkitState& tk = Toolkit();
  if ((flags & WINDOW_INTERNAL) == 0 && number < 1 && number != ANY_NUMBER) return 0;
  if (number != ANY_NUMBER && tk.WindowList.Contains(number)) return 0;
  const int owner = detail::NextOwner();
  ScreenWindow& w = tk.WindowList.Append(number == ANY_NUMBER ? detail::NewWindowNumber() : number);
  w.owner = owner;
  w.x = detail::ClampCoordinate(x);
  w.y = detail::ClampCoordinate(y);
  w.width = detail::ClampCoordinate(width);
  w.height = detail::ClampCoordinate(height);
  w.title = title;
  w.flags = flags;
  if (flags & (WINDOW_MINIMIZE_ENABLED | WINDOW_MAXIMIZE_ENABLED)) w.flags |= WINDOW_CLOSE_BUTTON;
  if (flags & WINDOW_CENTERED) {
    w.x = (tk.ScreenWidth - detail::OuterWidth(w)) / 2;
    w.y = (tk.ScreenHeight - detail::OuterHeight(w)) / 2;
  }
  detail::MakePending(w);
  return w.number == 0 ? 1 : w.number;
}

int CloseWindow(int number) {
  ToolkitState& tk = Toolkit();
  ScreenWindow* w = tk.WindowList.Find(number);
  if (w == nullptr) return 0;
  detail::Withdraw(*w);
  detail::ReleaseWindowSprites(*w);
  detail::RetireWindow(*w);
  return 1;
}

int HideWindow(int number, int hidden) {
  ScreenWindow* w = Toolkit().WindowList.Find(number);
  if (w == nullptr) return 0;
  const int wanted = hidden != 0 ? 1 : 0;
  if (w->hidden == wanted) return 1;
  if (wanted) {
    detail::Withdraw(*w);
    detail::ReleaseWindowSprites(*w);
    detail::ForgetPress(*w);
  } else {
    w->owner = detail::NextOwner();
    detail::MakePending(*w);
  }
  w->hidden = wanted;
  return 1;
}

int WindowEvent() {
  const ScreenWindow* w = detail::ActiveWindowRecord();
  return w != nullptr ? w->event : 0;
}

int WindowWidth(int number) {
  const ScreenWindow* w = Toolkit().WindowList.Find(number);
  return w != nullptr ? w->width : 0;
}

int WindowHeight(int number) {
  const ScreenWindow* w = Toolkit().WindowList.Find(number);
  return w != nullptr ? w->height : 0;
}

int WindowOuterWidth(int number) {
  const ScreenWindow* w = Toolkit().WindowList.Find(number);
  return w != nullptr ? detail::OuterWidth(*w) : 0;
}

int WindowOuterHeight(int number) {
  const ScreenWindow* w = Toolkit().WindowList.Find(number);
  return w != nullptr ? detail::OuterHeight(*w) : 0;
}

int ResizeWindow(int number, int x, int y, int width, int height) {
  ScreenWindow* w = Toolkit().WindowList.Find(number);
  if (w == nullptr) return 0;
  // A maximised or minimised window keeps its size; its restored geometry is its own.
  if (w->sizeState != 0) return 1;
  if (x != KEEP_VALUE) w->x = detail::ClampCoordinate(x);
  if (y != KEEP_VALUE) w->y = detail::ClampCoordinate(y);
  if (width != KEEP_VALUE) w->width = detail::ClampCoordinate(width);
  if (height != KEEP_VALUE) w->height = detail::ClampCoordinate(height);
  return 1;
}

int SetWindowColor(int number, int slot, int value) {
  ScreenWindow* w = Toolkit().WindowList.Find(number);
  if (w == nullptr) return 0;
  const int index = SlotIndex(slot);
  if (index >= 0) w->colors[static_cast<std::size_t>(index)] = value;
  return 1;
}

int WindowExists(int number) {
  return Toolkit().WindowList.Contains(number) ? 1 : 0;
}

}  // namespace bevel
