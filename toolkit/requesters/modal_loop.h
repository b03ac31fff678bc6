// The one modal loop of all requesters, with the window it runs on.
//
// A requester opens a ModalRequester (its window), makes its gadgets with the numbers
// NewGadgetNumber gives, calls Opened (the callback hears REQUESTER_OPENED), and calls Run with
// what is its own: where its gadgets go when the window's size changes, what a frame means to its
// own gadgets, and whether its callback accepts an answer. The loop does the rest alike for every
// requester:
//
//   each frame   (on a real display no faster than 60 a second)
//                ShowFrame; cancelled when the window is gone, no screen is open or the program's
//                window is asked to close; ClearScreen(0); the mouse read; layout(width, height);
//                GadgetEvent with the pointer suppressed; draw(origin) while the window is live;
//                the pointer drawn where the mouse was
//   then         own(events): kAnswered, kCancelled or kGoOn
//                a gadget numbered 1 or more: REQUESTER_GADGET, nonzero cancels
//                a menu event: REQUESTER_MENU, nonzero cancels
//                a window event: REQUESTER_WINDOW, nonzero cancels; WINDOW_EVENT_CLOSE cancels
//                answered: accept() false goes on
//
// Callbacks may do anything, including closing the requester's window or running requesters of
// their own: the loop keeps no record, only numbers and a gadget handle, and checks after the
// frame's callbacks that its window is still there.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "toolkit/toolkit.h"

namespace bevel::detail {

// What a frame came to for the requester.
enum class Verdict { kGoOn, kAnswered, kCancelled };

// A frame's results, all read right after GadgetEvent: a callback that runs frames of its own
// would overwrite them.
struct FrameEvents {
  int gadget = 0;     // GadgetEvent
  int menu = 0;       // MenuEvent
  int window = 0;     // WindowEvent
  int activated = 0;  // GadgetActivated of the gadget that produced the event
};

class ModalRequester {
 public:
  // Opens the window, centred, with the first free negative window number. flags: window flags
  // as the caller gave them (RequesterWindowFlags is applied here).
  ModalRequester(std::string_view title, int width, int height, int flags,
                 RequesterCallback callback);
  // Closes the window unless someone else did.
  ~ModalRequester();
  ModalRequester(const ModalRequester&) = delete;
  ModalRequester& operator=(const ModalRequester&) = delete;

  int Window() const { return window_; }
  // The first free negative gadget number, then on each call the next lower free one.
  int NewGadgetNumber();
  // The requester's own gadgets are made: tells the callback (REQUESTER_OPENED).
  void Opened();
  // Asks the callback; 0 without one.
  int Ask(int kind, int value) const { return callback_ ? callback_(kind, value) : 0; }
  bool HasCallback() const { return static_cast<bool>(callback_); }

  using LayoutFn = std::function<void(int width, int height)>;
  using OwnFn = std::function<Verdict(const FrameEvents& events)>;
  using AcceptFn = std::function<bool()>;
  // What the requester paints over its gadgets, in a drawing session on the back buffer;
  // (originX, originY) is where its gadget coordinates start on the screen.
  using DrawFn = std::function<void(int originX, int originY)>;
  // Runs frames until answered (true) or cancelled (false).
  bool Run(const LayoutFn& layout, const OwnFn& own, const AcceptFn& accept,
           const DrawFn& draw = {});
  // After Run: the cancel came from a callback's nonzero result (REQUESTER_GADGET, _MENU or
  // _WINDOW).
  bool EndedByCallback() const { return endedByCallback_; }
  // While the window is the live one (active and not minimised): true, with the screen position
  // where its gadget coordinates start. Before it becomes active, and while a requester of its
  // callback runs, false.
  bool LiveOrigin(int& x, int& y) const;

 private:
  // The window is the requester's while its first gadget lives: gadget handles are never given
  // out twice, window numbers are (a callback may close the window and open another).
  bool Alive() const;

  int window_ = 0;
  int firstGadget_ = 0, lastGadget_ = 0;
  Gadget* sentinel_ = nullptr;
  RequesterCallback callback_;
  bool endedByCallback_ = false;
};

// The window flags of a requester: always a border and a title bar, never a working maximise
// button, centred; the rest (close button, Escape, minimise button) as the caller asks.
int RequesterWindowFlags(int flags);

}  // namespace bevel::detail
