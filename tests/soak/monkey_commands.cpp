// The monkey's commands: every public command with plausible and absurd arguments, and the
// requesters it opens and answers.
//
// Index of this file:
// [SECTION] Log formatting
// [SECTION] Arguments
// [SECTION] Gadget commands
// [SECTION] Window and menu commands
// [SECTION] Requesters
#include <algorithm>
#include <array>
#include <climits>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "services/headless.h"
#include "services/services.h"
#include "tests/soak/monkey_model.h"
#include "toolkit/toolkit.h"

namespace bevel::soak {

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
      return fonts_[Pick(static_cast<int>(fonts_.size()))];
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
// [SECTION] Gadget commands
//-----------------------------------------------------------------------------

// Checks a creator's result against the model and records the new gadget: its model, nullptr
// when none was made.
GadgetModel* Monkey::CheckCreated(const std::string& what, int number, int flags, int result,
                                  Kind kind) {
  Log("%s -> %d (in window %d)", what.c_str(), result, CurrentGadgetListOwner());
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
  if (depth_ > 0) PruneOrphans();
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
      if (hide && result == 1 && gadgets_.count(number) != 0) {
        gadgets_[number].hidden = flag != 0;
        if (flag == 0) hiddenAllFrame_.erase(number);
      }
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
  if (depth_ > 0) PruneOrphans();
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
  switch (Pick(10)) {
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
    case 7: {
      // The pictures gadgets and items show go away under them and come back as new ones.
      if (Chance(50)) {
        Log("ReleaseSprite(%d); CaptureSprite(ANY_NUMBER, 0, 0, 16, 16)", sprite_);
        ReleaseSprite(sprite_);
        sprite_ = CaptureSprite(ANY_NUMBER, 0, 0, 16, 16);
      } else {
        Log("ReleaseImage(%d); CreateImage(ANY_NUMBER, 14, 14)", imageNumber_);
        ReleaseImage(imageNumber_);
        imageNumber_ = CreateImage(ANY_NUMBER, 14, 14);
        image_ = ImageHandle(imageNumber_);
      }
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
  // A requester may have closed a window of its own (an error it showed) with what the monkey
  // made in it.
  if (depth_ > 0) PruneOrphans();
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

}  // namespace bevel::soak
