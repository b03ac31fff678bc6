// The monkey's driver: random commands, random input, the model and its checks.
//
// Index of this file:
// [SECTION] Log formatting
// [SECTION] The model
// [SECTION] The monkey
// [SECTION] Failure reports
// [SECTION] Arguments
// [SECTION] Keeping the model
// [SECTION] Gadget commands
// [SECTION] Window and menu commands
// [SECTION] Requesters
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

constexpr int kScreenW = 512, kScreenH = 384;
constexpr int kMaxGadgets = 90;
constexpr int kMaxWindows = 8;
constexpr int kMaxRequesterDepth = 2;
// Frames a requester may run before the monkey closes it from outside; it must end well before
// kRequesterHang.
constexpr int kRequesterPatience = 100;
constexpr int kRequesterHang = 1200;
constexpr int kNobody = INT_MIN + 7;  // no handler runs

enum class Kind {
  Button,
  CheckBox,
  Option,
  Spin,
  Text,
  ColumnList,
  String,
  ProgressBar,
  ComboBox,
  Frame3D,
  TrackBar,
  ScrollBar,
  HyperLink,
  ImageButton,
  Tree,
  FileList,
  Date,
  Calendar,
  Count
};
constexpr std::array<const char*, static_cast<int>(Kind::Count)> kKindNames = {
    "Button",    "CheckBox",    "Option",   "Spin",     "Text",     "ColumnList",
    "String",    "ProgressBar", "ComboBox", "Frame3D",  "TrackBar", "ScrollBar",
    "HyperLink", "ImageButton", "Tree",     "FileList", "Date",     "Calendar"};

// Keys the gadgets and requesters react to; any other scan code is drawn now and then.
constexpr std::array<int, 44> kKeys = {KEY_LEFT,
                                       KEY_RIGHT,
                                       KEY_UP,
                                       KEY_DOWN,
                                       KEY_HOME,
                                       KEY_END,
                                       KEY_ENTER,
                                       KEY_TAB,
                                       KEY_BACKSPACE,
                                       KEY_DELETE,
                                       KEY_ESCAPE,
                                       KEY_SPACE,
                                       KEY_PAGE_UP,
                                       KEY_PAGE_DOWN,
                                       KEY_INSERT,
                                       KEY_KEYPAD_ENTER,
                                       KEY_A,
                                       KEY_C,
                                       KEY_V,
                                       KEY_X,
                                       KEY_Z,
                                       KEY_Y,
                                       KEY_Q,
                                       KEY_E,
                                       KEY_M,
                                       KEY_1,
                                       KEY_2,
                                       KEY_0,
                                       KEY_7,
                                       KEY_9,
                                       KEY_F1,
                                       KEY_F4,
                                       KEY_F10,
                                       12,
                                       13,
                                       26,
                                       39,
                                       40,
                                       43,
                                       51,
                                       52,
                                       53,
                                       86,
                                       83};
constexpr std::array<int, 6> kModifiers = {KEY_LEFT_SHIFT, KEY_RIGHT_SHIFT, KEY_LEFT_CTRL,
                                           KEY_RIGHT_CTRL, KEY_LEFT_ALT,    KEY_RIGHT_ALT};
// Numbers at the edges of int and of the toolkit's ranges.
constexpr std::array<int, 16> kAbsurd = {
    0,      -1,      1,       INT_MAX,  INT_MIN,    INT_MAX - 1, INT_MIN + 1, 65535,
    -65535, 1000000, 1000001, -1000001, 2147483000, -2147483000, 71427,       71428};

//-----------------------------------------------------------------------------
// [SECTION] Log formatting
//-----------------------------------------------------------------------------

// Texts in the log: printable bytes as they are, the others as \xNN, long ones cut.
std::string Quote(std::string_view text) {
  std::string out = "\"";
  const std::size_t shown = std::min<std::size_t>(text.size(), 28);
  for (std::size_t i = 0; i < shown; ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c >= 0x20 && c < 0x7f && c != '"' && c != '\\') {
      out += static_cast<char>(c);
    } else {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\x%02x", c);
      out += buf;
    }
  }
  if (shown < text.size()) out += "..(" + std::to_string(text.size()) + " bytes)";
  return out + "\"";
}

std::string Num(int value) {
  if (value == ANY_NUMBER) return "ANY_NUMBER";
  if (value == INT_MAX) return "INT_MAX";
  return std::to_string(value);
}

std::string Hex(int value) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "0x%x", static_cast<unsigned>(value));
  return buf;
}

//-----------------------------------------------------------------------------
// [SECTION] The model
//-----------------------------------------------------------------------------
// What the monkey created and has not seen closed. Records of requester windows are not in it:
// gadgets and menus made inside a requester belong to a window the model does not know, and go
// when it does.

struct GadgetModel {
  Kind kind = Kind::Button;
  int owner = 0;
  int flags = 0;
  long long low = 0, high = 0;  // value range of bars and Spin (given order)
  long long page = 1;
  int maximum = -1;  // String
  int items = 0;     // ColumnList, ComboBox, Tree: the items added and not removed
  bool limited = false;
  long long lowerDate = 0, upperDate = 0;
  Gadget* handle = nullptr;
};

struct MenuModel {
  int owner = 0;
};

struct EntryModel {
  MenuEntry* handle = nullptr;
  int menu = 0;
};

class Monkey;
Monkey* running = nullptr;  // the monkey whose report a crash prints

//-----------------------------------------------------------------------------
// [SECTION] The monkey
//-----------------------------------------------------------------------------

class Monkey {
 public:
  explicit Monkey(const Run& run)
      : run_(run), rng_(run.seed), log_(static_cast<std::size_t>(std::max(run.logLines, 1))) {}

  Tally Go();
  void PrintReport(const char* what) const;

 private:
  // Randomness.
  int Pick(int n) { return n <= 1 ? 0 : static_cast<int>(rng_() % static_cast<unsigned>(n)); }
  bool Chance(int percent) { return Pick(100) < percent; }
  int Between(int low, int high) {
    const auto span = static_cast<unsigned long long>(static_cast<long long>(high) - low + 1);
    return static_cast<int>(low + static_cast<long long>(rng_() % span));
  }
  int Absurd() { return Chance(20) ? static_cast<int>(rng_()) : kAbsurd[Pick(kAbsurd.size())]; }
  int Coord(int span) { return Chance(88) ? Between(-8, span) : Absurd(); }
  int Size(int plausible) { return Chance(88) ? Between(0, plausible) : Absurd(); }
  std::string Text(int longest);
  int Colour();
  int Flags(int known);

  // The log and failures.
  void Log(const char* format, ...) __attribute__((format(printf, 2, 3)));
  [[noreturn]] void Fail(const std::string& what);
  void Require(bool holds, const std::string& what) {
    if (!holds) Fail(what);
  }

  // The model.
  void ForgetGadget(int number);
  void ForgetWindow(int number);
  void PruneOrphans();
  void StartOver();
  int RandomGadget();
  int RandomWindow();
  int RandomMenu();
  MenuEntry* RandomEntry();
  bool Known(int owner) const { return owner == 0 || windows_.count(owner) != 0; }

  // Commands.
  void Command();
  void CreateGadget();
  void ItemCommand();
  void StateCommand();
  void TextCommand();
  void LookCommand();
  void WindowCommand();
  void MenuCommand();
  void SettingCommand();
  void CloseWindowCmd(int number);
  GadgetModel* CheckCreated(const std::string& what, int number, int flags, int result, Kind kind);
  std::string FilePath();

  // Requesters.
  void Requester();
  template <class Call>
  auto InRequester(Call call);
  void RequesterFrame(int frame);
  int RequesterAnswer(int kind, int value);

  // Handlers and input.
  int Handler(Gadget* gadget, int kind, std::intptr_t item);
  int HandlerAction(int number, int kind, std::intptr_t item);
  void InstallHandlers();
  void Input(bool inRequester);
  std::pair<int, int> Target(bool inRequester);
  bool GadgetPoint(int number, std::pair<int, int>& point);

  // Checks.
  void CheckFrame(int event, int menu, int windowEvent);
  void CheckGadget(int number, const GadgetModel& g);

  Run run_;
  Tally tally_;
  std::mt19937_64 rng_;
  int frame_ = 0;
  std::vector<std::string> log_;  // a ring of the last run.logLines lines
  std::size_t logNext_ = 0;

  std::map<int, GadgetModel> gadgets_;
  std::map<int, int> windows_;  // number -> flags
  std::map<int, MenuModel> menus_;
  std::vector<EntryModel> entries_;
  std::set<int> menuEvents_;
  std::vector<Gadget*> deadHandles_;
  std::vector<MenuEntry*> deadEntries_;
  std::set<int> deadGadgets_, deadWindows_;
  int currentMenu_ = 0;  // the menu entries are appended to; 0 none
  bool currentMenuLive_ = false;
  std::vector<int> eventSources_;  // gadgets that may report an event in this frame
  int handlers_ = 0;
  bool inFrame_ = false;  // GadgetEvent runs (handlers are called from inside it)
  int asked_ = kNobody;   // the gadget the running handler was asked about

  int depth_ = 0;  // requesters running
  int requesterFrames_ = 0, requesterLastFrame_ = -1;
  bool requesterRan_ = false;

  std::set<int> heldKeys_;
  int heldButtons_ = 0;       // bit n-1: button n
  std::vector<bool> clicks_;  // the left button's next states, one a frame
  int sprite_ = 0, image_ = 0, font_ = 0;
};

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

void ReportCrash() {
  if (running != nullptr) running->PrintReport("crashed (see the message above or below)");
}

void OnSignal(int sig) {
  ReportCrash();
  running = nullptr;
  signal(sig, SIG_DFL);
  raise(sig);
}

//-----------------------------------------------------------------------------
// [SECTION] Arguments
//-----------------------------------------------------------------------------

// Random Windows-1252 bytes without NUL: letters mostly, high bytes, line breaks, tabs and the
// inline codes with and without their parameters.
std::string Monkey::Text(int longest) {
  const int length = Chance(5) ? Between(longest, longest * 8) : Pick(longest + 1);
  std::string text;
  text.reserve(static_cast<std::size_t>(length));
  for (int i = 0; i < length; ++i) {
    const int what = Pick(100);
    if (what < 55) {
      text += static_cast<char>(Chance(80) ? 'a' + Pick(26) : 'A' + Pick(26));
    } else if (what < 65) {
      text += Chance(50) ? ' ' : static_cast<char>('0' + Pick(10));
    } else if (what < 77) {
      text += static_cast<char>(Between(0x80, 0xff));
    } else if (what < 82) {
      text += '\n';
    } else if (what < 84) {
      text += Chance(50) ? '\r' : '\t';
    } else if (what < 92) {
      constexpr std::array<char, 14> kCodes = {9,  14, 15, 16, 17, 18, 19,
                                               20, 21, 22, 23, 24, 25, 31};
      text += kCodes[Pick(kCodes.size())];
      if (Chance(60)) text += Chance(50) ? "FF00aa" : "1fW";
    } else {
      text += static_cast<char>(Between(1, 255));
    }
  }
  return text;
}

int Monkey::Colour() {
  switch (Pick(6)) {
    case 0:
      return -1;
    case 1:
      return Absurd();
    case 2:
      return font_;
    default:
      return Between(0, 0xffffff);
  }
}

// Mostly bits the type knows, sometimes any.
int Monkey::Flags(int known) {
  if (Chance(10)) return static_cast<int>(rng_());
  int flags = 0;
  for (int bit = 0; bit < 31; ++bit) {
    if ((known & (1 << bit)) != 0 && Chance(25)) flags |= 1 << bit;
  }
  if (Chance(4)) flags |= GADGET_INTERNAL;
  return flags;
}

// A path inside the soak directory, now and then one that does not exist or random bytes.
std::string Monkey::FilePath() {
  const std::string& d = run_.directory;
  switch (Pick(9)) {
    case 0:
      return d + "/deep/";
    case 1:
      return d + "/deep/*.txt";
    case 2:
      return d + "/deep/*.txt;*.log";
    case 3:
      return d + "/deep/sub/";
    case 4:
      return d + "/deep/many/*";
    case 5:
      return d + "/deep/missing/";
    case 6:
      return d + "/deep/sub/" + Text(6);
    case 7:
      return d + "/deep\\sub\\*.TXT";
    default:
      return d + "/deep/" + Text(4) + "*";
  }
}

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

// After a requester ended: what was made inside it went with its window. The windows of the
// requesters still running (when one ran inside another) are not in the model either; they are
// the ones that still exist.
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
// [SECTION] Gadget commands
//-----------------------------------------------------------------------------

// Checks a creator's result against the model and records the new gadget: its model, nullptr
// when none was made.
GadgetModel* Monkey::CheckCreated(const std::string& what, int number, int flags, int result,
                                  Kind kind) {
  Log("%s -> %d", what.c_str(), result);
  const bool valid = number == ANY_NUMBER || number >= 1 || (flags & GADGET_INTERNAL) != 0;
  // Inside a requester its own gadgets (negative numbers) are not in the model.
  if (depth_ == 0 || number >= 1) {
    if (!valid) {
      Require(result == 0, what + " made a gadget with an invalid number");
    } else if (number == ANY_NUMBER) {
      Require(result != 0 && gadgets_.count(result) == 0,
              what + " gave no fresh number for ANY_NUMBER");
    } else {
      const bool used = gadgets_.count(number) != 0;
      const int expected = used ? 0 : (number == 0 ? 1 : number);
      Require(result == expected, what + " result disagrees with the numbers in use");
    }
  }
  if (result == 0) return nullptr;
  const int stored = number == ANY_NUMBER ? result : number;
  GadgetModel g;
  g.kind = kind;
  g.owner = CurrentGadgetListOwner();
  g.flags = flags;
  g.handle = GadgetRecord(stored);
  Require(g.handle != nullptr, "no record handle for a gadget just made");
  Require(std::find(deadHandles_.begin(), deadHandles_.end(), g.handle) == deadHandles_.end(),
          "a new gadget got the record handle of a closed one");
  deadGadgets_.erase(stored);
  eventSources_.push_back(stored);
  return &(gadgets_[stored] = g);
}

void Monkey::CreateGadget() {
  if (gadgets_.size() >= kMaxGadgets) return;
  const Kind kind = static_cast<Kind>(Pick(static_cast<int>(Kind::Count)));
  int number = ANY_NUMBER;
  const int how = Pick(100);
  if (how < 40) number = Between(1, 120);
  if (how >= 90) number = Chance(50) ? Between(-6, 0) : Absurd();
  // Mostly inside the owner's content area, where presses reach it.
  const int owner = CurrentGadgetListOwner();
  const int spanX = owner != 0 ? std::clamp(WindowWidth(owner), 20, kScreenW) : kScreenW;
  const int spanY = owner != 0 ? std::clamp(WindowHeight(owner), 20, kScreenH) : kScreenH;
  const int x = Coord(spanX * 3 / 4), y = Coord(spanY * 3 / 4);
  const int w = Size(std::min(spanX, 200)), h = Size(std::min(spanY, 120));
  const int rows = Chance(90) ? Between(0, 12) : Absurd();
  const std::string text = Text(16);
  const std::string name = kKindNames[static_cast<int>(kind)];
  // "CreateX(number, x, y, width, height" of the log line.
  const auto call = [&](int height) {
    return "Create" + name + "(" + Num(number) + ", " + std::to_string(x) + ", " +
           std::to_string(y) + ", " + std::to_string(w) + ", " + std::to_string(height);
  };
  switch (kind) {
    case Kind::Button:
    case Kind::CheckBox:
    case Kind::Text:
    case Kind::Frame3D:
    case Kind::HyperLink: {
      const int flags = Flags(ALIGN_LEFT | ALIGN_RIGHT | ALIGN_CENTER | BUTTON_TOGGLE |
                              FRAME_SINGLE | FRAME_DOUBLE_SUNKEN | FRAME_FLAT);
      const int hover = Colour();
      std::string what = call(h) + ", " + Quote(text);
      if (kind == Kind::HyperLink) what += ", " + Hex(hover);
      what += ", " + Hex(flags) + ")";
      int result = 0;
      if (kind == Kind::Button) result = CreateButton(number, x, y, w, h, text, flags);
      if (kind == Kind::CheckBox) result = CreateCheckBox(number, x, y, w, h, text, flags);
      if (kind == Kind::Text) result = CreateText(number, x, y, w, h, text, flags);
      if (kind == Kind::Frame3D) result = CreateFrame3D(number, x, y, w, h, text, flags);
      if (kind == Kind::HyperLink) result = CreateHyperLink(number, x, y, w, h, text, hover, flags);
      CheckCreated(what, number, flags, result, kind);
      break;
    }
    case Kind::Option:
      CheckCreated(call(h) + ", " + Quote(text) + ")", number, 0,
                   CreateOption(number, x, y, w, h, text), kind);
      break;
    case Kind::ImageButton: {
      const int image = Chance(70) ? sprite_ : Absurd();
      const int flags = Flags(BUTTON_TOGGLE);
      CheckCreated(call(h) + ", " + Num(image) + ", " + Hex(flags) + ")", number, flags,
                   CreateImageButton(number, x, y, w, h, image, flags), kind);
      break;
    }
    case Kind::Spin:
    case Kind::ProgressBar:
    case Kind::TrackBar:
    case Kind::ScrollBar: {
      const int low = Chance(70) ? Between(-50, 50) : Absurd();
      const int high = Chance(70) ? Between(-50, 200) : Absurd();
      const int page = Chance(70) ? Between(-2, 40) : Absurd();
      const int flags = Flags(SPIN_REVERSED | FLAG_VERTICAL | FLAG_TICKS);
      std::string what = call(h) + ", " + Num(low) + ", " + Num(high);
      if (kind == Kind::ScrollBar) what += ", " + Num(page);
      what += ", " + Hex(flags) + ")";
      int result = 0;
      if (kind == Kind::Spin) result = CreateSpin(number, x, y, w, h, low, high, flags);
      if (kind == Kind::ProgressBar) {
        result = CreateProgressBar(number, x, y, w, h, low, high, flags);
      }
      if (kind == Kind::TrackBar) result = CreateTrackBar(number, x, y, w, h, low, high, flags);
      if (kind == Kind::ScrollBar) {
        result = CreateScrollBar(number, x, y, w, h, low, high, page, flags);
      }
      if (GadgetModel* g = CheckCreated(what, number, flags, result, kind)) {
        g->low = low;
        g->high = high;
        g->page = page;
      }
      break;
    }
    case Kind::ColumnList:
    case Kind::Tree:
    case Kind::ComboBox:
    case Kind::FileList: {
      // File lists never go up out of the soak directory: the run stays the same from one
      // machine to the next.
      const int flags =
          Flags(ALIGN_RIGHT | ALIGN_CENTER | LIST_NO_SELECTION | LIST_MULTI_SELECT |
                LIST_EXTENDED_SELECT | LIST_CHECKBOXES | LIST_NO_HEADER | LIST_HEADER_FIXED |
                LIST_ALWAYS_SCROLLBAR | LIST_IMAGES | TREE_NO_LINES | COMBO_EDITABLE |
                STRING_NUMERIC | STRING_LOWER_CASE | STRING_UPPER_CASE | STRING_READONLY |
                FILES_NO_SUBDIRS | FILES_NO_OPEN | FILES_SORTED | FILES_DIRS_ONLY) |
          (kind == Kind::FileList ? FILES_NO_PARENT : 0);
      std::string what = call(rows);
      int result = 0;
      if (kind == Kind::ColumnList) {
        what += ", " + Quote(text) + ", " + Hex(flags) + ")";
        result = CreateColumnList(number, x, y, w, rows, text, flags);
      } else if (kind == Kind::Tree) {
        what += ", " + Hex(flags) + ")";
        result = CreateTree(number, x, y, w, rows, flags);
      } else if (kind == Kind::ComboBox) {
        what += ", " + Hex(flags) + ")";
        result = CreateComboBox(number, x, y, w, rows, flags);
      } else {
        const std::string path = FilePath();
        what += ", " + Quote(path) + ", " + Hex(flags) + ")";
        result = CreateFileList(number, x, y, w, rows, path, flags);
      }
      CheckCreated(what, number, flags, result, kind);
      break;
    }
    case Kind::String: {
      const int maximum = Chance(60) ? Between(-2, 30) : Absurd();
      const int flags =
          Flags(ALIGN_RIGHT | ALIGN_CENTER | STRING_PASSWORD | STRING_MULTILINE | STRING_READONLY |
                STRING_NUMERIC | STRING_LOWER_CASE | STRING_UPPER_CASE);
      const std::string what =
          call(h) + ", " + Quote(text) + ", " + Num(maximum) + ", " + Hex(flags) + ")";
      if (GadgetModel* g = CheckCreated(
              what, number, flags, CreateString(number, x, y, w, h, text, maximum, flags), kind)) {
        g->maximum = maximum;
      }
      break;
    }
    case Kind::Date: {
      static constexpr std::array<std::string_view, 5> kMasks = {"", "%dd.%mm.%yyyy",
                                                                 "%hh:%ii %yy/%m/%d", "%d", "x"};
      const std::string mask = Chance(80) ? std::string(kMasks[Pick(kMasks.size())]) : Text(10);
      const int date = Chance(60) ? Between(0, 2000000000) : Absurd();
      const int flags = Flags(DATE_UPDOWN | DATE_CHECKBOX | STRING_NUMERIC);
      CheckCreated(call(h) + ", " + Quote(mask) + ", " + Num(date) + ", " + Hex(flags) + ")",
                   number, flags, CreateDate(number, x, y, w, h, mask, date, flags), kind);
      break;
    }
    case Kind::Calendar: {
      const int date = Chance(60) ? Between(0, 2000000000) : Absurd();
      CheckCreated(call(h) + ", " + Num(date) + ")", number, 0,
                   CreateCalendar(number, x, y, w, h, date), kind);
      break;
    }
    case Kind::Count:
      break;
  }
}

void Monkey::ItemCommand() {
  const int number = RandomGadget();
  const auto it = gadgets_.find(number);
  const bool editable =
      it != gadgets_.end() && (it->second.kind == Kind::ColumnList ||
                               it->second.kind == Kind::ComboBox || it->second.kind == Kind::Tree);
  const int count = CountGadgetItems(number);
  const int index = Chance(85) ? Between(-1, count) : Absurd();
  const std::string text = Text(14);
  switch (Pick(10)) {
    case 0:
    case 1:
    case 2: {
      if (count > 400) break;
      const int position = Chance(70) ? -1 : (Chance(70) ? Between(0, count) : Absurd());
      int result = 0;
      const int data = Chance(50) ? image_ : Absurd();
      const int level = Chance(80) ? Between(0, 4) : Absurd();
      const int how = Pick(3);
      if (how == 0) result = AddGadgetItem(number, position, text);
      if (how == 1) result = AddGadgetItemData(number, position, text, data);
      if (how == 2) result = AddTreeItem(number, position, text, data, level);
      Log("%s(%s, %d, %s%s) -> %d",
          how == 0   ? "AddGadgetItem"
          : how == 1 ? "AddGadgetItemData"
                     : "AddTreeItem",
          Num(number).c_str(), position, Quote(text).c_str(),
          how == 0 ? "" : (", " + Num(data) + (how == 2 ? ", " + Num(level) : "")).c_str(), result);
      if (depth_ == 0 || number >= 1) {
        Require((result != 0) == editable, "AddGadgetItem result disagrees with the gadget's type");
      }
      if (result != 0 && editable) {
        ++it->second.items;
        Require(CountGadgetItems(number) == it->second.items, "an added item is not counted");
      }
      break;
    }
    case 3: {
      const int result = RemoveGadgetItem(number, index);
      Log("RemoveGadgetItem(%s, %d) -> %d", Num(number).c_str(), index, result);
      if (editable) {
        Require(result == (index >= 0 && index < count ? 1 : 0),
                "RemoveGadgetItem result disagrees with the item count");
        if (result == 1) {
          const int now = CountGadgetItems(number);
          if (it->second.kind == Kind::Tree) {
            Require(now < count && now >= index, "a tree removal took a wrong number of items");
          } else {
            Require(now == count - 1, "RemoveGadgetItem removed other than one item");
          }
          it->second.items = now;
        }
      }
      break;
    }
    case 4: {
      const int result = SetItemText(number, index, text);
      Log("SetItemText(%s, %d, %s) -> %d", Num(number).c_str(), index, Quote(text).c_str(), result);
      if (editable) {
        Require(result == (index >= 0 && index < count ? 1 : 0),
                "SetItemText result and the items");
      }
      break;
    }
    case 5: {
      const int state = Chance(80) ? Pick(0x1000) : Absurd();
      const int result = SetItemState(number, index, state);
      Log("SetItemState(%s, %d, %s) -> %d", Num(number).c_str(), index, Hex(state).c_str(), result);
      if (editable && it->second.kind != Kind::ComboBox) {
        Require(result == (index >= 0 && index < count ? 1 : 0),
                "SetItemState result and the items");
      }
      break;
    }
    case 6: {
      const int slot = Chance(80) ? Between(0, 9) : Absurd(), colour = Colour();
      const int result = SetItemColor(number, index, slot, colour);
      Log("SetItemColor(%s, %d, %d, %s) -> %d", Num(number).c_str(), index, slot,
          Hex(colour).c_str(), result);
      break;
    }
    case 7: {
      const std::string got = GetItemText(number, index);
      Log("GetItemText(%s, %d) -> %s", Num(number).c_str(), index, Quote(got).c_str());
      if (index < 0 || index >= count) Require(got.empty(), "GetItemText outside the items");
      break;
    }
    case 8: {
      const int left = Chance(80) ? Between(-10, 300) : Absurd();
      const int result = AddColumn(number, text, left);
      Log("AddColumn(%s, %s, %d) -> %d", Num(number).c_str(), Quote(text).c_str(), left, result);
      break;
    }
    default: {
      const auto* record = GadgetRecord(number);
      const std::string got = RecordItemText(record, index);
      Log("RecordItemText(GadgetRecord(%s), %d) -> %s [ClickedColumn %d]", Num(number).c_str(),
          index, Quote(got).c_str(), ClickedColumn(record));
      Require(got == GetItemText(number, index), "RecordItemText and GetItemText disagree");
      break;
    }
  }
}

void Monkey::StateCommand() {
  const int number = RandomGadget();
  switch (Pick(6)) {
    case 0:
    case 1: {
      const int value = Chance(70) ? Between(-3, 60) : Absurd();
      const int result = SetGadgetState(number, value);
      Log("SetGadgetState(%s, %s) -> %d", Num(number).c_str(), Num(value).c_str(), result);
      if (depth_ == 0 || number >= 1) {
        Require(result == (gadgets_.count(number) != 0 ? 1 : 0),
                "SetGadgetState on a gadget the model "
                "does not know");
      }
      break;
    }
    case 2: {
      const int position = Chance(80) ? Between(-3, 30) : Absurd();
      const bool anchor = Chance(50);
      const int result = anchor ? SetSelectionStart(number, position) : SetCursor(number, position);
      Log("%s(%s, %s) -> %d", anchor ? "SetSelectionStart" : "SetCursor", Num(number).c_str(),
          Num(position).c_str(), result);
      break;
    }
    case 3: {
      const int flag = Chance(70) ? Pick(2) : Absurd();
      const bool hide = Chance(50);
      const int result = hide ? HideGadget(number, flag) : DisableGadget(number, flag);
      Log("%s(%s, %d) -> %d", hide ? "HideGadget" : "DisableGadget", Num(number).c_str(), flag,
          result);
      break;
    }
    case 4: {
      const int x = Chance(30) ? KEEP_VALUE : Coord(kScreenW);
      const int y = Chance(30) ? KEEP_VALUE : Coord(kScreenH);
      const int w = Chance(30) ? KEEP_VALUE : Size(200);
      const int h = Chance(30) ? KEEP_VALUE : Size(100);
      const int result = ResizeGadget(number, x, y, w, h);
      Log("ResizeGadget(%s, %d, %d, %d, %d) -> %d", Num(number).c_str(), x, y, w, h, result);
      break;
    }
    default: {
      const int lower = Chance(70) ? Between(0, 2000000000) : Absurd();
      const int upper = Chance(70) ? Between(0, 2000000000) : Absurd();
      const int result = SetDateLimits(number, lower, upper);
      Log("SetDateLimits(%s, %d, %d) -> %d", Num(number).c_str(), lower, upper, result);
      const auto it = gadgets_.find(number);
      if (it != gadgets_.end() && result != 0) {
        long long lo = lower > 0 ? lower : 0, hi = upper > 0 ? upper : 0;
        if (lo > 0 && hi > 0 && lo > hi) std::swap(lo, hi);
        it->second.limited = lo > 0 || hi > 0;
        it->second.lowerDate = lo;
        it->second.upperDate = hi;
      }
      break;
    }
  }
}

void Monkey::TextCommand() {
  const int number = RandomGadget();
  const auto it = gadgets_.find(number);
  const bool fileList = it != gadgets_.end() && it->second.kind == Kind::FileList;
  switch (Pick(4)) {
    case 0:
    case 1: {
      const std::string text = fileList ? FilePath() : Text(20);
      const int result = SetGadgetText(number, text);
      Log("SetGadgetText(%s, %s) -> %d", Num(number).c_str(), Quote(text).c_str(), result);
      break;
    }
    case 2: {
      const std::string got = GetGadgetText(number);
      Log("GetGadgetText(%s) -> %s", Num(number).c_str(), Quote(got).c_str());
      if (gadgets_.count(number) == 0 && depth_ == 0)
        Require(got.empty(), "text of a missing gadget");
      break;
    }
    default: {
      const int result = GadgetActivated(number);
      Log("GadgetActivated(%s) -> %d", Num(number).c_str(), result);
      break;
    }
  }
}

void Monkey::LookCommand() {
  const int slot = Chance(85) ? Between(0, 9) : Absurd(), value = Colour();
  switch (Pick(6)) {
    case 0: {
      const int number = RandomGadget();
      Log("SetGadgetColor(%s, %d, %s)", Num(number).c_str(), slot, Hex(value).c_str());
      SetGadgetColor(number, slot, value);
      break;
    }
    case 1: {
      const int number = RandomGadget();
      ColorScheme* block = GetGadgetColors(number);
      Log("SetColorSlot(%d, %s, GetGadgetColors(%s) = %s)", slot, Hex(value).c_str(),
          Num(number).c_str(), block != nullptr ? "block" : "null");
      if (depth_ == 0 || number >= 1) {
        Require((block != nullptr) == (gadgets_.count(number) != 0),
                "GetGadgetColors and the model");
      }
      SetColorSlot(slot, value, block);
      break;
    }
    case 2: {
      const int which = Pick(3);
      Log("Set%sDefaultColor(%d, %s)",
          which == 0   ? "Gadget"
          : which == 1 ? "Window"
                       : "Menu",
          slot, Hex(value).c_str());
      if (which == 0) SetGadgetDefaultColor(slot, value);
      if (which == 1) SetWindowDefaultColor(slot, value);
      if (which == 2) SetMenuDefaultColor(slot, value);
      break;
    }
    case 3: {
      const int number = RandomWindow();
      const int result = SetWindowColor(number, slot, value);
      Log("SetWindowColor(%s, %d, %s) -> %d", Num(number).c_str(), slot, Hex(value).c_str(),
          result);
      break;
    }
    default: {
      // Back to a readable font now and then, so that texts keep being measured and drawn.
      Log("SetGadgetDefaultColor(COLOR_FONT, %d)", font_);
      SetGadgetDefaultColor(COLOR_FONT, font_);
      break;
    }
  }
}

//-----------------------------------------------------------------------------
// [SECTION] Window and menu commands
//-----------------------------------------------------------------------------

void Monkey::CloseWindowCmd(int number) {
  const bool known = windows_.count(number) != 0;
  const int result = CloseWindow(number);
  Log("CloseWindow(%s) -> %d", Num(number).c_str(), result);
  if (depth_ == 0 || number >= 1) {
    Require(result == (known ? 1 : 0), "CloseWindow result disagrees with the open windows");
  }
  if (result != 0) ForgetWindow(number);
  if (result != 0 && !known) deadWindows_.erase(number);
}

void Monkey::WindowCommand() {
  switch (Pick(10)) {
    case 0:
    case 1:
    case 2: {
      if (windows_.size() >= kMaxWindows) {
        CloseWindowCmd(RandomWindow());
        break;
      }
      int number = Chance(50) ? ANY_NUMBER : Between(1, 12);
      if (Chance(8)) number = Chance(50) ? Between(-4, 0) : Absurd();
      int flags = 0;
      constexpr std::array<int, 10> kFlags = {WINDOW_CENTERED,           WINDOW_CLOSE_BUTTON,
                                              WINDOW_NO_BORDER,          WINDOW_ESCAPE_CLOSES,
                                              WINDOW_NO_MAXIMIZE_BUTTON, WINDOW_MINIMIZE_ENABLED,
                                              WINDOW_MAXIMIZE_ENABLED,   WINDOW_NO_MINIMIZE_BUTTON,
                                              WINDOW_NO_TITLE_BAR,       WINDOW_INTERNAL};
      for (const int f : kFlags) {
        if (Chance(f == WINDOW_INTERNAL ? 6 : 30)) flags |= f;
      }
      if (Chance(5)) flags = static_cast<int>(rng_());
      const int x = Coord(kScreenW), y = Coord(kScreenH), w = Size(kScreenW), h = Size(kScreenH);
      const std::string title = Text(12);
      const int result = OpenWindowEx(number, x, y, w, h, title, flags);
      Log("OpenWindowEx(%s, %d, %d, %d, %d, %s, %s) -> %d", Num(number).c_str(), x, y, w, h,
          Quote(title).c_str(), Hex(flags).c_str(), result);
      const bool internal = (flags & WINDOW_INTERNAL) != 0;
      const bool valid = number == ANY_NUMBER || number >= 1 || internal;
      const int stored = number == ANY_NUMBER ? result : number;
      if (depth_ == 0 || number >= 1) {
        if (!valid) {
          Require(result == 0, "a window opened with an invalid number");
        } else if (number == ANY_NUMBER) {
          Require(result != 0 && windows_.count(result) == 0, "no fresh window number");
        } else {
          const int expected = windows_.count(number) != 0 ? 0 : (number == 0 ? 1 : number);
          Require(result == expected, "OpenWindowEx result disagrees with the open windows");
        }
      }
      if (result != 0) {
        windows_[stored] = flags;
        deadWindows_.erase(stored);
      }
      break;
    }
    case 3:
    case 4:
      CloseWindowCmd(RandomWindow());
      break;
    case 5: {
      const int number = RandomWindow(), hidden = Chance(80) ? Pick(2) : Absurd();
      const int result = HideWindow(number, hidden);
      Log("HideWindow(%s, %d) -> %d", Num(number).c_str(), hidden, result);
      if (depth_ == 0 || number >= 1) {
        Require(result == (windows_.count(number) != 0 ? 1 : 0), "HideWindow and the open windows");
      }
      break;
    }
    case 6:
    case 7: {
      const int number = RandomWindow();
      const int x = Chance(30) ? KEEP_VALUE : Coord(kScreenW);
      const int y = Chance(30) ? KEEP_VALUE : Coord(kScreenH);
      const int w = Chance(30) ? KEEP_VALUE : Size(kScreenW);
      const int h = Chance(30) ? KEEP_VALUE : Size(kScreenH);
      const int result = ResizeWindow(number, x, y, w, h);
      Log("ResizeWindow(%s, %d, %d, %d, %d) -> %d", Num(number).c_str(), x, y, w, h, result);
      if (depth_ == 0 || number >= 1) {
        Require(result == (windows_.count(number) != 0 ? 1 : 0),
                "ResizeWindow and the open windows");
      }
      break;
    }
    default: {
      const int number = RandomWindow();
      Log("WindowWidth/Height/OuterWidth/OuterHeight(%s) -> %d %d %d %d", Num(number).c_str(),
          WindowWidth(number), WindowHeight(number), WindowOuterWidth(number),
          WindowOuterHeight(number));
      break;
    }
  }
}

void Monkey::MenuCommand() {
  const std::string text = Text(10);
  switch (Pick(14)) {
    case 0: {
      const int number = Chance(50) ? ANY_NUMBER : (Chance(90) ? Between(1, 30) : Absurd());
      const bool popup = Chance(40);
      const int result = popup ? CreatePopupMenu(number) : CreateMenu(number);
      Log("%s(%s) -> %d", popup ? "CreatePopupMenu" : "CreateMenu", Num(number).c_str(), result);
      const bool valid = number == ANY_NUMBER || number >= 1;
      if (!valid) {
        Require(result == 0, "a menu with an invalid number");
      } else if (number == ANY_NUMBER) {
        Require(result != 0 && menus_.count(result) == 0, "no fresh menu number");
      } else {
        Require(result == (menus_.count(number) != 0 ? 0 : number),
                "CreateMenu result disagrees with the menus in use");
      }
      if (result != 0) {
        menus_[result] = MenuModel{CurrentGadgetListOwner()};
        currentMenu_ = result;
        currentMenuLive_ = true;
      }
      break;
    }
    case 1:
    case 2:
    case 3:
    case 4:
    case 5: {
      const int what = Pick(10);
      const int item = Chance(80) ? Between(0, 60) : Absurd();
      MenuEntry* entry = nullptr;
      if (what < 2) {
        entry = AddMenuTitle(text);
        Log("AddMenuTitle(%s) -> %s", Quote(text).c_str(), entry ? "entry" : "null");
      } else if (what < 7) {
        entry = AddMenuItem(item, text);
        Log("AddMenuItem(%d, %s) -> %s", item, Quote(text).c_str(), entry ? "entry" : "null");
        if (entry != nullptr) menuEvents_.insert(item);
      } else if (what < 9) {
        entry = EndSubMenu();
        Log("EndSubMenu() -> %s", entry ? "entry" : "null");
      } else {
        entry = AddMenuSeparator();
        Log("AddMenuSeparator() -> %s", entry ? "entry" : "null");
      }
      if (depth_ == 0) {
        Require((entry != nullptr) == currentMenuLive_,
                "a menu entry was appended (or not) against the current menu");
      }
      if (entry != nullptr && currentMenuLive_) entries_.push_back(EntryModel{entry, currentMenu_});
      break;
    }
    case 6:
    case 7: {
      MenuEntry* entry = RandomEntry();
      bool live = false;
      for (const EntryModel& e : entries_) live = live || e.handle == entry;
      const int how = Pick(3), state = Chance(80) ? Pick(2) : Absurd();
      int result = 0;
      if (how == 0) result = DisableMenuEntry(entry, state);
      if (how == 1) result = SetMenuItemText(entry, text);
      if (how == 2) result = SetMenuItemState(entry, state);
      Log("%s(%s entry, %s) -> %d",
          how == 0   ? "DisableMenuEntry"
          : how == 1 ? "SetMenuItemText"
                     : "SetMenuItemState",
          live ? "live" : "dead", how == 1 ? Quote(text).c_str() : Num(state).c_str(), result);
      Require(result == (live ? 1 : 0), "a menu entry command disagrees with the entries alive");
      break;
    }
    case 8: {
      const int menu = RandomMenu(), item = Between(0, 60), state = Pick(2);
      const int result = DisableMenuItem(menu, item, state);
      Log("DisableMenuItem(%s, %d, %d) -> %d", Num(menu).c_str(), item, state, result);
      if (depth_ == 0) {
        Require(result == (menus_.count(menu) != 0 ? 1 : 0), "DisableMenuItem and the menus");
      }
      break;
    }
    case 9:
    case 10: {
      const int window = Chance(40) ? 0 : RandomWindow();
      const int key = Chance(80) ? kKeys[Pick(kKeys.size())] : Absurd();
      const int modifiers = Chance(60) ? 0 : (Pick(8) << 16);
      const int event = Chance(80) ? Between(100, 140) : Absurd();
      Shortcut* shortcut = AddShortcut(window, key | modifiers, event);
      Log("AddShortcut(%s, %s, %d) -> %s", Num(window).c_str(), Hex(key | modifiers).c_str(), event,
          shortcut ? "shortcut" : "null");
      if (depth_ == 0 || window >= 0) {
        Require((shortcut != nullptr) == (window == 0 || windows_.count(window) != 0),
                "AddShortcut and the open windows");
      }
      if (shortcut != nullptr) menuEvents_.insert(event);
      break;
    }
    case 11: {
      const int menu = RandomMenu();
      const int x = Chance(30) ? -1 : Coord(kScreenW), y = Chance(30) ? -1 : Coord(kScreenH);
      const int result = ShowPopupMenu(menu, x, y);
      Log("ShowPopupMenu(%s, %d, %d) -> %d", Num(menu).c_str(), x, y, result);
      break;
    }
    default: {
      const int width = Chance(80) ? Between(-5, 120) : Absurd();
      Log("SetTabWidth(%d)", width);
      SetTabWidth(width);
      break;
    }
  }
}

void Monkey::SettingCommand() {
  switch (Pick(9)) {
    case 0: {
      const int flags = Chance(80) ? Pick(4) : Absurd();
      Log("SetTextFieldExtras(%s)", Hex(flags).c_str());
      SetTextFieldExtras(flags);
      break;
    }
    case 1:
    case 2: {
      const std::string text = Text(20);
      Log("headless::SetClipboard(%s)", Quote(text).c_str());
      headless::SetClipboard(text);
      break;
    }
    case 3: {
      if (handlers_ >= 4) break;
      Log("SetEventCallback(handler %d)", handlers_ + 1);
      ++handlers_;
      SetEventCallback(
          [this](Gadget* g, int kind, std::intptr_t item) { return Handler(g, kind, item); });
      break;
    }
    case 4: {
      // Now and then a screen size that is not the device's, soon set back.
      const bool odd = Chance(10);
      const int w = odd ? Size(20000) : kScreenW, h = odd ? Size(20000) : kScreenH;
      Log("SetScreenSize(%d, %d, %d)", w, h, sprite_);
      SetScreenSize(w, h, sprite_);
      break;
    }
    case 5: {
      const std::uint32_t ms = static_cast<std::uint32_t>(Between(0, 3000));
      Log("headless::AdvanceClock(%u)", ms);
      headless::AdvanceClock(ms);
      break;
    }
    case 6: {
      if (Chance(90)) break;
      Log("InitColorRequester() -> %d", InitColorRequester());
      break;
    }
    default: {
      const int owner = CurrentGadgetListOwner();
      Log("CurrentGadgetListOwner() -> %d; OpenMenuNumber() -> %d", owner, OpenMenuNumber());
      if (depth_ == 0) Require(Known(owner), "the gadget list owner is no open window");
      break;
    }
  }
}

// One random command.
void Monkey::Command() {
  ++tally_.commands;
  const int what = Pick(1000);
  if (what < 150) {
    CreateGadget();
  } else if (what < 300) {
    ItemCommand();
  } else if (what < 420) {
    StateCommand();
  } else if (what < 500) {
    TextCommand();
  } else if (what < 560) {
    LookCommand();
  } else if (what < 700) {
    WindowCommand();
  } else if (what < 860) {
    MenuCommand();
  } else if (what < 990) {
    SettingCommand();
  } else if (what < 997) {
    if (depth_ < kMaxRequesterDepth) Requester();
  } else if (depth_ == 0 && !inFrame_ && Chance(20)) {
    // Starting over is for between frames: InitToolkit inside a frame is no caller's right.
    StartOver();
  }
}

//-----------------------------------------------------------------------------
// [SECTION] Requesters
//-----------------------------------------------------------------------------
// A requester runs frames of its own; the monkey plays its input from the headless device's
// examine callback, and closes the requester from outside when it has not ended after a while.

template <class Call>
auto Monkey::InRequester(Call call) {
  if (depth_ == 0) {
    requesterFrames_ = 0;
    requesterLastFrame_ = -1;
    headless::SetExamineCallback([this](int frame) { RequesterFrame(frame); });
  }
  ++depth_;
  ++tally_.requesters;
  requesterRan_ = true;
  auto result = call();
  --depth_;
  if (depth_ == 0) {
    headless::SetExamineCallback({});
    headless::ReleaseAllKeys();
    heldKeys_.clear();
    for (int b = 1; b <= 3; ++b) headless::SetButton(b, false);
    heldButtons_ = 0;
    clicks_.clear();
  }
  PruneOrphans();
  return result;
}

void Monkey::RequesterFrame(int frame) {
  if (frame == requesterLastFrame_) return;  // examined twice a frame: keyboard, then mouse
  requesterLastFrame_ = frame;
  ++requesterFrames_;
  if (requesterFrames_ > kRequesterHang) Fail("a requester does not end");
  if (requesterFrames_ > kRequesterPatience) {
    // Escape first, then closing every window the requesters may use, then the program's close.
    const int late = requesterFrames_ - kRequesterPatience;
    if (late % 40 == 1) {
      Log("watchdog: Escape");
      headless::SetKey(KEY_ESCAPE, true);
    } else if (late % 40 == 2) {
      headless::SetKey(KEY_ESCAPE, false);
    } else if (late % 40 == 20) {
      for (int n = -1; n >= -12; --n) {
        if (WindowExists(n) != 0) CloseWindowCmd(n);
      }
    } else if (late % 200 == 100) {
      Log("watchdog: headless::RequestClose()");
      headless::RequestClose();
    }
    return;
  }
  Input(true);
  if (Chance(3)) Command();
}

int Monkey::RequesterAnswer(int kind, int value) {
  Log("requester callback(%d, %d)", kind, value);
  if (kind < REQUESTER_OPENED || kind > REQUESTER_CUSTOM_COLOR)
    Fail("a requester callback kind outside the list");
  if (Chance(15)) Command();
  if (kind == REQUESTER_OPENED) {
    if (Chance(50)) CreateGadget();
    return 0;
  }
  if (kind == REQUESTER_ANSWER) return Chance(20) ? 0 : 1;
  return Chance(8) ? 1 : 0;
}

void Monkey::Requester() {
  const std::string title = Text(10), text = Text(40);
  int flags = 0;
  if (Chance(60)) flags |= WINDOW_CLOSE_BUTTON;
  if (Chance(60)) flags |= WINDOW_ESCAPE_CLOSES;
  if (Chance(10)) flags = static_cast<int>(rng_());
  const bool withCallback = Chance(60);
  const RequesterCallback callback =
      withCallback
          ? RequesterCallback([this](int kind, int value) { return RequesterAnswer(kind, value); })
          : RequesterCallback{};
  const TextRequesterCallback textCallback =
      withCallback ? TextRequesterCallback([this](int kind, int value, std::string_view) {
        return RequesterAnswer(kind, value);
      })
                   : TextRequesterCallback{};
  switch (Pick(7)) {
    case 0:
    case 1: {
      const std::string buttons = Chance(80) ? std::string("OK\nAbbrechen\n") + Text(5) : Text(12);
      Log("MessageRequesterEx(%s, %s, %s, %s, %s)", Quote(title).c_str(), Quote(text).c_str(),
          Quote(buttons).c_str(), Hex(flags).c_str(), withCallback ? "callback" : "none");
      const int lines = static_cast<int>(std::count(buttons.begin(), buttons.end(), '\n')) + 1;
      const int result =
          InRequester([&] { return MessageRequesterEx(title, text, buttons, flags, callback); });
      Log("MessageRequesterEx -> %d", result);
      Require(result >= 0 && result <= lines,
              "a message requester answered with no button of its own");
      break;
    }
    case 2: {
      const std::string given = Text(12);
      const int maximum = Chance(70) ? Between(-1, 20) : Absurd();
      const int all =
          flags | (Chance(50) ? STRING_NUMERIC : 0) | (Chance(30) ? STRING_PASSWORD : 0);
      Log("InputRequester(%s, %s, %s, %d, %s)", Quote(title).c_str(), Quote(text).c_str(),
          Quote(given).c_str(), maximum, Hex(all).c_str());
      const std::string result = InRequester(
          [&] { return InputRequester(title, text, given, maximum, all, textCallback); });
      Log("InputRequester -> %s", Quote(result).c_str());
      break;
    }
    case 3: {
      const int colour = Colour();
      const int all = flags | (Chance(40) ? COLOR_REQUESTER_EXPANDED : 0);
      Log("ColorRequesterEx(%s, %s)", Hex(colour).c_str(), Hex(all).c_str());
      const int result = InRequester([&] { return ColorRequesterEx(colour, all, callback); });
      Log("ColorRequesterEx -> %s", Hex(result).c_str());
      Require(result >= -1 && result <= 0xffffff, "a colour requester answered no colour");
      break;
    }
    case 4:
    case 5: {
      const std::string file = run_.directory + "/deep/" + (Chance(50) ? "one.txt" : Text(6));
      const std::string patterns =
          Chance(80) ? "Texte (*.txt)|*.txt;*.log|Alle Dateien|*" : Text(20);
      const int index = Chance(80) ? Between(-1, 3) : Absurd();
      const int listFlags =
          Flags(FILE_MUST_EXIST | FILE_REFUSE_READONLY | FILE_ASK_REPLACE | FILE_MULTIPLE |
                FILES_SORTED | FILES_DIRS_ONLY | FILES_NO_SUBDIRS | LIST_ALWAYS_SCROLLBAR) |
          FILES_NO_PARENT;
      const int all = flags | (Chance(40) ? FILE_REQUESTER_SAVE : 0);
      Log("FileRequester(%s, %s, %s, %d, %s, %s)", Quote(title).c_str(), Quote(file).c_str(),
          Quote(patterns).c_str(), index, Hex(all).c_str(), Hex(listFlags).c_str());
      const std::string result = InRequester([&] {
        return FileRequester(title, file, patterns, index, all, listFlags, textCallback);
      });
      Log("FileRequester -> %s; NextChosenFile -> %s", Quote(result).c_str(),
          Quote(NextChosenFile()).c_str());
      break;
    }
    default: {
      const std::string path = Chance(50) ? run_.directory + "/deep/readonly.txt" : FilePath();
      const int listFlags = Flags(FILE_MUST_EXIST | FILE_REFUSE_READONLY | FILE_ASK_REPLACE);
      Log("CheckChosenFile(%s, %s, %s)", Quote(title).c_str(), Quote(path).c_str(),
          Hex(listFlags).c_str());
      const int result = InRequester([&] { return CheckChosenFile(title, path, listFlags); });
      Log("CheckChosenFile -> %d", result);
      Require(result == 0 || result == 1, "CheckChosenFile answered other than 0 or 1");
      break;
    }
  }
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
  ClearScreen(0x00ff00);
  sprite_ = CaptureSprite(ANY_NUMBER, 0, 0, 16, 16);
  image_ = ImageHandle(CreateImage(ANY_NUMBER, 14, 14));
  StartOver();
  for (frame_ = 0; frame_ < run_.frames; ++frame_) {
    eventSources_.clear();
    for (const auto& [number, g] : gadgets_) eventSources_.push_back(number);
    requesterRan_ = false;
    const int commands = Chance(55) ? 0 : Chance(70) ? 1 : Between(2, 5);
    for (int i = 0; i < commands; ++i) Command();
    if (gadgets_.size() >= kMaxGadgets && Chance(10)) CloseWindowCmd(RandomWindow());
    Input(false);
    if (Chance(95)) ClearScreen(0x808080);
    inFrame_ = true;
    const int event = GadgetEvent();
    inFrame_ = false;
    const int menu = MenuEvent();
    const int windowEvent = WindowEvent();
    ShowFrame();
    tally_.gadgetEvents += event != 0 ? 1 : 0;
    tally_.menuEvents += menu != 0 ? 1 : 0;
    tally_.windowEvents += windowEvent != 0 ? 1 : 0;
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

}  // namespace

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
