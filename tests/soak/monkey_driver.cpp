// The monkey's driver: the frames, the input, the handlers, the model and its checks (the
// commands are in monkey_commands.cpp).
//
// Index of this file:
// [SECTION] Failure reports
// [SECTION] Keeping the model
// [SECTION] Handlers
// [SECTION] Input
// [SECTION] Checks
// [SECTION] The run
#include "tests/soak/monkey_driver.h"

#include <signal.h>
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "services/headless.h"
#include "services/services.h"
#include "tests/soak/monkey_model.h"
#include "toolkit/model/toolkit_state.h"
#include "toolkit/toolkit.h"
#include "toolkit/windows/windows.h"

#if defined(__SANITIZE_ADDRESS__)
#define BEVEL_SOAK_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define BEVEL_SOAK_ASAN 1
#endif
#endif
#ifdef BEVEL_SOAK_ASAN
#include <sanitizer/common_interface_defs.h>
#endif

namespace bevel::soak {
namespace {

Monkey* running = nullptr;  // the monkey whose report a crash prints

}  // namespace

//-----------------------------------------------------------------------------
// [SECTION] Failure reports
//-----------------------------------------------------------------------------

void Monkey::Log(const char* format, ...) {
  char buf[512];
  const int prefix = std::snprintf(buf, sizeof buf, "[%d%s] ", frame_, depth_ > 0 ? " req" : "");
  va_list args;
  va_start(args, format);
  std::vsnprintf(buf + prefix, sizeof buf - static_cast<std::size_t>(prefix), format, args);
  va_end(args);
  log_[logNext_ % log_.size()] = buf;
  ++logNext_;
}

void Monkey::PrintReport(const char* what) const {
  std::fprintf(stderr, "\nmonkey: FAULT at seed %llu, frame %d%s: %s\n",
               static_cast<unsigned long long>(run_.seed), frame_,
               depth_ > 0 ? " (inside a requester)" : "", what);
  std::fprintf(stderr, "monkey: the last commands and input, oldest first:\n");
  const std::size_t count = std::min(logNext_, log_.size());
  for (std::size_t i = logNext_ - count; i < logNext_; ++i) {
    std::fprintf(stderr, "  %s\n", log_[i % log_.size()].c_str());
  }
  std::fprintf(stderr, "monkey: replay with --seed %llu --frames %d\n",
               static_cast<unsigned long long>(run_.seed), frame_ + 1);
  std::fflush(stderr);
}

void Monkey::Fail(const std::string& what) {
  PrintReport(what.c_str());
  std::_Exit(1);
}

namespace {

void ReportCrash() {
  if (running != nullptr) running->PrintReport("crashed (see the message above or below)");
}

void OnSignal(int sig) {
  ReportCrash();
  running = nullptr;
  signal(sig, SIG_DFL);
  raise(sig);
}

}  // namespace

//-----------------------------------------------------------------------------
// [SECTION] Keeping the model
//-----------------------------------------------------------------------------

void Monkey::ForgetGadget(int number) {
  const auto it = gadgets_.find(number);
  if (it == gadgets_.end()) return;
  if (it->second.handle != nullptr) deadHandles_.push_back(it->second.handle);
  if (deadHandles_.size() > 48) deadHandles_.erase(deadHandles_.begin());
  deadGadgets_.insert(number);
  gadgets_.erase(it);
}

// A window and what it owns.
void Monkey::ForgetWindow(int number) {
  windows_.erase(number);
  deadWindows_.insert(number);
  if (number == 0) return;  // an internal window numbered 0 owns nothing: 0 is the screen
  std::vector<int> gone;
  for (const auto& [n, g] : gadgets_) {
    if (g.owner == number) gone.push_back(n);
  }
  for (const int n : gone) ForgetGadget(n);
  for (auto it = menus_.begin(); it != menus_.end();) {
    if (it->second.owner != number) {
      ++it;
      continue;
    }
    const int menu = it->first;
    if (menu == currentMenu_) currentMenuLive_ = false;
    for (auto e = entries_.begin(); e != entries_.end();) {
      if (e->menu == menu) {
        deadEntries_.push_back(e->handle);
        e = entries_.erase(e);
      } else {
        ++e;
      }
    }
    it = menus_.erase(it);
  }
  if (deadEntries_.size() > 48) {
    deadEntries_.erase(deadEntries_.begin(), deadEntries_.end() - 48);
  }
}

// What was made inside a requester went with its window: after the last requester ended, with
// every window the model does not know; while requesters run (their windows are not in the
// model either), with those that no longer exist, such as an error message a requester showed.
void Monkey::PruneOrphans() {
  std::set<int> owners;
  const auto gone = [&](int owner) {
    return !Known(owner) && (depth_ == 0 || WindowExists(owner) == 0);
  };
  for (const auto& [n, g] : gadgets_) {
    if (gone(g.owner)) owners.insert(g.owner);
  }
  for (const auto& [n, m] : menus_) {
    if (gone(m.owner)) owners.insert(m.owner);
  }
  for (const int owner : owners) {
    ForgetWindow(owner);
    deadWindows_.erase(owner);
  }
  // While requesters run, one may have closed a window of its own and opened the next under
  // the same number: what was made in the first is gone although a window of its number exists.
  if (depth_ == 0) return;
  std::vector<int> vanished;
  for (const auto& [n, g] : gadgets_) {
    if (!Known(g.owner) && GadgetExists(n) == 0) vanished.push_back(n);
  }
  for (const int n : vanished) {
    ForgetGadget(n);
    deadGadgets_.erase(n);
  }
}

void Monkey::StartOver() {
  Log("InitToolkit()");
  InitToolkit();
  gadgets_.clear();
  windows_.clear();
  menus_.clear();
  entries_.clear();
  menuEvents_.clear();
  deadHandles_.clear();
  deadEntries_.clear();
  deadGadgets_.clear();
  deadWindows_.clear();
  currentMenu_ = 0;
  currentMenuLive_ = false;
  handlers_ = 0;
  SetScreenSize(kScreenW, kScreenH, Chance(50) ? sprite_ : -1);
  SetGadgetDefaultColor(COLOR_FONT, font_);
  InstallHandlers();
  // The toolkit's own file icons only: the machine's file types would make runs differ.
  if (Chance(50)) InitFileIcons(0);
}

int Monkey::RandomGadget() {
  // Inside a handler, half the commands go to the gadget it was asked about.
  if (asked_ != kNobody && Chance(50)) return asked_;
  const int what = Pick(100);
  if (what < 85 && !gadgets_.empty()) {
    return std::next(gadgets_.begin(), Pick(static_cast<int>(gadgets_.size())))->first;
  }
  if (what < 92 && !deadGadgets_.empty()) {
    return *std::next(deadGadgets_.begin(), Pick(static_cast<int>(deadGadgets_.size())));
  }
  if (what < 96) return Between(-12, 0);
  return Absurd();
}

int Monkey::RandomWindow() {
  const int what = Pick(100);
  if (what < 80 && !windows_.empty()) {
    return std::next(windows_.begin(), Pick(static_cast<int>(windows_.size())))->first;
  }
  if (what < 90 && !deadWindows_.empty()) {
    return *std::next(deadWindows_.begin(), Pick(static_cast<int>(deadWindows_.size())));
  }
  return Chance(50) ? Between(-4, 12) : Absurd();
}

int Monkey::RandomMenu() {
  if (!menus_.empty() && Chance(85)) {
    return std::next(menus_.begin(), Pick(static_cast<int>(menus_.size())))->first;
  }
  return Chance(50) ? Between(-2, 40) : Absurd();
}

MenuEntry* Monkey::RandomEntry() {
  if (!entries_.empty() && Chance(85))
    return entries_[Pick(static_cast<int>(entries_.size()))].handle;
  if (!deadEntries_.empty() && Chance(80)) {
    return deadEntries_[Pick(static_cast<int>(deadEntries_.size()))];
  }
  return nullptr;
}

//-----------------------------------------------------------------------------
// [SECTION] Handlers
//-----------------------------------------------------------------------------

void Monkey::InstallHandlers() {
  handlers_ = 1;
  SetEventCallback(
      [this](Gadget* g, int kind, std::intptr_t item) { return Handler(g, kind, item); });
}

// Asked before every action: checks what it is told, then mostly allows, sometimes vetoes, and
// now and then changes the screen under the gadget (closes windows, makes gadgets, runs a
// requester).
int Monkey::Handler(Gadget* gadget, int kind, std::intptr_t item) {
  const int number = RecordNumber(gadget);
  // An internal gadget may be numbered 0.
  Require(gadget != nullptr && (number != 0 || GadgetExists(0) != 0),
          "a handler was asked about a gadget that is gone");
  Require(kind >= EVENT_PRESS && kind <= EVENT_EXPAND, "a handler was asked an unknown kind");
  if (depth_ == 0) {
    Require(gadgets_.count(number) != 0,
            "a handler was asked about a gadget the model does not know");
    // Held elsewhere goes to every gadget not pressed, hidden ones too, and a hidden field given
    // the caret by a command loses it to a press elsewhere; nothing else may reach them.
    Require(kind == EVENT_HELD_ELSEWHERE || kind == EVENT_FOCUS_LOST ||
                hiddenAllFrame_.count(number) == 0,
            "a handler was asked about hidden gadget " + std::to_string(number) + ", kind " +
                std::to_string(kind));
  }
  if (kind == EVENT_KEY) {
    const KeyInfo key = KeyOfEvent(item);
    Require(key.character >= 0 && key.character <= 255 && key.keyCode >= 0 && key.keyCode <= 255,
            "EVENT_KEY names no key");
  }
  ++tally_.handlerCalls;
  // Held elsewhere is asked of every gadget in every frame a button is held: act on few.
  if (kind == EVENT_HELD_ELSEWHERE && !Chance(5)) return 1;
  const int outer = asked_;
  asked_ = number;
  const int result = HandlerAction(number, kind, item);
  asked_ = outer;
  return result;
}

int Monkey::HandlerAction(int number, int kind, std::intptr_t item) {
  const int what = Pick(1000);
  if (what < 60) {
    ++tally_.vetoes;
    Log("handler(%d, kind %d, item %ld): vetoes", number, kind, static_cast<long>(item));
    return 0;
  }
  if (what < 75) {
    const int window =
        Chance(50) && gadgets_.count(number) ? gadgets_[number].owner : RandomWindow();
    Log("handler(%d, kind %d, item %ld): closes a window", number, kind, static_cast<long>(item));
    CloseWindowCmd(window);
  } else if (what < 95) {
    Log("handler(%d, kind %d, item %ld): a command", number, kind, static_cast<long>(item));
    Command();
  } else if (what < 100) {
    Log("handler(%d, kind %d, item %ld): makes a gadget", number, kind, static_cast<long>(item));
    CreateGadget();
  } else if (what < 101 && depth_ < kMaxRequesterDepth) {
    Log("handler(%d, kind %d, item %ld): opens a requester", number, kind, static_cast<long>(item));
    Requester();
  }
  return 1;
}

//-----------------------------------------------------------------------------
// [SECTION] Input
//-----------------------------------------------------------------------------

// A point inside a gadget of the live window, from the records (read only, as a user sees them).
bool Monkey::GadgetPoint(int number, std::pair<int, int>& point) {
  const Gadget* g = detail::FindGadget(number);
  if (g == nullptr) return false;
  long long ox = 0, oy = 0;
  if (g->window != 0) {
    const ScreenWindow* w = Toolkit().WindowList.Find(g->window);
    if (w == nullptr || Toolkit().ActiveWindow != g->window) return false;
    int x = 0, y = 0;
    detail::ContentOrigin(*w, Chance(50), x, y);
    ox = x;
    oy = y;
  } else if (Toolkit().ActiveWindow != 0) {
    return false;
  }
  const long long x = ox + g->x + Pick(std::clamp(g->width, 1, 4000));
  const long long y = oy + g->y + Pick(std::clamp(g->height, 1, 4000));
  point = {static_cast<int>(std::clamp<long long>(x, -50, kScreenW + 50)),
           static_cast<int>(std::clamp<long long>(y, -50, kScreenH + 50))};
  return true;
}

std::pair<int, int> Monkey::Target(bool inRequester) {
  std::pair<int, int> point{Between(-4, kScreenW + 4), Between(-4, kScreenH + 4)};
  const int what = Pick(10);
  if (what < 6) {
    int number = 0;
    if (inRequester) {
      number = Between(-24, -1);
    } else {
      // A gadget of the live window: only those take presses.
      std::vector<int> live;
      for (const auto& [n, g] : gadgets_) {
        if (g.owner == Toolkit().ActiveWindow) live.push_back(n);
      }
      if (!live.empty()) number = live[Pick(static_cast<int>(live.size()))];
    }
    if (number != 0) GadgetPoint(number, point);
  } else if (what < 9) {
    const ScreenWindow* w = Toolkit().WindowList.Find(Toolkit().ActiveWindow);
    if (w != nullptr) {
      const int outer = detail::OuterWidth(*w);
      // The title bar (drags, the buttons at its right end) or the menu bar below it.
      const int x =
          what == 7 ? w->x + outer - Between(2, 60) : w->x + Pick(std::clamp(outer, 1, 2000));
      const int y = w->y + (what == 8 ? Between(20, 44) : Between(0, 22));
      point = {std::clamp(x, -50, kScreenW + 50), std::clamp(y, -50, kScreenH + 50)};
    }
  }
  return point;
}

void Monkey::Input(bool inRequester) {
  // A click or double click in progress: one press or release of the left button a frame, the
  // mouse kept still.
  if (!clicks_.empty()) {
    const bool down = clicks_.front();
    clicks_.erase(clicks_.begin());
    Log("click: button 1 %s", down ? "down" : "up");
    headless::SetButton(1, down);
    heldButtons_ = down ? 1 : 0;
    return;
  }
  const int actions = Pick(4);
  for (int i = 0; i < actions; ++i) {
    switch (Pick(19)) {
      case 16:
      case 17:
      case 18: {
        const auto [x, y] = Target(inRequester);
        const bool twice = Chance(30);
        Log("%s at %d, %d", twice ? "double click" : "click", x, y);
        headless::SetMouse(x, y);
        for (int b = 1; b <= 3; ++b) headless::SetButton(b, false);
        clicks_ =
            twice ? std::vector<bool>{true, false, true, false} : std::vector<bool>{true, false};
        return;
      }
      case 0:
      case 1:
      case 2:
      case 3:
      case 4: {
        const auto [x, y] = Target(inRequester);
        Log("mouse to %d, %d%s", x, y, heldButtons_ != 0 ? " (held)" : "");
        headless::SetMouse(x, y);
        break;
      }
      case 5:
      case 6:
      case 7: {
        const int button = Chance(85) ? 1 : Chance(70) ? 2 : 3;
        if (Chance(60)) {
          const auto [x, y] = Target(inRequester);
          headless::SetMouse(x, y);
        }
        Log("button %d down at %d, %d", button, headless::MouseXNow(), headless::MouseYNow());
        headless::SetButton(button, true);
        heldButtons_ |= 1 << (button - 1);
        break;
      }
      case 8:
      case 9:
        Log("buttons up");
        for (int b = 1; b <= 3; ++b) headless::SetButton(b, false);
        heldButtons_ = 0;
        break;
      case 10: {
        const int notches = Chance(80) ? Between(-3, 3) : Between(-40, 40);
        Log("wheel %d", notches);
        headless::AddWheel(notches);
        break;
      }
      case 11:
      case 12:
      case 13: {
        const int key = Chance(90) ? kKeys[Pick(kKeys.size())] : Between(1, 255);
        Log("key %d down", key);
        headless::SetKey(key, true);
        heldKeys_.insert(key);
        break;
      }
      case 14: {
        const int key = kModifiers[Pick(kModifiers.size())];
        const bool down = heldKeys_.count(key) == 0;
        Log("modifier %d %s", key, down ? "down" : "up");
        headless::SetKey(key, down);
        if (down) heldKeys_.insert(key);
        if (!down) heldKeys_.erase(key);
        break;
      }
      default: {
        const int what = Pick(3);
        if (what == 0) {
          const bool on = Chance(50);
          Log("caps lock %d", on);
          headless::SetCapsLock(on);
        } else if (what == 1) {
          const bool on = Chance(50);
          Log("num lock %d", on);
          headless::SetNumLock(on);
        } else {
          Log("all keys up");
          headless::ReleaseAllKeys();
          heldKeys_.clear();
        }
        break;
      }
    }
  }
  // Keys are let go soon, as hands do; a few stay held for a while (repeats, modifiers).
  for (auto it = heldKeys_.begin(); it != heldKeys_.end();) {
    if (Chance(45)) {
      headless::SetKey(*it, false);
      it = heldKeys_.erase(it);
    } else {
      ++it;
    }
  }
}

//-----------------------------------------------------------------------------
// [SECTION] Checks
//-----------------------------------------------------------------------------

void Monkey::CheckGadget(int number, const GadgetModel& g) {
  const std::string name =
      std::string(kKindNames[static_cast<int>(g.kind)]) + " " + std::to_string(number);
  Require(GadgetExists(number) == 1, name + " vanished");
  Require(RecordNumber(g.handle) == number, name + ": its record handle names another number");
  const int state = GetGadgetState(number);
  Require(RecordState(g.handle) == state, name + ": RecordState and GetGadgetState disagree");
  const long long lo = std::min(g.low, g.high), hi = std::max(g.low, g.high);
  switch (g.kind) {
    case Kind::CheckBox:
    case Kind::Option:
      Require(state == 0 || state == 1, name + ": state neither 0 nor 1");
      break;
    case Kind::Button:
    case Kind::ImageButton:
      if ((g.flags & BUTTON_TOGGLE) != 0)
        Require(state == 0 || state == 1, name + ": toggle state neither 0 nor 1");
      break;
    case Kind::Spin:
      Require(state >= std::min(lo, 0LL) && state <= std::max(hi, 0LL),
              name + ": value outside its range");
      break;
    case Kind::ProgressBar:
    case Kind::TrackBar:
      Require(state >= lo && state <= hi, name + ": value outside its range");
      break;
    case Kind::ScrollBar: {
      const long long top = std::max(lo, hi - std::max(g.page, 1LL) + 1);
      Require(state >= lo && state <= top, name + ": value outside minimum .. maximum - page + 1");
      break;
    }
    case Kind::ColumnList:
    case Kind::ComboBox:
    case Kind::Tree:
    case Kind::FileList: {
      const int count = CountGadgetItems(number);
      if (g.kind != Kind::FileList)
        Require(count == g.items, name + ": item count differs from the items added");
      Require(state >= -1 && state < count, name + ": selection outside the items");
      if (g.kind == Kind::ColumnList || g.kind == Kind::Tree) {
        Require(GetGadgetText(number) == (state >= 0 ? GetItemText(number, state) : ""),
                name + ": its text is not the selected item's");
      }
      break;
    }
    case Kind::String: {
      const std::string text = GetGadgetText(number);
      Require(state >= -1 && state <= static_cast<long long>(text.size()),
              name + ": caret outside the text");
      if (g.maximum >= 0) {
        std::size_t line = 0;
        for (const char c : text) {
          line = (c == '\n' && (g.flags & STRING_MULTILINE) != 0) ? 0 : line + 1;
          Require(line <= static_cast<std::size_t>(g.maximum),
                  name + ": text longer than its maximum");
        }
      }
      break;
    }
    case Kind::Date:
    case Kind::Calendar:
      if (state != 0 && g.limited) {
        // Limits are kept as whole minutes and compared by date parts: a minute either way.
        if (g.lowerDate > 0)
          Require(state >= g.lowerDate - 60, name + ": date before its lower limit");
        if (g.upperDate > 0)
          Require(state <= g.upperDate + 60, name + ": date after its upper limit");
      }
      break;
    default:
      break;
  }
  const bool items = g.kind == Kind::ColumnList || g.kind == Kind::ComboBox ||
                     g.kind == Kind::Tree || g.kind == Kind::FileList;
  if (!items) Require(CountGadgetItems(number) == 0, name + ": items in a type without items");
}

void Monkey::CheckFrame(int event, int menu, int windowEvent) {
  if (event != 0) {
    const bool known =
        std::find(eventSources_.begin(), eventSources_.end(), event) != eventSources_.end();
    Require(known || (requesterRan_ && event < 0),
            "GadgetEvent reported a gadget that did not exist: " + std::to_string(event));
  }
  Require(windowEvent >= 0 && windowEvent <= WINDOW_EVENT_MIN_SIZE, "WindowEvent outside the list");
  Require(menu == 0 || menuEvents_.count(menu) != 0,
          "MenuEvent reported an event never registered: " + std::to_string(menu));
  for (const auto& [number, g] : gadgets_) CheckGadget(number, g);
  for (const int number : deadGadgets_) {
    Require(GadgetExists(number) == 0, "closed gadget " + std::to_string(number) + " still exists");
  }
  for (Gadget* handle : deadHandles_) {
    Require(
        RecordNumber(handle) == 0 && RecordState(handle) == 0 && RecordItemText(handle, 0).empty(),
        "the handle of a closed gadget names a record");
  }
  for (MenuEntry* entry : deadEntries_) {
    bool live = false;
    for (const EntryModel& e : entries_) live = live || e.handle == entry;
    if (!live)
      Require(SetMenuItemState(entry, 0) == 0, "the handle of a closed menu entry names an entry");
  }
  for (const auto& [number, flags] : windows_) {
    Require(WindowExists(number) == 1, "window " + std::to_string(number) + " vanished");
    for (const int size : {WindowWidth(number), WindowHeight(number), WindowOuterWidth(number),
                           WindowOuterHeight(number)}) {
      Require(size >= -COORDINATE_LIMIT && size <= COORDINATE_LIMIT + 100,
              "window " + std::to_string(number) + " size " + std::to_string(size) +
                  " outside the coordinate range");
    }
  }
  for (const int number : deadWindows_) {
    Require(WindowExists(number) == 0, "closed window " + std::to_string(number) + " still exists");
  }
  Require(Known(CurrentGadgetListOwner()), "the gadget list owner is no open window");
  const int open = OpenMenuNumber();
  Require(open == 0 || menus_.count(open) != 0, "an open menu the model does not know");
  // Every number the monkey may choose itself: exists exactly when the model says so.
  for (int n = -6; n <= 120; ++n) {
    Require(GadgetExists(n) == (gadgets_.count(n) != 0 ? 1 : 0),
            "gadget " + std::to_string(n) + " exists against the model");
  }
  for (int n = -6; n <= 12; ++n) {
    Require(WindowExists(n) == (windows_.count(n) != 0 ? 1 : 0),
            "window " + std::to_string(n) + " exists against the model");
  }
}

//-----------------------------------------------------------------------------
// [SECTION] The run
//-----------------------------------------------------------------------------

Tally Monkey::Go() {
  headless::Reset();
  headless::Use();
  if (OpenScreen(kScreenW, kScreenH, 32, "monkey") == 0) Fail("no headless screen");
  headless::SetFrameAdvance(20);
  font_ = LoadFont(ANY_NUMBER, "MS Sans Serif", 8);
  // Besides the gadget font: a tiny, a large and a bold one.
  fonts_ = {font_, LoadFont(ANY_NUMBER, "MS Sans Serif", 1), LoadFont(ANY_NUMBER, "Arial", 36),
            LoadFont(ANY_NUMBER, "MS Sans Serif", 10, FONT_BOLD)};
  ClearScreen(0x00ff00);
  sprite_ = CaptureSprite(ANY_NUMBER, 0, 0, 16, 16);
  imageNumber_ = CreateImage(ANY_NUMBER, 14, 14);
  image_ = ImageHandle(imageNumber_);
  StartOver();
  for (frame_ = 0; frame_ < run_.frames; ++frame_) {
    eventSources_.clear();
    for (const auto& [number, g] : gadgets_) eventSources_.push_back(number);
    hiddenAllFrame_.clear();
    requesterRan_ = false;
    const int commands = Chance(55) ? 0 : Chance(70) ? 1 : Between(2, 5);
    for (int i = 0; i < commands; ++i) Command();
    if (gadgets_.size() >= kMaxGadgets && Chance(10)) CloseWindowCmd(RandomWindow());
    Input(false);
    if (Chance(95)) ClearScreen(0x808080);
    for (const auto& [number, g] : gadgets_) {
      if (g.hidden) hiddenAllFrame_.insert(number);
    }
    inFrame_ = true;
    const int event = GadgetEvent();
    inFrame_ = false;
    const std::set<int> hidden = std::move(hiddenAllFrame_);
    hiddenAllFrame_.clear();
    const int menu = MenuEvent();
    const int windowEvent = WindowEvent();
    ShowFrame();
    tally_.gadgetEvents += event != 0 ? 1 : 0;
    tally_.menuEvents += menu != 0 ? 1 : 0;
    tally_.windowEvents += windowEvent != 0 ? 1 : 0;
    Require(event == 0 || hidden.count(event) == 0, "a hidden gadget reported an event");
    CheckFrame(event, menu, windowEvent);
    if (windowEvent == WINDOW_EVENT_CLOSE && Chance(60)) {
      const ScreenWindow* w = detail::ActiveWindowRecord();
      if (w != nullptr) CloseWindowCmd(w->number);
    }
  }
  tally_.frames = headless::FrameCount();
  CloseScreen();
  return tally_;
}

bool MakeSoakDirectory(const std::string& root) {
  const auto file = [](const std::string& path) {
    std::ofstream out(path);
    out << "monkey\n";
    return static_cast<bool>(out);
  };
  bool ok = mkdir((root + "/deep").c_str(), 0755) == 0 &&
            mkdir((root + "/deep/sub").c_str(), 0755) == 0 &&
            mkdir((root + "/deep/sub/deeper").c_str(), 0755) == 0 &&
            mkdir((root + "/deep/many").c_str(), 0755) == 0;
  for (const char* name : {"one.txt", "two.log", "three.TXT", "readonly.txt", "\xE4pfel.txt",
                           "\xC3\xBC"
                           "ber.txt",
                           "no extension", "sub/inner.txt"}) {
    ok = ok && file(root + "/deep/" + name);
  }
  for (int i = 0; i < 60; ++i)
    ok = ok && file(root + "/deep/many/file" + std::to_string(i) + ".txt");
  return ok && chmod((root + "/deep/readonly.txt").c_str(), 0444) == 0;
}

Tally& Tally::operator+=(const Tally& t) {
  frames += t.frames;
  commands += t.commands;
  gadgetEvents += t.gadgetEvents;
  menuEvents += t.menuEvents;
  windowEvents += t.windowEvents;
  handlerCalls += t.handlerCalls;
  vetoes += t.vetoes;
  requesters += t.requesters;
  return *this;
}

Tally RunMonkey(const Run& run) {
  static bool installed = false;
  if (!installed) {
    installed = true;
    for (const int sig : {SIGSEGV, SIGABRT, SIGFPE, SIGBUS, SIGILL}) signal(sig, OnSignal);
#ifdef BEVEL_SOAK_ASAN
    __sanitizer_set_death_callback(ReportCrash);
#endif
  }
  Monkey monkey(run);
  running = &monkey;
  const Tally tally = monkey.Go();
  running = nullptr;
  return tally;
}

}  // namespace bevel::soak
