// The German key layout, the flag filters, Alt + digits and the kind 10 veto, driven through
// the headless keyboard.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "services/headless.h"
#include "tests/support/toolkit_screen.h"
#include "toolkit/text/key_mapping.h"

namespace bevel {
namespace {

using detail::KeyChar;
using detail::MapKeys;

constexpr int kNumeric = STRING_NUMERIC;
constexpr int kLower = STRING_LOWER_CASE;
constexpr int kUpper = STRING_UPPER_CASE;
constexpr int kShift = 42, kCaps = -1, kNum = -2;  // kCaps / kNum: lock on (not scan codes)
constexpr int kAltGr = 184, kLeftAlt = 56;

// Holds exactly `keys` (and the locks named by kCaps / kNum) for the next examination.
void Hold(const std::vector<int>& keys) {
  headless::ReleaseAllKeys();
  headless::SetCapsLock(false);
  headless::SetNumLock(false);
  for (int key : keys) {
    if (key == kCaps) {
      headless::SetCapsLock(true);
    } else if (key == kNum) {
      headless::SetNumLock(true);
    } else {
      headless::SetKey(key, true);
    }
  }
  PollKeyboard();
}

std::string Describe(const std::vector<int>& keys) {
  std::string s;
  for (int k : keys) s += std::to_string(k) + " ";
  return s;
}

class KeyMapping : public testing::ToolkitScreen {};

struct Case {
  std::vector<int> keys;
  int flags;
  std::string text;  // and both selection ends at `at`, for the minus rule
  int at;
  std::string expect;
  int expectKey;
};

TEST_F(KeyMapping, LayersFiltersAndOrder) {
  const Case cases[] = {
      // Letters and case.
      {{30}, 0, "", 0, "a", 30},
      {{kShift, 30}, 0, "", 0, "A", 30},
      {{kShift, 30}, kLower, "", 0, "a", 30},
      {{kCaps, 30}, kLower, "", 0, "a", 30},
      {{30}, kUpper, "", 0, "A", 30},
      {{29, 30}, 0, "", 0, "a", 30},  // Ctrl changes nothing
      {{26}, 0, "", 0, "\xFC", 26},
      {{kShift, 40}, 0, "", 0, "\xC4", 40},
      {{39}, kUpper, "", 0, "\xD6", 39},
      // Caps Lock is the whole Shift layer; the Shift layer has no space and no keypad.
      {{kCaps, 2}, 0, "", 0, "!", 2},
      {{kCaps, 57}, 0, "", 0, "", 0},
      {{kShift, kNum, 79}, 0, "", 0, "", 0},
      {{kShift, 4}, 0, "", 0, "\xA7", 4},
      {{kShift, 41}, 0, "", 0, "\xB0", 41},
      {{kShift, 3}, 0, "", 0, "\"", 3},
      // AltGr layer, and Shift over AltGr.
      {{kAltGr, 18}, 0, "", 0, "\x80", 18},
      {{kAltGr, kShift, 18}, 0, "", 0, "E", 18},
      {{kAltGr, 30}, 0, "", 0, "", 0},
      {{kAltGr, 3}, 0, "", 0, "\xB2", 3},
      {{kAltGr, 50}, 0, "", 0, "\xB5", 50},
      {{kAltGr, 12}, 0, "", 0, "\\", 12},
      // Plain punctuation; the last held key in table order wins.
      {{12}, 0, "", 0, "\xDF", 12},
      {{13}, 0, "", 0, "\xB4", 13},
      {{57}, 0, "", 0, " ", 57},
      {{55}, 0, "", 0, "*", 55},
      {{30, 48}, 0, "", 0, "b", 48},
      {{2, 30}, 0, "", 0, "a", 30},
      {{30, 12}, 0, "", 0, "\xDF", 12},
      // Keypad under Num Lock.
      {{kNum, 75}, 0, "", 0, "4", 75},
      {{75}, 0, "", 0, "", 0},
      {{kNum, 83}, 0, "", 0, ",", 83},
      {{83}, 0, "", 0, "", 0},
      {{78}, 0, "", 0, "+", 78},
      // Numeric fields: digits, "." with 0x200, "-" with 0x400 under the minus rule.
      {{30}, kNumeric, "", 0, "", 0},
      {{5}, kNumeric, "", 0, "4", 5},
      {{kShift, 5}, kNumeric, "", 0, "", 0},
      {{kCaps, 5}, kNumeric, "", 0, "", 0},
      {{kAltGr, 5}, kNumeric, "", 0, "4", 5},
      {{52}, kNumeric, "", 0, "", 0},
      {{52}, kNumeric | kLower, "", 0, ".", 52},
      {{kNum, 83}, kNumeric | kLower, "", 0, ".", 83},
      {{83}, kNumeric | kLower, "", 0, "", 0},
      {{53}, kNumeric | kUpper, "12", 2, "", 0},
      {{53}, kNumeric | kUpper, "12", 0, "-", 53},
      {{74}, kNumeric | kUpper, "1\n2", 2, "-", 74},
      {{53}, kNumeric, "", 0, "", 0},
      // Read only: nothing.
      {{30}, STRING_READONLY, "", 0, "", 0},
  };
  for (const Case& c : cases) {
    Hold(c.keys);
    int altCode = 0;
    const KeyChar got = MapKeys(c.flags, c.text, c.at, c.at, altCode);
    EXPECT_EQ(got.character, c.expect) << "keys " << Describe(c.keys) << "flags " << c.flags;
    EXPECT_EQ(got.keyCode, c.expectKey) << "keys " << Describe(c.keys) << "flags " << c.flags;
  }
}

TEST_F(KeyMapping, MinusRuleLooksAtEitherEnd) {
  int altCode = 0;
  Hold({53});
  EXPECT_EQ(MapKeys(kNumeric | kUpper, "12", 2, 0, altCode).character, "-") << "caret at 0";
  EXPECT_EQ(MapKeys(kNumeric | kUpper, "1\n2", 1, 2, altCode).character, "-") << "caret after LF";
  EXPECT_EQ(MapKeys(kNumeric | kUpper, "1\n2", 3, 3, altCode).character, "");
  EXPECT_EQ(MapKeys(kNumeric | kUpper, "12", 99, -7, altCode).character, "") << "bad ends";
}

// One frame of the Alt + digits entry.
KeyChar AltFrame(const std::vector<int>& keys, int& altCode, int flags = 0) {
  Hold(keys);
  return MapKeys(flags, "", 0, 0, altCode);
}

TEST_F(KeyMapping, AltCodesTypeOneCharacterOnRelease) {
  int altCode = 0;
  KeyChar got = AltFrame({kLeftAlt, 8}, altCode);  // 7
  EXPECT_TRUE(got.altDigit);
  EXPECT_EQ(got.keyCode, 8);
  EXPECT_EQ(got.character, "");
  AltFrame({kLeftAlt}, altCode);           // Alt alone: no digit, nothing typed, code kept
  got = AltFrame({kLeftAlt, 6}, altCode);  // 5
  EXPECT_EQ(altCode, 75);
  got = AltFrame({}, altCode);
  EXPECT_EQ(got.character, "K");
  EXPECT_EQ(got.keyCode, 0);
  EXPECT_EQ(altCode, 0);

  // Keypad digits count without Num Lock; 300 modulo 256 is a comma.
  for (int key : {81, 82, 82}) AltFrame({kLeftAlt, key}, altCode);
  EXPECT_EQ(AltFrame({}, altCode).character, ",");

  // The later key in digit-row-then-keypad order wins: 2 ("1") and keypad 82 ("0").
  AltFrame({kLeftAlt, 2, 82}, altCode);
  EXPECT_EQ(altCode, 0);

  // A key typed in the release frame replaces the code's character.
  for (int key : {7, 6}) AltFrame({kLeftAlt, key}, altCode);
  got = AltFrame({30}, altCode);
  EXPECT_EQ(got.character, "a");
  EXPECT_EQ(altCode, 0);
}

TEST_F(KeyMapping, AltCodesNeverOverflowAndNeverTypeNul) {
  int altCode = 0;
  for (int key : {3, 6, 7}) AltFrame({kLeftAlt, key}, altCode);  // 256
  EXPECT_EQ(AltFrame({}, altCode).character, "") << "256 modulo 256 would be a NUL byte";

  // A held 9 repeating for a long time: 10^n - 1 is 255 modulo 256 for n >= 8.
  for (int i = 0; i < 5000; ++i) AltFrame({kLeftAlt, 10}, altCode);
  EXPECT_GE(altCode, 0);
  EXPECT_LT(altCode, 256);
  EXPECT_EQ(AltFrame({}, altCode).character, "\xFF");

  altCode = -1234567;  // a corrupt accumulator still gives a byte
  const KeyChar got = AltFrame({}, altCode);
  EXPECT_EQ(got.character.size(), 1u);
  EXPECT_EQ(altCode, 0);
}

TEST_F(KeyMapping, ReadOnlyIgnoresAltCodes) {
  int altCode = 5;
  EXPECT_FALSE(AltFrame({kLeftAlt, 8}, altCode, STRING_READONLY).altDigit);
  EXPECT_EQ(altCode, 5);
  EXPECT_EQ(AltFrame({}, altCode, STRING_READONLY).character, "");
  EXPECT_EQ(altCode, 5);
}

TEST_F(KeyMapping, HandlersSeeKeyInfoAndCanVeto) {
  Gadget field;
  field.selectionStart = field.cursor = 0;
  std::vector<KeyInfo> seen;
  int answer = 1;
  SetEventCallback([&](Gadget*, int kind, std::intptr_t item) {
    if (kind == EVENT_KEY) seen.push_back(*reinterpret_cast<const KeyInfo*>(item));
    return answer;
  });

  Hold({kAltGr, 18});
  KeyChar got = detail::ReadKeyChar(nullptr, field, "", 0);
  EXPECT_EQ(got.character, "\x80");
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].character, 0x80) << "the byte value, not a negative char";
  EXPECT_EQ(seen[0].keyCode, 18);

  answer = 0;
  Hold({30});
  got = detail::ReadKeyChar(nullptr, field, "", 0);
  EXPECT_EQ(got.character, "") << "vetoed";
  EXPECT_EQ(got.keyCode, 30) << "the key stays recorded for the auto-repeat";

  answer = 1;
  field.altCode = 75;
  Hold({});
  got = detail::ReadKeyChar(nullptr, field, "", 0);
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[2].character, 'K');
  EXPECT_EQ(seen[2].keyCode, 0);

  Hold({});
  seen.clear();
  detail::ReadKeyChar(nullptr, field, "", 0);
  EXPECT_TRUE(seen.empty()) << "no character, no question";
}

}  // namespace
}  // namespace bevel
