// The monkey's parts shared by its two halves: monkey_commands.cpp issues the commands and runs
// the requesters, monkey_driver.cpp runs the frames, plays the input and checks the model.
//
// Index of this file:
// [SECTION] Constants
// [SECTION] The model
// [SECTION] The monkey
#pragma once

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <map>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tests/soak/monkey_driver.h"
#include "toolkit/toolkit.h"

namespace bevel::soak {

//-----------------------------------------------------------------------------
// [SECTION] Constants
//-----------------------------------------------------------------------------

inline constexpr int kScreenW = 512, kScreenH = 384;
inline constexpr int kMaxGadgets = 90;
inline constexpr int kMaxWindows = 8;
inline constexpr int kMaxRequesterDepth = 2;
// Frames a requester may run before the monkey closes it from outside; it must end well before
// kRequesterHang.
inline constexpr int kRequesterPatience = 100;
inline constexpr int kRequesterHang = 1200;
inline constexpr int kNobody = INT_MIN + 7;  // no handler runs

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
inline constexpr std::array<const char*, static_cast<int>(Kind::Count)> kKindNames = {
    "Button",    "CheckBox",    "Option",   "Spin",     "Text",     "ColumnList",
    "String",    "ProgressBar", "ComboBox", "Frame3D",  "TrackBar", "ScrollBar",
    "HyperLink", "ImageButton", "Tree",     "FileList", "Date",     "Calendar"};

// Keys the gadgets and requesters react to; any other scan code is drawn now and then.
inline constexpr std::array<int, 44> kKeys = {KEY_LEFT,
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
inline constexpr std::array<int, 6> kModifiers = {KEY_LEFT_SHIFT, KEY_RIGHT_SHIFT, KEY_LEFT_CTRL,
                                                  KEY_RIGHT_CTRL, KEY_LEFT_ALT,    KEY_RIGHT_ALT};
// Numbers at the edges of int and of the toolkit's ranges.
inline constexpr std::array<int, 16> kAbsurd = {
    0,      -1,      1,       INT_MAX,  INT_MIN,    INT_MAX - 1, INT_MIN + 1, 65535,
    -65535, 1000000, 1000001, -1000001, 2147483000, -2147483000, 71427,       71428};

// Log lines: texts with their unprintable bytes as \xNN, numbers with their names.
std::string Quote(std::string_view text);
std::string Num(int value);
std::string Hex(int value);

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
  bool hidden = false;
  Gadget* handle = nullptr;
};

struct MenuModel {
  int owner = 0;
};

struct EntryModel {
  MenuEntry* handle = nullptr;
  int menu = 0;
};

//-----------------------------------------------------------------------------
// [SECTION] The monkey
//-----------------------------------------------------------------------------
// Its methods live in monkey_commands.cpp (what it asks of the toolkit) and monkey_driver.cpp
// (the run, its input and its checks).

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
  std::set<int> hiddenAllFrame_;   // gadgets hidden since the frame began: never pressed or asked
  int handlers_ = 0;
  bool inFrame_ = false;  // GadgetEvent runs (handlers are called from inside it)
  int asked_ = kNobody;   // the gadget the running handler was asked about

  int depth_ = 0;  // requesters running
  int requesterFrames_ = 0, requesterLastFrame_ = -1;
  bool requesterRan_ = false;

  std::set<int> heldKeys_;
  int heldButtons_ = 0;       // bit n-1: button n
  std::vector<bool> clicks_;  // the left button's next states, one a frame
  int sprite_ = 0, font_ = 0;
  int imageNumber_ = 0, image_ = 0;  // a picture for list items and its handle
  std::vector<int> fonts_;           // the fonts COLOR_FONT slots are given
};

}  // namespace bevel::soak
