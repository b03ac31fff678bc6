// Answering requesters in tests. A requester runs frames of its own, so a Person plays a script
// from the headless device's examine callback, one step per frame, as a hand would:
//
//   Person person(Click(-2) + Keys({KEY_ESCAPE}));
//   MessageRequester(...);
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

#include "services/headless.h"
#include "toolkit/model/toolkit_state.h"
#include "toolkit/toolkit.h"
#include "toolkit/windows/windows.h"

namespace bevel::testing {

// Steps, one per frame; a step returning false cannot act yet and is tried again next frame.
using Script = std::vector<std::function<bool()>>;

inline Script operator+(Script a, const Script& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// The window is active and none is about to take over.
inline const ScreenWindow* Live(int window) {
  const ToolkitState& tk = Toolkit();
  if (window == 0 || tk.ActiveWindow != window || tk.PendingWindow != 0) return nullptr;
  return tk.WindowList.Find(window);
}

// A point on the screen, x < 0 while its window is not live.
using Where = std::function<std::pair<int, int>()>;

inline Where GadgetCentre(int number) {
  return [number] {
    const Gadget* g = detail::FindGadget(number);
    const ScreenWindow* w = g != nullptr ? Live(g->window) : nullptr;
    if (w == nullptr) return std::pair(-1, -1);
    int ox = 0, oy = 0;
    detail::ContentOrigin(*w, false, ox, oy);
    return std::pair(ox + g->x + g->width / 2, oy + g->y + g->height / 2);
  };
}
inline Where TitleBar(int window) {
  return [window] {
    const ScreenWindow* w = Live(window);
    return w ? std::pair(w->x + detail::OuterWidth(*w) / 2, w->y + 12) : std::pair(-1, -1);
  };
}

// Runs in a frame of its own.
inline Script Then(std::function<void()> action) {
  return {[action = std::move(action)] {
    action();
    return true;
  }};
}
inline Script Frames(int n) {
  return Script(static_cast<std::size_t>(n), [] { return true; });
}
inline Script WaitFor(int window) {
  return {[window] { return Live(window) != nullptr; }};
}
// The mouse arrives in one frame (so that presses at different places never pair up as a double
// click), presses in the next and lets go in the one after.
inline Script ClickAt(Where where) {
  return Script{[where] {
           const auto [x, y] = where();
           if (x >= 0) headless::SetMouse(x, y);
           return x >= 0;
         }} +
         Then([] { headless::SetButton(1, true); }) + Then([] { headless::SetButton(1, false); });
}
inline Script Click(int gadget) {
  return ClickAt(GadgetCentre(gadget));
}
// Each key down in one frame and up in the next, once a window is live.
inline Script Keys(std::initializer_list<int> scanCodes) {
  Script script;
  for (const int key : scanCodes) {
    script = script + Script{[key] {
               if (Live(Toolkit().ActiveWindow) != nullptr) headless::SetKey(key, true);
               return Live(Toolkit().ActiveWindow) != nullptr;
             }} +
             Then([key] { headless::SetKey(key, false); });
  }
  return script;
}

class Person {
 public:
  explicit Person(Script script) : script_(std::move(script)) {
    headless::SetExamineCallback([this](int frame) {
      if (frame == lastFrame_) return;  // examined twice a frame: keyboard, then mouse
      lastFrame_ = frame;
      if (next_ < script_.size() && script_[next_]()) {
        ++next_;
        idle_ = 0;
      } else if (++idle_ == 500) {
        // Stuck, or nobody answers: end every requester by closing its window, and say so.
        ADD_FAILURE() << "a requester is still open, the script at step " << next_;
        for (int n = -1; n >= -9; --n) CloseWindow(n);
      }
    });
  }
  // Lets go of everything: the requester may have ended before a key or button was let go.
  ~Person() {
    headless::SetExamineCallback({});
    headless::ReleaseAllKeys();
    headless::SetButton(1, false);
  }
  Person(const Person&) = delete;
  Person& operator=(const Person&) = delete;

 private:
  Script script_;
  std::size_t next_ = 0;
  int lastFrame_ = -1, idle_ = 0;
};

}  // namespace bevel::testing
