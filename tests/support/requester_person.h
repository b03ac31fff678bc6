// Answering requesters in tests: a requester runs frames of its own, so the input comes from the
// headless device's examine callback, one step per frame, as a person would give it.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <initializer_list>
#include <utility>

#include "services/headless.h"
#include "toolkit/model/toolkit_state.h"
#include "toolkit/toolkit.h"
#include "toolkit/windows/windows.h"

namespace bevel::testing {

class Person {
 public:
  using Where = std::function<std::pair<int, int>()>;

  Person() {
    headless::SetExamineCallback([this](int frame) {
      if (frame == lastFrame_) return;  // examined twice a frame: keyboard, then mouse
      lastFrame_ = frame;
      if (steps_.empty()) {
        // Nobody answers: end every requester by closing its window, and say so.
        if (++idle_ == kPatience) {
          ADD_FAILURE() << "the requester is still open and the person has nothing left to do";
          for (int n = -1; n >= -9; --n) CloseWindow(n);
        }
      } else if (steps_.front()()) {
        steps_.pop_front();
      }
    });
  }
  // Lets go of everything: the requester may have ended before a key or button was let go.
  ~Person() {
    headless::SetExamineCallback({});
    headless::ReleaseAllKeys();
    for (int button = 1; button <= 3; ++button) headless::SetButton(button, false);
  }
  Person(const Person&) = delete;
  Person& operator=(const Person&) = delete;

  // Where a gadget's centre is on the screen; a step that presses it waits for its window.
  static Where Gadget(int number) {
    return [number] {
      const bevel::Gadget* g = detail::FindGadget(number);
      const ScreenWindow* w = g ? Toolkit().WindowList.Find(g->window) : nullptr;
      if (w == nullptr || !Settled(w->number)) return std::pair(-1, -1);
      int ox = 0, oy = 0;
      detail::ContentOrigin(*w, false, ox, oy);
      return std::pair(ox + g->x + g->width / 2, oy + g->y + g->height / 2);
    };
  }
  static Where CloseButton(int window) {
    return [window] {
      const ScreenWindow* w = Toolkit().WindowList.Find(window);
      if (w == nullptr || !Settled(window)) return std::pair(-1, -1);
      const detail::ScreenRect r = detail::TitleButtonRect(*w, detail::TITLE_CLOSE);
      return std::pair(r.x + 8, r.y + 7);
    };
  }
  // The middle of the title bar.
  static Where TitleBar(int window) {
    return [window] {
      const ScreenWindow* w = Toolkit().WindowList.Find(window);
      if (w == nullptr || !Settled(window)) return std::pair(-1, -1);
      return std::pair(w->x + detail::OuterWidth(*w) / 2, w->y + 12);
    };
  }
  // The mouse arrives in one frame (so that presses at different places never pair up as a
  // double click), presses in the next and lets go in the one after.
  void Click(Where where) {
    steps_.push_back([where] {
      const auto [x, y] = where();
      if (x < 0) return false;
      headless::SetMouse(x, y);
      return true;
    });
    Do([] { headless::SetButton(1, true); });
    Do([] { headless::SetButton(1, false); });
  }
  // Each key down in one frame and up in the next, once some window is settled.
  void Keys(std::initializer_list<int> scanCodes) {
    for (const int key : scanCodes) {
      steps_.push_back([key] {
        if (!Settled(Toolkit().ActiveWindow)) return false;
        headless::SetKey(key, true);
        return true;
      });
      Do([key] { headless::SetKey(key, false); });
    }
  }
  // Runs in a frame of its own.
  void Do(std::function<void()> action) {
    steps_.push_back([action = std::move(action)] {
      action();
      return true;
    });
  }
  void Frames(int n) {
    for (int i = 0; i < n; ++i) Do([] {});
  }
  void WaitFor(int window) {
    steps_.push_back([window] { return Settled(window); });
  }

 private:
  static constexpr int kPatience = 500;
  // Active and nothing about to take over.
  static bool Settled(int window) {
    return window != 0 && Toolkit().ActiveWindow == window && Toolkit().PendingWindow == 0;
  }

  std::deque<std::function<bool()>> steps_;
  int lastFrame_ = -1;
  int idle_ = 0;
};

}  // namespace bevel::testing
