// The keyboard editor and the text fields' update step, driven through the headless keyboard:
// insertion, deletion, navigation, Enter, Tab, scrolling, vetoes, auto-repeat and bad input.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <utility>
#include <vector>

#include "services/headless.h"
#include "tests/support/toolkit_screen.h"
#include "toolkit/frame/behaviour.h"
#include "toolkit/model/lifetime.h"
#include "toolkit/model/toolkit_state.h"
#include "toolkit/text/key_editor.h"

namespace bevel {
namespace {

using detail::KeyEdit;
using detail::KeyEditor;
using detail::UpdateTextField;

constexpr int kShift = 42, kCtrl = 29, kNum = -2;  // kNum: Num Lock on (not a scan code)
constexpr int kBackspace = 14, kTab = 15, kEnter = 28, kDelete = 211;
constexpr int kLeft = 203, kRight = 205, kUp = 200, kDown = 208, kHome = 199, kEnd = 207;
constexpr int kX = 45, kY = 44;
constexpr int kMulti = STRING_MULTILINE;

void Hold(const std::vector<int>& keys) {
  headless::ReleaseAllKeys();
  headless::SetNumLock(false);
  for (int key : keys) {
    if (key == kNum) {
      headless::SetNumLock(true);
    } else {
      headless::SetKey(key, true);
    }
  }
  PollKeyboard();
}

std::string Show(const std::string& text) {
  std::string s;
  for (char c : text) s += c == '\n' ? std::string("\\n") : std::string(1, c);
  return "\"" + s + "\"";
}

class KeyEditing : public testing::ToolkitScreen {
 protected:
  void SetUp() override {
    testing::ToolkitScreen::SetUp();
    Draw();  // the editor measures text for its scroll, as inside a frame
  }

  Gadget& String(int number, const std::string& text, int maximum = -1, int flags = 0,
                 int width = 100, int height = 20) {
    EXPECT_NE(CreateString(number, 0, 0, width, height, text, maximum, flags), 0);
    return *detail::FindGadget(number);
  }
  static void Place(Gadget& g, int selectionStart, int cursor) {
    g.selectionStart = selectionStart;
    g.cursor = cursor;
    g.state = 1;
  }
  // One editor call with `keys` held, storing the text as the update pass does.
  static KeyEdit Press(Gadget& g, const std::vector<int>& keys) {
    Hold(keys);
    KeyEdit edit = KeyEditor(nullptr, g, g.text, g.flags, g.maximum);
    g.text = edit.text;
    return edit;
  }
};

struct EditCase {
  const char* what;
  std::string text;
  int flags, maximum, selectionStart, cursor;
  std::vector<int> keys;
  std::string expect;
  int expectStart, expectCursor;
};

TEST_F(KeyEditing, EditingSteps) {
  const EditCase cases[] = {
      {"insert", "abc", 0, -1, 1, 1, {kX}, "axbc", 2, 2},
      {"replace backward selection", "abcdef", 0, -1, 4, 1, {kX}, "axef", 2, 2},
      {"replace forward selection", "abcdef", 0, -1, 1, 4, {kX}, "axef", 2, 2},
      {"maximum reached", "abc", 0, 3, 3, 3, {kX}, "abc", 3, 3},
      {"replacing keeps within maximum", "abc", 0, 3, 0, 3, {kX}, "x", 1, 1},
      {"second line measured", "abc\nde", kMulti, 3, 4, 4, {kX}, "abc\nxde", 5, 5},
      {"full second line", "abc\nxde", kMulti, 3, 5, 5, {kY}, "abc\nxde", 5, 5},
      {"negative maximum", "abc", 0, -5, 3, 3, {kX}, "abcx", 4, 4},
      {"ctrl types letters", "", 0, -1, 0, 0, {kCtrl, kX}, "x", 1, 1},
      {"keypad types with num lock", "ab", 0, -1, 1, 1, {kNum, 75}, "a4b", 2, 2},
      {"backspace at start", "abc", 0, -1, 0, 0, {kBackspace}, "abc", 0, 0},
      {"backspace", "abc", 0, -1, 2, 2, {kBackspace}, "ac", 1, 1},
      {"backspace selection", "abcd", 0, -1, 3, 1, {kBackspace}, "ad", 1, 1},
      {"delete at end", "abc", 0, -1, 3, 3, {kDelete}, "abc", 3, 3},
      {"delete", "abc", 0, -1, 1, 1, {kDelete}, "ac", 1, 1},
      {"delete selection", "abcd", 0, -1, 1, 3, {kDelete}, "ad", 1, 1},
      {"left", "abc", 0, -1, 2, 2, {kLeft}, "abc", 1, 1},
      {"left at start", "abc", 0, -1, 0, 0, {kLeft}, "abc", 0, 0},
      {"left collapses", "abc", 0, -1, 1, 3, {kLeft}, "abc", 1, 1},
      {"keypad left without num lock", "abc", 0, -1, 2, 2, {75}, "abc", 1, 1},
      {"right at end", "abc", 0, -1, 3, 3, {kRight}, "abc", 3, 3},
      {"right collapses", "abc", 0, -1, 3, 1, {kRight}, "abc", 3, 3},
      {"shift right", "abc", 0, -1, 1, 1, {kShift, kRight}, "abc", 1, 2},
      {"ctrl shift home", "abcde", 0, -1, 5, 5, {kCtrl, kShift, kHome}, "abcde", 5, 0},
      {"home of line", "ab\ncd", kMulti, -1, 4, 4, {kHome}, "ab\ncd", 3, 3},
      {"ctrl home", "ab\ncd", kMulti, -1, 4, 4, {kCtrl, kHome}, "ab\ncd", 0, 0},
      {"end of line", "ab\ncd", kMulti, -1, 1, 1, {kEnd}, "ab\ncd", 2, 2},
      {"ctrl end", "ab\ncd", kMulti, -1, 1, 1, {kCtrl, kEnd}, "ab\ncd", 5, 5},
      {"keypad end", "abc", 0, -1, 0, 0, {79}, "abc", 3, 3},
      {"shift end follows the anchor", "ab\ncd", kMulti, -1, 1, 4, {kShift, kEnd}, "ab\ncd", 1, 2},
      {"enter in multi-line ignores maximum", "abc", kMulti, 2, 3, 3, {kEnter}, "abc\n", 4, 4},
      {"read-only backspace", "abc", STRING_READONLY, -1, 2, 2, {kBackspace}, "abc", 2, 2},
      {"read-only delete", "abc", STRING_READONLY, -1, 1, 1, {kDelete}, "abc", 1, 1},
      {"read-only typing", "abc", STRING_READONLY, -1, 1, 1, {kX}, "abc", 1, 1},
      {"read-only right", "abc", STRING_READONLY, -1, 1, 1, {kRight}, "abc", 2, 2},
      {"read-only shift home", "abc", STRING_READONLY, -1, 2, 2, {kShift, kHome}, "abc", 2, 0},
      {"ends beyond the text", "abc", 0, -1, 1000, 500, {kX}, "abcx", 4, 4},
      {"caret -1 takes the anchor", "abc", 0, -1, 1, -1, {kX}, "axbc", 2, 2},
      {"no cursor at all", "abc", 0, -1, -1, 2, {kX}, "abc", -1, 2},
  };
  int number = 1;
  for (const EditCase& c : cases) {
    Gadget& g = String(number++, c.text, -1, c.flags);
    g.maximum = c.maximum;  // also below the text's length, or below -1
    Place(g, c.selectionStart, c.cursor);
    Press(g, c.keys);
    EXPECT_EQ(g.text, c.expect) << c.what << ": " << Show(c.text);
    EXPECT_EQ(g.selectionStart, c.expectStart) << c.what;
    EXPECT_EQ(g.cursor, c.expectCursor) << c.what;
  }
}

TEST_F(KeyEditing, ShiftSelectionThenCollapse) {
  Gadget& g = String(1, "abcdef");
  Place(g, 3, 3);
  Press(g, {kShift, kLeft});
  Press(g, {kShift, kLeft});
  EXPECT_EQ(g.cursor, 1);
  EXPECT_EQ(g.selectionStart, 3);
  Press(g, {kLeft});
  EXPECT_EQ(g.cursor, 1);
  EXPECT_EQ(g.selectionStart, 1);
}

TEST_F(KeyEditing, RecordedKeys) {
  Gadget& g = String(1, "abc", 3);
  Place(g, 3, 3);
  KeyEdit edit = Press(g, {kX});
  EXPECT_EQ(edit.keyCode, kX) << "a refused character still counts for the repeat";
  EXPECT_EQ(Toolkit().LastEditKey, kX);
  edit = Press(g, {});
  EXPECT_FALSE(edit.Handled());
  EXPECT_EQ(Toolkit().LastEditKey, 0);
  g.flags |= STRING_READONLY;
  EXPECT_FALSE(Press(g, {kBackspace}).Handled()) << "read only: Backspace is no command";
  g.flags = 0;
  g.altCode = 65;
  edit = Press(g, {});
  EXPECT_EQ(g.text, "abc") << "maximum";
  EXPECT_TRUE(edit.Handled()) << "an Alt-code character acts though its key code is 0";
  EXPECT_EQ(edit.keyCode, 0);
}

TEST_F(KeyEditing, UpAndDownAskTheRendererForALine) {
  // Two visible lines; five lines of text.
  Gadget& g = String(1, "l0\nl1\nl2\nl3\nl4", -1, kMulti, 100, 4 + 2 * 14);
  Place(g, 7, 7);  // line 3 (1-based)
  g.pickX = 33;
  Press(g, {kDown});
  EXPECT_EQ(g.topItem, 2) << "the target line becomes the last visible one";
  EXPECT_EQ(g.pickY, 19);
  EXPECT_EQ(g.state, 4);
  EXPECT_EQ(g.pickX, 33) << "the caret's column is kept";
  EXPECT_EQ(g.cursor, 7) << "the renderer moves the caret";

  Press(g, {kShift, kUp});
  EXPECT_EQ(g.topItem, 1);
  EXPECT_EQ(g.pickY, 5);
  EXPECT_EQ(g.state, 3);

  Place(g, 0, 0);
  g.topItem = 0;
  Press(g, {kUp});
  EXPECT_EQ(g.pickY, 5) << "the first line stays";
  Place(g, 13, 13);  // last line
  g.topItem = 3;
  Press(g, {kNum, 80});
  EXPECT_EQ(g.state, 1) << "keypad 2 types with Num Lock";
  Press(g, {80});
  EXPECT_EQ(g.pickY, (5 - 3 - 1) * 14 + 5);
}

TEST_F(KeyEditing, DownInAFieldUnderOneLineHigh) {
  Gadget& g = String(1, "a\nb", -1, kMulti, 100, 10);
  Place(g, 0, 0);
  Press(g, {kDown});
  EXPECT_EQ(g.topItem, 1);
  EXPECT_EQ(g.pickY, 5) << "the target line is the one drawn line";
}

TEST_F(KeyEditing, EnterLeavesASingleLineField) {
  Gadget& g = String(1, "abc");
  Place(g, 2, 2);
  EXPECT_EQ(Press(g, {kEnter}).keyCode, kEnter);
  EXPECT_EQ(g.state, 0);
  EXPECT_TRUE(detail::Activated(g));
  EXPECT_EQ(g.selectionStart, -1);
  EXPECT_EQ(g.cursor, 2);

  Gadget& readOnly = String(2, "abc", -1, kMulti | STRING_READONLY);
  Place(readOnly, 1, 1);
  Press(readOnly, {kEnter});
  EXPECT_EQ(readOnly.text, "abc");
  EXPECT_TRUE(detail::Activated(readOnly)) << "a read-only multi-line field is left too";
}

TEST_F(KeyEditing, ScrollKeepsTheCaretInside) {
  Gadget& g = String(1, "");
  Place(g, 0, 0);
  for (int i = 0; i < 40; ++i) Press(g, {50});  // "m"
  SetDrawFont(font_);
  const int caret = TextWidth(g.text);
  EXPECT_GT(g.scrollX, 0);
  EXPECT_EQ(caret - g.scrollX, 100 - 9) << "the caret sits at the right edge of the area";
  Press(g, {kHome});
  EXPECT_EQ(g.scrollX, 0);

  ASSERT_NE(CreateComboBox(2, 0, 0, 100, 3, COMBO_EDITABLE), 0);
  Gadget& combo = *detail::FindGadget(2);
  Place(combo, 0, 0);
  for (int i = 0; i < 40; ++i) Press(combo, {50});
  EXPECT_EQ(TextWidth(combo.text) - combo.scrollX, 100 - 24) << "less the drop button";

  Gadget& lines = String(3, "", -1, kMulti, 100, 4 + 2 * 14);
  Place(lines, 0, 0);
  for (int i = 0; i < 3; ++i) Press(lines, {kEnter});
  EXPECT_EQ(lines.topItem, 2) << "the anchor's line is the last visible one";
  Press(lines, {kCtrl, kHome});
  EXPECT_EQ(lines.topItem, 0);
}

// --- Tab ------------------------------------------------------------------------------------

class TabOrder : public KeyEditing {
 protected:
  void SetUp() override {
    KeyEditing::SetUp();
    SetEventCallback([this](Gadget* gadget, int kind, std::intptr_t) {
      if (kind == 11 || kind == 12)
        focus.push_back(std::to_string(kind) + ":" + std::to_string(RecordNumber(gadget)));
      return 1;
    });
  }
  std::vector<std::string> focus;
};

TEST_F(TabOrder, NextFieldOfTheSameWindowInListOrder) {
  Gadget& first = String(1, "one");
  CreateButton(2, 0, 0, 10, 10, "b");
  String(3, "off").disabled = 1;
  String(4, "away").window = 99;
  ASSERT_NE(CreateComboBox(5, 0, 0, 50, 3, 0), 0);  // not editable
  ASSERT_NE(CreateComboBox(6, 0, 0, 50, 3, COMBO_EDITABLE), 0);
  Gadget& combo = *detail::FindGadget(6);
  combo.text = "ab";
  String(7, "hidden").hidden = 1;
  ASSERT_NE(CreateDate(8, 0, 0, 80, 20), 0);
  Gadget& date = *detail::FindGadget(8);

  Place(first, 1, 2);
  first.altCode = 12;  // Alt + 1, 2 typed, Alt still held
  const KeyEdit edit = Press(first, {56, kTab});
  EXPECT_EQ(edit.keyCode, 0) << "Tab sets no LastEditKey";
  EXPECT_EQ(first.state, 0);
  EXPECT_EQ(first.selectionStart, -1);
  EXPECT_EQ(first.cursor, -1);
  EXPECT_EQ(first.altCode, 0);
  EXPECT_EQ(combo.state, 1);
  EXPECT_EQ(combo.selectionStart, 2);
  EXPECT_EQ(combo.cursor, 2);
  EXPECT_EQ(combo.lastKey, kTab);
  EXPECT_EQ(focus, (std::vector<std::string>{"11:6", "12:1"}));

  Press(combo, {kTab});
  EXPECT_EQ(date.state, 2);
  EXPECT_EQ(date.dateField, 1);

  // Backwards from the first field wraps to the last one.
  focus.clear();
  date.state = 0;
  date.dateField = 0;
  combo.state = 0;
  combo.selectionStart = combo.cursor = -1;
  Place(first, 0, 0);
  Press(first, {kShift, kTab});
  EXPECT_EQ(date.state, 2);
  EXPECT_EQ(focus, (std::vector<std::string>{"11:8", "12:1"}));

  // A Date gives the focus on by Tab too.
  Press(date, {kTab});
  EXPECT_EQ(date.state, 0);
  EXPECT_EQ(date.dateField, 0);
  EXPECT_EQ(first.state, 1);
  EXPECT_EQ(first.selectionStart, 3);
}

TEST_F(TabOrder, AloneInItsWindowNothingChanges) {
  Gadget& only = String(1, "abc");
  String(2, "elsewhere").window = 5;
  Place(only, 1, 1);
  Press(only, {kTab});
  EXPECT_EQ(only.state, 1);
  EXPECT_EQ(only.selectionStart, 1);
  EXPECT_TRUE(focus.empty());
}

// One update pass over all text fields, as the frame function runs it.
void UpdateAll() {
  for (Gadget* g :
       std::vector<Gadget*>{detail::FindGadget(1), detail::FindGadget(2), detail::FindGadget(3)}) {
    UpdateTextField(*g);
  }
}

TEST_F(TabOrder, OneTabMovesOneFieldEvenWithoutFrameTiming) {
  Toolkit().FramesPerTenth = 0;  // before the frame time is measured, or below 10 frames/s
  String(1, "a");
  String(2, "b");
  String(3, "c");
  Place(*detail::FindGadget(1), 0, 0);
  Hold({kTab});
  UpdateAll();
  EXPECT_EQ(detail::FindGadget(2)->state, 1) << "the next field has the focus";
  EXPECT_EQ(detail::FindGadget(3)->state, 0) << "and kept it within the frame";
}

// --- Vetoes ---------------------------------------------------------------------------------

class Vetoes : public KeyEditing {
 protected:
  void SetUp() override {
    KeyEditing::SetUp();
    SetEventCallback([this](Gadget*, int kind, std::intptr_t item) {
      if (kind != EVENT_KEY) return 1;
      const KeyInfo info = *reinterpret_cast<const KeyInfo*>(item);
      return info.keyCode == vetoKey || vetoKey == -1 ? 0 : 1;
    });
  }
  int vetoKey = 0;
};

TEST_F(Vetoes, WhatRunsAfterACancelledStep) {
  Gadget& g = String(1, "abc");
  vetoKey = kX;
  Place(g, 1, 1);
  KeyEdit edit = Press(g, {kX, kBackspace});
  EXPECT_EQ(g.text, "bc") << "a vetoed character lets Backspace run";
  EXPECT_EQ(edit.keyCode, kBackspace);

  vetoKey = kBackspace;
  g.text = "abc";
  Place(g, 1, 1);
  edit = Press(g, {kBackspace, kDelete});
  EXPECT_EQ(g.text, "ac") << "a cancelled Backspace lets Delete run";
  EXPECT_EQ(edit.keyCode, kDelete);

  vetoKey = kLeft;
  Place(g, 1, 1);
  edit = Press(g, {kLeft, kRight, kEnter});
  EXPECT_EQ(g.cursor, 1) << "a cancelled navigation key skips the others";
  EXPECT_TRUE(detail::Activated(g)) << "but not Enter";
  EXPECT_EQ(edit.keyCode, kEnter);
}

TEST_F(Vetoes, AVetoedKeyStillStartsTheRepeat) {
  vetoKey = -1;
  Gadget& g = String(1, "abc");
  Toolkit().FramesPerTenth = 6;
  Place(g, 3, 3);
  Hold({kX});
  UpdateTextField(g);
  EXPECT_EQ(g.text, "abc");
  EXPECT_EQ(g.repeatDelay, 12);
  EXPECT_EQ(g.lastKey, kX);
}

TEST_F(KeyEditing, AHandlerRemovingTheCursorStopsTheEdit) {
  Gadget& g = String(1, "abc");
  SetEventCallback([](Gadget*, int, std::intptr_t) {
    SetCursor(1, -1);
    return 1;
  });
  Place(g, 1, 1);
  Press(g, {kX});
  EXPECT_EQ(g.text, "abc");
  Place(g, 1, 1);
  Press(g, {kBackspace});
  EXPECT_EQ(g.text, "abc");
  EXPECT_EQ(g.selectionStart, -1);
}

TEST_F(KeyEditing, AHandlerMovingTheCursorPastTheEditedText) {
  Gadget& g = String(1, "abc");
  SetEventCallback([](Gadget*, int, std::intptr_t) {
    SetGadgetText(1, "abcdefgh");
    SetSelectionStart(1, 8);
    SetCursor(1, 8);
    return 1;
  });
  for (int key : {kBackspace, kDelete, kX}) {
    Place(g, 1, 1);
    g.text = "abc";
    Press(g, {key});  // edits the text it was given, "abc"
    EXPECT_LE(g.selectionStart, static_cast<int>(g.text.size())) << key;
    EXPECT_LE(g.cursor, static_cast<int>(g.text.size())) << key;
  }
}

TEST_F(KeyEditing, AHandlerClosingTheFieldsWindow) {
  const std::pair<int, int> cases[] = {{10, kX},   {10, kBackspace}, {10, kLeft}, {10, kEnter},
                                       {11, kTab}, {12, kTab},       {2, kX}};
  for (const auto& [kind, key] : cases) {
    ASSERT_NE(OpenWindow(1, 10, 10, 150, 100, "w"), 0);
    Gadget& g = String(5, "abc");
    String(6, "next");
    Place(g, 1, 1);
    if (kind == 2) g.state = 2;
    SetEventCallback([closeOn = kind](Gadget*, int k, std::intptr_t) {
      if (k == closeOn) CloseWindow(1);
      return 1;
    });
    Hold({key});
    {
      detail::FrameScope frame;  // as in a frame: the closed field is freed when it ends
      UpdateTextField(g);
    }
    EXPECT_EQ(GadgetRecord(5), nullptr) << "kind " << kind << " key " << key;
    CloseWindow(1);
    Toolkit().HandlerList.clear();
  }
}

// --- Update step ----------------------------------------------------------------------------

TEST_F(KeyEditing, AutoRepeatWaitsThenRepeatsFaster) {
  ToolkitState& t = Toolkit();
  t.FramesPerTenth = 6;
  t.BlinkFrames = 300;  // fast loops: more frames than a byte holds
  std::vector<int> kinds;
  SetEventCallback([&](Gadget*, int kind, std::intptr_t) {
    kinds.push_back(kind);
    return 1;
  });
  Gadget& g = String(1, "");
  Place(g, 0, 0);
  g.state = 2;  // a click placed the cursor

  Hold({30});
  std::vector<int> editFrames;
  for (int frame = 0; frame < 20; ++frame) {
    t.EventGadget = 0;
    const std::size_t before = g.text.size();
    UpdateTextField(g);
    if (g.text.size() != before) {
      editFrames.push_back(frame);
      EXPECT_EQ(t.EventGadget, 1);
      EXPECT_EQ(g.blinkPhase, 299);
      EXPECT_EQ(g.blinkPhase2, 300);
    }
  }
  EXPECT_EQ(editFrames, (std::vector<int>{0, 13, 16, 19})) << "12 frames, then 12 / 6";
  EXPECT_EQ(kinds.front(), 2) << "the click's event comes first";
  EXPECT_EQ(g.state, 1);

  // Releasing ends the wait at the next frame; a new press waits the full time again.
  Hold({});
  UpdateTextField(g);
  Hold({30});
  UpdateTextField(g);
  EXPECT_EQ(g.text, "aaaaa");
  EXPECT_EQ(g.repeatDelay, 12);
}

TEST_F(KeyEditing, UpdateLeavesFieldsWithoutFocusAlone) {
  Gadget& idle = String(1, "abc");
  Gadget& off = String(2, "abc");
  Place(off, 3, 3);
  off.disabled = 1;
  ASSERT_NE(CreateComboBox(3, 0, 0, 50, 3, COMBO_EDITABLE), 0);
  Gadget& list = *detail::FindGadget(3);
  list.state = 1;  // list mode: no cursor
  Hold({kX});
  for (Gadget* g : {&idle, &off}) UpdateTextField(*g);
  detail::UpdateComboBox(list, {});
  EXPECT_EQ(idle.text, "abc");
  EXPECT_EQ(off.text, "abc");
  EXPECT_EQ(list.text, "");
  EXPECT_EQ(Toolkit().EventGadget, 0);

  Toolkit().OpenPopupIndex = list.listIndex;
  Place(list, 0, 0);
  detail::UpdateComboBox(list, {});
  EXPECT_EQ(list.text, "x");
  EXPECT_EQ(Toolkit().OpenPopupIndex, -1);
}

TEST_F(KeyEditing, AltCodeCharacterIsReportedAsAnEdit) {
  Gadget& g = String(1, "");
  Place(g, 0, 0);
  for (int key : {8, 6}) {  // Alt + 7, 5
    Hold({56, key});
    UpdateTextField(g);
    g.repeatDelay = 0;
  }
  Toolkit().EventGadget = 0;
  Hold({});
  UpdateTextField(g);
  EXPECT_EQ(g.text, "K");
  EXPECT_EQ(Toolkit().EventGadget, 1);
}

// --- Bad input ------------------------------------------------------------------------------

TEST_F(KeyEditing, HugeTextsAndEveryKeyHeld) {
  const std::string huge(100000, 'w');
  std::string feeds(50000, '\n');
  Gadget& wide = String(1, huge);
  Gadget& tall = String(2, feeds, -1, kMulti, 100, 60);
  Place(wide, 99990, 5);
  Place(tall, 70000, 3);
  tall.topItem = INT_MAX;
  tall.scrollX = -50;
  std::vector<int> all;
  for (int key = 1; key < 256; ++key) all.push_back(key);
  std::vector<int> allButAlt = all;
  std::erase(allButAlt, 56);  // left Alt turns every frame into Alt-code entry
  for (int round = 0; round < 3; ++round) {
    for (Gadget* g : {&wide, &tall}) {
      Press(*g, all);
      Press(*g, allButAlt);
      Press(*g, {kDown});
      Press(*g, {kCtrl, kEnd});
      Press(*g, {kX});
      const int length = static_cast<int>(g->text.size());
      EXPECT_GE(g->cursor, 0);
      EXPECT_LE(g->cursor, length);
      EXPECT_GE(g->selectionStart, 0);
      EXPECT_LE(g->selectionStart, length);
      EXPECT_GE(g->topItem, 0);
      EXPECT_GE(g->scrollX, 0);
    }
  }
  EXPECT_EQ(wide.text.find('\0'), std::string::npos);
  const int lastLine = static_cast<int>(std::count(tall.text.begin(), tall.text.end(), '\n'));
  EXPECT_LE(tall.topItem, lastLine);
  EXPECT_GE(tall.topItem, lastLine - 3) << "the caret's line is one of the four visible";
}

}  // namespace
}  // namespace bevel
