// The modal loop of the requesters and their window.
#include "toolkit/requesters/modal_loop.h"

#include <cstdint>

#include "services/services.h"
#include "toolkit/menus/menus.h"
#include "toolkit/model/requester_access.h"
#include "toolkit/windows/windows.h"

namespace bevel::detail {
namespace {

// On a real display ShowFrame does not wait for the screen: a frame takes at least this long,
// so that a requester waiting for its answer leaves the processor to others.
constexpr std::uint32_t kFrameMs = 16;

int FirstFreeWindowNumber() {
  int n = -1;
  while (WindowExists(n) != 0) --n;
  return n;
}

}  // namespace

int RequesterWindowFlags(int flags) {
  flags &= ~(WINDOW_NO_BORDER | WINDOW_MAXIMIZE_ENABLED | WINDOW_NO_MINIMIZE_BUTTON |
             WINDOW_NO_TITLE_BAR);
  return flags | WINDOW_CENTERED | WINDOW_INTERNAL;
}

ModalRequester::ModalRequester(std::string_view title, int width, int height, int flags,
                               RequesterCallback callback)
    : window_(FirstFreeWindowNumber()), callback_(std::move(callback)) {
  OpenWindowEx(window_, 0, 0, width, height, title, RequesterWindowFlags(flags));
}

ModalRequester::~ModalRequester() {
  if (Alive()) CloseWindow(window_);
}

int ModalRequester::NewGadgetNumber() {
  int n = lastGadget_ - 1;
  while (GadgetExists(n) != 0) --n;
  if (firstGadget_ == 0) firstGadget_ = n;
  lastGadget_ = n;
  return n;
}

void ModalRequester::Opened() {
  sentinel_ = GadgetRecord(firstGadget_);
  Ask(REQUESTER_OPENED, window_);
}

bool ModalRequester::Alive() const {
  if (sentinel_ != nullptr) return RecordNumber(sentinel_) != 0;
  return WindowExists(window_) != 0;
}

bool ModalRequester::LiveOrigin(int& x, int& y) const {
  const ScreenWindow* w = ActiveWindowRecord();
  if (w == nullptr || w->number != window_ || IsMinimised(*w)) return false;
  ContentOrigin(*w, LiveMenuBar() != nullptr, x, y);
  return true;
}

bool ModalRequester::Run(const LayoutFn& layout, const OwnFn& own, const AcceptFn& accept,
                         const DrawFn& draw) {
  endedByCallback_ = false;
  std::uint32_t frameStart = TickCount();
  for (;;) {
    if (ScreenDevice() == DEVICE_SDL) {
      const std::uint32_t spent = TickCount() - frameStart;
      if (spent < kFrameMs) Delay(static_cast<int>(kFrameMs - spent));
      frameStart = TickCount();
    }
    ShowFrame();
    // Nothing could show or answer the requester without a screen; the program's close request
    // stays for the host.
    if (!Alive() || ScreenDevice() == 0 || CloseRequested() != 0) return false;
    ClearScreen(0);
    const int mouseX = MouseX(), mouseY = MouseY();
    layout(WindowWidth(window_), WindowHeight(window_));
    SuppressPointerNextFrame();
    FrameEvents events;
    events.gadget = GadgetEvent();
    events.menu = MenuEvent();
    events.window = WindowEvent();
    events.activated = GadgetActivated(events.gadget);
    if (int x = 0, y = 0; draw && LiveOrigin(x, y)) {
      // Inside a frame (a requester opened from a handler) the caller's session comes back.
      const DrawingState caller = CurrentDrawing();
      if (BeginDrawing(BackBufferTarget()) != 0) {
        draw(x, y);
        EndDrawing();
      }
      ResumeDrawing(caller);
    }
    // The pointer as GadgetEvent would draw it, over everything and out of the snapshot.
    if (const int pointer = PointerSpriteNumber(); pointer >= 0) {
      BlitSpriteKeyed(pointer, mouseX, mouseY);
    }

    Verdict verdict = own(events);
    bool byCallback = false;
    if (events.gadget >= 1 && Ask(REQUESTER_GADGET, events.gadget) != 0) byCallback = true;
    if (events.menu != 0 && Ask(REQUESTER_MENU, events.menu) != 0) byCallback = true;
    if (events.window != 0 && Ask(REQUESTER_WINDOW, events.window) != 0) byCallback = true;
    if (byCallback) verdict = Verdict::kCancelled;
    if (events.window == WINDOW_EVENT_CLOSE) verdict = Verdict::kCancelled;
    // A handler in the frame or a callback may have closed the window.
    if (!Alive()) return false;
    if (verdict == Verdict::kAnswered && !accept()) verdict = Verdict::kGoOn;
    if (!Alive()) return false;
    endedByCallback_ = byCallback;
    if (verdict != Verdict::kGoOn) return verdict == Verdict::kAnswered;
  }
}

}  // namespace bevel::detail
