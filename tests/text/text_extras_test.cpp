// The text field extras (SetTextFieldExtras) on whole headless frames: clipboard commands and
// the rules a paste keeps, undo and redo sequences, the history's length, the announcement and
// veto of every extra key, and the classic behaviour while the extras are off.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "services/headless.h"
#include "tests/support/frame_fixture.h"
#include "toolkit/model/toolkit_state.h"

namespace bevel {
namespace {

using Keys = std::vector<int>;

constexpr int kField = 1;
constexpr int kCtrl = KEY_LEFT_CTRL, kShift = KEY_LEFT_SHIFT;
const Keys kCopy = {kCtrl, KEY_C}, kCut = {kCtrl, KEY_X}, kPaste = {kCtrl, KEY_V};
const Keys kUndo = {kCtrl, KEY_Z}, kRedo = {kCtrl, KEY_Y};

// A chord by name: a letter, "bs", "left" or "enter", with "^" before it for Ctrl.
Keys Chord(std::string name) {
  static const std::map<std::string, int> kNamed = {
      {"a", KEY_A}, {"b", KEY_B}, {"c", KEY_C},          {"v", KEY_V},       {"x", KEY_X},
      {"y", KEY_Y}, {"z", KEY_Z}, {"bs", KEY_BACKSPACE}, {"left", KEY_LEFT}, {"enter", KEY_ENTER}};
  Keys keys;
  if (name[0] == '^') {
    keys.push_back(kCtrl);
    name.erase(0, 1);
  }
  keys.push_back(kNamed.at(name));
  return keys;
}

class TextExtras : public testing::FrameFixture {
 protected:
  // A focused String (or editable ComboBox) with the anchor and caret given, alone on a fresh
  // toolkit with both extras on.
  void Field(const std::string& text, int maximum, int flags, int anchor, int caret,
             bool combo = false) {
    InitToolkit();
    SetGadgetDefaultColor(COLOR_FONT, font_);
    SetScreenSize(kWidth, kHeight, -1);
    SetTextFieldExtras(TEXT_FIELD_CLIPBOARD | TEXT_FIELD_UNDO);
    if (combo) {
      ASSERT_EQ(CreateComboBox(kField, 10, 10, 200, 4, COMBO_EDITABLE | flags), kField);
      SetGadgetText(kField, text);
    } else {
      ASSERT_EQ(CreateString(kField, 10, 10, 200, 60, text, maximum, flags), kField);
    }
    SetSelectionStart(kField, anchor);
    SetCursor(kField, caret);
  }
  // The keys held for one frame, then let go for one (which ends their repeat wait). Returns
  // what GadgetEvent reported in the first frame.
  static int Hold(const Keys& keys) {
    for (int key : keys) headless::SetKey(key, true);
    const int event = Frame();
    headless::ReleaseAllKeys();
    Frame();
    return event;
  }
  static int Anchor() { return detail::FindGadget(kField)->selectionStart; }
  static int Caret() { return detail::FindGadget(kField)->cursor; }
};

TEST_F(TextExtras, ClipboardCommandsKeepTheFieldsRules) {
  struct Case {
    const char* what;
    std::string text;
    int maximum, flags, anchor, caret;
    std::string clipboard;
    Keys keys;
    std::string expect, expectClipboard;
    int expectCaret;
    bool combo = false;
  };
  const int kNumeric = STRING_NUMERIC, kMulti = STRING_MULTILINE;
  const Case cases[] = {
      {"copy", "Hello", -1, 0, 1, 4, "old", kCopy, "Hello", "ell", 4},
      {"copy without selection", "Hello", -1, 0, 2, 2, "old", kCopy, "Hello", "old", 2},
      {"password is not copied", "secret", -1, STRING_PASSWORD, 0, 6, "", kCopy, "secret", "", 6},
      {"cut", "Hello", -1, 0, 4, 1, "", kCut, "Ho", "ell", 1},
      {"read-only is not cut", "Hello", -1, STRING_READONLY, 1, 4, "", kCut, "Hello", "", 4},
      {"read-only is copied", "Hello", -1, STRING_READONLY, 1, 4, "", kCopy, "Hello", "ell", 4},
      {"paste replaces", "Hxxo", -1, 0, 1, 3, "ell", kPaste, "Hello", "ell", 4},
      {"read-only paste", "Ho", -1, STRING_READONLY, 1, 1, "ell", kPaste, "Ho", "ell", 1},
      {"numeric maximum 3", "", 3, kNumeric, 0, 0, "1a2b3c4", kPaste, "123", "1a2b3c4", 3},
      {"numeric maximum 3 with text", "9", 3, kNumeric, 0, 0, "12345", kPaste, "129", "12345", 2},
      {"numeric point", "", -1, kNumeric | STRING_LOWER_CASE, 0, 0, "-3.5", kPaste, "3.5", "-3.5",
       3},
      {"numeric minus where a number begins", "", -1, kNumeric | STRING_UPPER_CASE, 0, 0, "-5-6",
       kPaste, "-56", "-5-6", 3},
      {"nothing left keeps the selection", "12", -1, kNumeric, 0, 2, "ab", kPaste, "12", "ab", 2},
      {"line feed in a single line", "ab", -1, 0, 1, 1, "x\ny\n", kPaste, "axyb", "x\ny\n", 3},
      {"CR LF in a multi-line field", "ab", -1, kMulti, 1, 1, "x\r\ny\rz", kPaste, "ax\ny\nzb",
       "x\r\ny\rz", 6},
      {"maximum per line", "abc\nd", 3, kMulti, 5, 5, "efg\nhijk", kPaste, "abc\ndef\nhij",
       "efg\nhijk", 11},
      {"the caret's line keeps its tail", "ab\ncd", 3, kMulti, 1, 1, "xyz", kPaste, "axb\ncd",
       "xyz", 2},
      {"control bytes", "", -1, 0, 0, 0, "a\tb\x01\x7F", kPaste, "a\tb", "a\tb\x01\x7F", 3},
      {"upper case", "", -1, STRING_UPPER_CASE, 0, 0, "stra\xDF\xE4", kPaste, "STRA\xDF\xC4",
       "stra\xDF\xE4", 6},
      {"combo box paste", "ab", -1, STRING_LOWER_CASE, 2, 2, "C\nD", kPaste, "abcd", "C\nD", 4,
       true},
      {"combo box cut", "abcd", -1, 0, 1, 3, "", kCut, "ad", "bc", 1, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Field(c.text, c.maximum, c.flags, c.anchor, c.caret, c.combo);
    headless::SetClipboard(c.clipboard);
    EXPECT_EQ(Hold(c.keys), kField) << "the key is the field's event";
    EXPECT_EQ(GetGadgetText(kField), c.expect);
    EXPECT_EQ(headless::Clipboard(), c.expectClipboard);
    EXPECT_EQ(Caret(), c.expectCaret);
  }
}

TEST_F(TextExtras, UndoAndRedoSequences) {
  // Steps are "chord>text": the chord (see Chord) held for a frame leaves the text ("|" a line
  // feed); "=text" has the host set the text.
  struct Case {
    const char* what;
    std::string text;
    int flags, anchor, caret;
    std::string steps;
    bool combo = false;
  };
  const Case cases[] = {
      {"typed characters are one step", "", 0, 0, 0, "a>a b>ab c>abc ^z> ^y>abc"},
      {"a caret move ends the typing", "", 0, 0, 0,
       "a>a b>ab left>ab x>axb ^z>ab ^z> ^z> ^y>ab ^y>axb ^y>axb"},
      {"typing over a selection", "hello", 0, 0, 5, "x>x y>xy ^z>hello ^y>xy"},
      {"each backspace is a step", "abc", 0, 3, 3, "bs>ab bs>a ^z>ab ^z>abc ^z>abc"},
      {"paste and cut are steps", "ab", 0, 0, 1, "^x>b ^v>ab ^v>aab ^z>ab ^z>b ^z>ab"},
      {"a new change ends the redo", "", 0, 0, 0, "a>a ^z> b>b ^y>b ^z>"},
      {"undo after SetGadgetText does nothing", "", 0, 0, 0, "a>a =host ^z>host ^y>host"},
      {"enter in a multi-line field", "ab", STRING_MULTILINE, 1, 1,
       "enter>a|b x>a|xb ^z>a|b ^z>ab"},
      {"combo box", "ab", 0, 2, 2, "c>abc bs>ab ^z>abc ^z>ab", true},
  };
  for (const Case& c : cases) {
    Field(c.text, -1, c.flags, c.anchor, c.caret, c.combo);
    std::istringstream steps(c.steps);
    for (std::string step; steps >> step;) {
      SCOPED_TRACE(::testing::Message() << c.what << ", step " << step);
      const auto arrow = step.find('>');
      if (step[0] == '=') {
        SetGadgetText(kField, step.substr(1));
      } else {
        std::string expect = step.substr(arrow + 1);
        std::replace(expect.begin(), expect.end(), '|', '\n');
        Hold(Chord(step.substr(0, arrow)));
        EXPECT_EQ(GetGadgetText(kField), expect);
      }
    }
  }
}

TEST_F(TextExtras, UndoPutsBackTheSelectionAndKeepsAHundredSteps) {
  Field("hello", -1, 0, 4, 1);
  Hold({KEY_X});
  Hold(kUndo);
  EXPECT_EQ(Anchor(), 4);
  EXPECT_EQ(Caret(), 1);
  Hold(kRedo);
  EXPECT_EQ(Anchor(), 2);
  EXPECT_EQ(Caret(), 2);

  Field(std::string(110, 'a'), -1, 0, 110, 110);
  for (int i = 0; i < 110; ++i) Hold({KEY_BACKSPACE});
  for (int i = 0; i < 110; ++i) Hold(kUndo);
  EXPECT_EQ(GetGadgetText(kField), std::string(100, 'a')) << "the last 100 steps come back";
}

TEST_F(TextExtras, EveryExtraKeyIsAnnouncedAndAVetoSuppressesIt) {
  struct Case {
    Keys keys;
    int announced;
    std::string allowed, allowedClipboard;  // when not vetoed
  };
  const Case cases[] = {
      {kCopy, KEY_C, "abcd", "bc"},      {{kCtrl, KEY_INSERT}, KEY_INSERT, "abcd", "bc"},
      {kCut, KEY_X, "ad", "bc"},         {{kShift, KEY_DELETE}, KEY_DELETE, "ad", "bc"},
      {kPaste, KEY_V, "aCLIPd", "CLIP"}, {{kShift, KEY_INSERT}, KEY_INSERT, "aCLIPd", "CLIP"},
      {kUndo, KEY_Z, "abcd", "CLIP"},    {kRedo, KEY_Y, "abcd", "CLIP"},
  };
  for (const Case& c : cases) {
    for (const bool veto : {true, false}) {
      SCOPED_TRACE(::testing::Message() << "key " << c.announced << (veto ? " vetoed" : ""));
      Field("abcd", -1, 0, 1, 3);
      std::vector<KeyInfo> asked;
      SetEventCallback([&](Gadget*, int kind, std::intptr_t item) {
        if (kind == EVENT_KEY) asked.push_back(KeyOfEvent(item));
        return kind == EVENT_KEY && veto ? 0 : 1;
      });
      headless::SetClipboard("CLIP");
      Hold(c.keys);
      ASSERT_EQ(asked.size(), 1u) << "announced once, and no letter after it";
      EXPECT_EQ(asked[0].character, 0);
      EXPECT_EQ(asked[0].keyCode, c.announced);
      EXPECT_EQ(GetGadgetText(kField), veto ? "abcd" : c.allowed);
      EXPECT_EQ(headless::Clipboard(), veto ? "CLIP" : c.allowedClipboard);
    }
  }
}

TEST_F(TextExtras, OffTheKeysTypeTheirLetters) {
  struct Case {
    int extras;
    Keys keys;
    std::string expect;
  };
  const Case cases[] = {
      {0, kPaste, "abvd"},
      {0, kCopy, "abcd"},  // "c" replaced the selection "c"
      {TEXT_FIELD_UNDO, kPaste, "abvd"},
      {TEXT_FIELD_CLIPBOARD, kUndo, "abzd"},
      {0, {kShift, KEY_DELETE}, "abd"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "extras " << c.extras << ", key " << c.keys[1]);
    Field("abcd", -1, 0, 2, 3);
    SetTextFieldExtras(c.extras);
    headless::SetClipboard("CLIP");
    Hold(c.keys);
    EXPECT_EQ(GetGadgetText(kField), c.expect);
    EXPECT_EQ(headless::Clipboard(), "CLIP");
  }
}

}  // namespace
}  // namespace bevel
