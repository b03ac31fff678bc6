// The text field extras (SetTextFieldExtras) on whole headless frames: clipboard commands and
// the rules a paste keeps, undo and redo sequences, the history's length, the announcement and
// veto of every extra key, and the classic behaviour while the extras are off.
#include <gtest/gtest.h>

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

std::string Show(const std::string& text) {
  std::string s;
  for (char c : text) s += c == '\n' ? std::string("\\n") : std::string(1, c);
  return "\"" + s + "\"";
}

class TextExtras : public testing::FrameFixture {
 protected:
  // A focused String (or editable ComboBox) with the anchor and caret given, alone on a fresh
  // toolkit.
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
  static int Chord(const Keys& keys) {
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
      {"ctrl insert copies", "Hello", -1, 0, 4, 1, "", {kCtrl, KEY_INSERT}, "Hello", "ell", 1},
      {"copy without selection", "Hello", -1, 0, 2, 2, "old", kCopy, "Hello", "old", 2},
      {"password is not copied", "secret", -1, STRING_PASSWORD, 0, 6, "", kCopy, "secret", "", 6},
      {"cut", "Hello", -1, 0, 1, 4, "", kCut, "Ho", "ell", 1},
      {"shift delete cuts", "Hello", -1, 0, 1, 4, "", {kShift, KEY_DELETE}, "Ho", "ell", 1},
      {"read-only is not cut", "Hello", -1, STRING_READONLY, 1, 4, "", kCut, "Hello", "", 4},
      {"read-only is copied", "Hello", -1, STRING_READONLY, 1, 4, "", kCopy, "Hello", "ell", 4},
      {"paste", "Ho", -1, 0, 1, 1, "ell", kPaste, "Hello", "ell", 4},
      {"shift insert replaces",
       "Hxxo",
       -1,
       0,
       1,
       3,
       "ell",
       {kShift, KEY_INSERT},
       "Hello",
       "ell",
       4},
      {"read-only paste", "Ho", -1, STRING_READONLY, 1, 1, "ell", kPaste, "Ho", "ell", 1},
      {"numeric maximum 3", "", 3, kNumeric, 0, 0, "1a2b3c4", kPaste, "123", "1a2b3c4", 3},
      {"numeric maximum 3 with text", "9", 3, kNumeric, 0, 0, "12345", kPaste, "129", "12345", 2},
      {"numeric point and minus", "", -1, kNumeric | STRING_LOWER_CASE, 0, 0, "-3.5", kPaste, "3.5",
       "-3.5", 3},
      {"numeric minus only first", "", -1, kNumeric | STRING_UPPER_CASE, 0, 0, "-5-6", kPaste,
       "-56", "-5-6", 3},
      {"nothing left keeps the selection", "12", -1, kNumeric, 0, 2, "ab", kPaste, "12", "ab", 2},
      {"line feed in a single line", "ab", -1, 0, 1, 1, "x\ny\n", kPaste, "axyb", "x\ny\n", 3},
      {"CR LF in a multi-line field", "ab", -1, kMulti, 1, 1, "x\r\ny\rz", kPaste, "ax\ny\nzb",
       "x\r\ny\rz", 6},
      {"maximum per line", "abc\nd", 3, kMulti, 5, 5, "efg\nhijk", kPaste, "abc\ndef\nhij",
       "efg\nhijk", 11},
      {"the caret's line keeps its tail", "ab\ncd", 3, kMulti, 1, 1, "xyz", kPaste, "axb\ncd",
       "xyz", 2},
      {"control bytes", "", -1, 0, 0, 0,
       "a\tb\x01\x7F"
       "c",
       kPaste, "a\tbc",
       "a\tb\x01\x7F"
       "c",
       4},
      {"upper case", "", -1, STRING_UPPER_CASE, 0, 0,
       "stra\xDF"
       "e \xE4",
       kPaste,
       "STRA\xDF"
       "E \xC4",
       "stra\xDF"
       "e \xE4",
       8},
      {"lower case", "", -1, STRING_LOWER_CASE, 0, 0, "ABC", kPaste, "abc", "ABC", 3},
      {"combo box paste", "ab", -1, STRING_UPPER_CASE, 2, 2, "c\nd", kPaste, "abCD", "c\nd", 4,
       true},
      {"combo box cut", "abcd", -1, 0, 1, 3, "", kCut, "ad", "bc", 1, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Field(c.text, c.maximum, c.flags, c.anchor, c.caret, c.combo);
    headless::SetClipboard(c.clipboard);
    EXPECT_EQ(Chord(c.keys), kField) << "the key is the field's event";
    EXPECT_EQ(GetGadgetText(kField), c.expect) << Show(GetGadgetText(kField));
    EXPECT_EQ(headless::Clipboard(), c.expectClipboard);
    EXPECT_EQ(Caret(), c.expectCaret);
  }
}

TEST_F(TextExtras, UndoAndRedoSequences) {
  // A step holds keys for a frame, or (setText) has the host set the text; then the field
  // holds `expect`.
  struct Step {
    Keys keys;
    std::string expect;
    const char* setText = nullptr;
  };
  struct Case {
    const char* what;
    std::string text;
    int flags, anchor, caret;
    std::vector<Step> steps;
    bool combo = false;
  };
  const Case cases[] = {
      {"typed characters are one step",
       "",
       0,
       0,
       0,
       {{{KEY_A}, "a"}, {{KEY_B}, "ab"}, {{KEY_C}, "abc"}, {kUndo, ""}, {kRedo, "abc"}}},
      {"a caret move ends the typing",
       "",
       0,
       0,
       0,
       {{{KEY_A}, "a"},
        {{KEY_B}, "ab"},
        {{KEY_LEFT}, "ab"},
        {{KEY_X}, "axb"},
        {kUndo, "ab"},
        {kUndo, ""},
        {kUndo, ""},
        {kRedo, "ab"},
        {kRedo, "axb"},
        {kRedo, "axb"}}},
      {"each backspace is a step",
       "abc",
       0,
       3,
       3,
       {{{KEY_BACKSPACE}, "ab"},
        {{KEY_BACKSPACE}, "a"},
        {kUndo, "ab"},
        {kUndo, "abc"},
        {kUndo, "abc"}}},
      {"typing over a selection",
       "hello",
       0,
       0,
       5,
       {{{KEY_X}, "x"}, {{KEY_Y}, "xy"}, {kUndo, "hello"}, {kRedo, "xy"}}},
      {"paste and cut are steps",
       "ab",
       0,
       0,
       1,
       {{kCut, "b"}, {kPaste, "ab"}, {kPaste, "aab"}, {kUndo, "ab"}, {kUndo, "b"}, {kUndo, "ab"}}},
      {"a new change ends the redo",
       "",
       0,
       0,
       0,
       {{{KEY_A}, "a"}, {kUndo, ""}, {{KEY_B}, "b"}, {kRedo, "b"}, {kUndo, ""}}},
      {"undo after SetGadgetText does nothing",
       "",
       0,
       0,
       0,
       {{{KEY_A}, "a"}, {{}, "host", "host"}, {kUndo, "host"}, {kRedo, "host"}}},
      {"enter in a multi-line field",
       "ab",
       STRING_MULTILINE,
       1,
       1,
       {{{KEY_ENTER}, "a\nb"}, {{KEY_X}, "a\nxb"}, {kUndo, "a\nb"}, {kUndo, "ab"}}},
      {"combo box",
       "ab",
       0,
       2,
       2,
       {{{KEY_C}, "abc"}, {{KEY_BACKSPACE}, "ab"}, {kUndo, "abc"}, {kUndo, "ab"}},
       true},
  };
  for (const Case& c : cases) {
    Field(c.text, -1, c.flags, c.anchor, c.caret, c.combo);
    headless::SetClipboard("");
    int index = 0;
    for (const Step& step : c.steps) {
      SCOPED_TRACE(::testing::Message() << c.what << ", step " << index++);
      if (step.setText != nullptr) {
        SetGadgetText(kField, step.setText);
      } else {
        Chord(step.keys);
      }
      EXPECT_EQ(GetGadgetText(kField), step.expect) << Show(GetGadgetText(kField));
    }
  }
}

TEST_F(TextExtras, UndoPutsBackTheSelection) {
  Field("hello", -1, 0, 4, 1);
  Chord({KEY_X});
  ASSERT_EQ(GetGadgetText(kField), "hxo");
  Chord(kUndo);
  EXPECT_EQ(Anchor(), 4);
  EXPECT_EQ(GetGadgetState(kField), 1);
  Chord(kRedo);
  EXPECT_EQ(Anchor(), 2);
  EXPECT_EQ(GetGadgetState(kField), 2);
}

TEST_F(TextExtras, AHundredStepsAreKept) {
  const std::string text(110, 'a');
  Field(text, -1, 0, 110, 110);
  for (int i = 0; i < 110; ++i) Chord({KEY_BACKSPACE});
  ASSERT_EQ(GetGadgetText(kField), "");
  for (int i = 0; i < 110; ++i) Chord(kUndo);
  EXPECT_EQ(GetGadgetText(kField), std::string(100, 'a')) << "the last 100 steps come back";
}

TEST_F(TextExtras, EveryExtraKeyIsAnnouncedAndAVetoSuppressesIt) {
  std::vector<KeyInfo> asked;
  bool veto = true;
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
    for (const bool vetoed : {true, false}) {
      SCOPED_TRACE(::testing::Message() << "key " << c.announced << (vetoed ? " vetoed" : ""));
      Field("abcd", -1, 0, 1, 3);
      SetEventCallback([&](Gadget*, int kind, std::intptr_t item) {
        if (kind != EVENT_KEY) return 1;
        asked.push_back(KeyOfEvent(item));
        return veto ? 0 : 1;
      });
      headless::SetClipboard("CLIP");
      asked.clear();
      veto = vetoed;
      Chord(c.keys);
      ASSERT_EQ(asked.size(), 1u) << "announced once, and no letter after it";
      EXPECT_EQ(asked[0].character, 0);
      EXPECT_EQ(asked[0].keyCode, c.announced);
      EXPECT_EQ(GetGadgetText(kField), vetoed ? "abcd" : c.allowed);
      EXPECT_EQ(headless::Clipboard(), vetoed ? "CLIP" : c.allowedClipboard);
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
    Chord(c.keys);
    EXPECT_EQ(GetGadgetText(kField), c.expect);
    EXPECT_EQ(headless::Clipboard(), "CLIP");
  }
}

}  // namespace
}  // namespace bevel
