// Window activation, backdrops and snapshots.
//
// A window opened (or shown) while A is active becomes active at the second frame:
//
//   frame        PendingWindow  PendingDelay  ActiveWindow  drawn
//   (B opens)    B              1             A
//   1            B              0             A             A with inactive title colours; the
//                                                           end-of-frame snapshot records it so
//   2            0              0             B             B over its backdrop: a copy of A's
//                                                           snapshot, taken at this frame's start
//
// With no window active, frame 1 first draws ScreenSnapshot, so the screen that B freezes is
// the one grabbed last (a requester's loop clears the screen and draws nothing of its own).
//
// Sprites: every window owns two full-screen sprites. Its snapshot is re-grabbed at the end of
// every frame in which it is active; its backdrop is a copy of its owner's snapshot taken when
// it becomes active. While a window is active its owner is not, so the copy never goes stale.
// Nothing is shared, so windows close and hide in any order without releasing a picture that
// another window still shows; ScreenSnapshot belongs to the toolkit and is never released.
#include <algorithm>
#include <cstddef>

#include "toolkit/model/toolkit_state.h"
#include "toolkit/windows/windows.h"

namespace bevel::detail {
namespace {

// The picture that lies under a window: the snapshot of the nearest owner that has one, else
// the screen's. 0 when nothing was grabbed yet.
int PictureUnder(const ScreenWindow& w) {
  const ToolkitState& tk = Toolkit();
  int owner = w.owner;
  // Owners form a chain towards the screen; the bound only guards against a broken chain.
  for (std::size_t steps = 0; owner != 0 && steps <= tk.WindowList.size(); ++steps) {
    const ScreenWindow* o = tk.WindowList.Find(owner);
    if (o == nullptr) break;
    if (SpriteExists(o->snapshot)) return o->snapshot;
    owner = o->owner;
  }
  return SpriteExists(tk.ScreenSnapshot) ? tk.ScreenSnapshot : 0;
}

// The screen as far as the back buffer holds it: a screen size set beyond the back buffer (up to
// the coordinate limit) would otherwise make every frame capture that much black.
int CaptureScreen(int sprite) {
  const ToolkitState& tk = Toolkit();
  return CaptureSprite(sprite, 0, 0, std::min(tk.ScreenWidth, ScreenPixelWidth()),
                       std::min(tk.ScreenHeight, ScreenPixelHeight()));
}

// Copies the picture under the window into a sprite of its own. The back buffer serves as the
// scratch: this runs at the start of a frame, where the backdrop covers it right after. With no
// picture at all, the host's scene of this frame is what freezes.
void TakeBackdrop(ScreenWindow& w) {
  if (const int source = PictureUnder(w); source != 0) BlitSprite(source, 0, 0);
  w.backdrop = CaptureScreen(ANY_NUMBER);
}

// Grabs the whole screen into `sprite`, creating it on first use.
void Grab(int& sprite) {
  if (sprite != 0) {
    CaptureScreen(sprite);
  } else {
    sprite = CaptureScreen(ANY_NUMBER);
  }
}

}  // namespace

void BeginWindowFrame() {
  ToolkitState& tk = Toolkit();
  for (ScreenWindow& w : tk.WindowList) w.event = 0;
  if (tk.PendingWindow != 0) {
    if (tk.PendingDelay != 0) {
      tk.PendingDelay = 0;
    } else {
      if (ScreenWindow* previous = ActiveWindowRecord()) ForgetPress(*previous);
      tk.ActiveWindow = tk.PendingWindow;
      tk.PendingWindow = 0;
    }
  }
  if (ScreenWindow* active = ActiveWindowRecord()) {
    // Also covers an owner that becomes active at once (its window above closed) without
    // ever having had a frame of its own.
    if (!SpriteExists(active->backdrop)) TakeBackdrop(*active);
  } else if (tk.PendingWindow != 0 && SpriteExists(tk.ScreenSnapshot)) {
    BlitSprite(tk.ScreenSnapshot, 0, 0);
  }
}

void RestoreLiveBackdrop() {
  ToolkitState& tk = Toolkit();
  if (ScreenWindow* active = ActiveWindowRecord()) {
    if (!SpriteExists(active->backdrop)) TakeBackdrop(*active);
  } else if (SpriteExists(tk.ScreenSnapshot)) {
    BlitSprite(tk.ScreenSnapshot, 0, 0);
  }
}

void EndWindowFrame() {
  ToolkitState& tk = Toolkit();
  if (ScreenWindow* active = ActiveWindowRecord()) {
    Grab(active->snapshot);
  } else {
    Grab(tk.ScreenSnapshot);
  }
}

int NextOwner() {
  return CurrentGadgetListOwner();
}

void MakePending(ScreenWindow& w) {
  ToolkitState& tk = Toolkit();
  // 0 in PendingWindow means "none": an internal window numbered 0 must not cancel another
  // window's activation.
  if (w.number == 0) return;
  tk.PendingWindow = w.number;
  tk.PendingDelay = 1;
}

void Withdraw(ScreenWindow& w) {
  ToolkitState& tk = Toolkit();
  const int number = w.number;
  const int owner = w.owner;
  // A window numbered 0 is never active or pending and owns nothing (owner 0 is the screen).
  if (number == 0) return;
  if (tk.ActiveWindow == number) tk.ActiveWindow = owner;
  if (tk.PendingWindow == number) {
    tk.PendingWindow = 0;
    tk.PendingDelay = 0;
    // An owner that is not active was itself waiting to activate when this window opened
    // (both opened between two frames): it gets its turn back.
    if (owner != 0 && owner != tk.ActiveWindow) {
      if (ScreenWindow* o = tk.WindowList.Find(owner)) MakePending(*o);
    }
  }
  for (ScreenWindow& other : tk.WindowList)
    if (other.owner == number) other.owner = owner;
}

void ForgetPress(ScreenWindow& w) {
  w.buttonState = 0;
  w.dragX = w.dragY = -1;
}

void ReleaseWindowSprites(ScreenWindow& w) {
  if (w.backdrop != 0) ReleaseSprite(w.backdrop);
  if (w.snapshot != 0) ReleaseSprite(w.snapshot);
  w.backdrop = 0;
  w.snapshot = 0;
}

}  // namespace bevel::detail
