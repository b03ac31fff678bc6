// The German key layout as fixed tables, the Alt + digits entry and the flag filters.
#include "toolkit/text/key_mapping.h"

#include <array>

#include "services/services.h"
#include "toolkit/model/keys.h"
#include "toolkit/model/notify.h"
#include "toolkit/model/toolkit_state.h"
#include "toolkit/toolkit.h"

namespace bevel::detail {
namespace {

// A key and the byte it types. Within one table the order matters: when several mapped keys
// are held, the last one held in table order wins.
struct KeyByte {
  int key;
  char byte;
};

// The 29 letter keys, with their small and capital forms.
struct LetterKey {
  int key;
  char small;
  char capital;
};

// The last three are the umlaut keys: 26 ü Ü, 39 ö Ö, 40 ä Ä.
constexpr std::array<LetterKey, 29> kLetters = {{
    {30, 'a', 'A'},       {48, 'b', 'B'}, {46, 'c', 'C'},       {32, 'd', 'D'},
    {18, 'e', 'E'},       {33, 'f', 'F'}, {34, 'g', 'G'},       {35, 'h', 'H'},
    {23, 'i', 'I'},       {36, 'j', 'J'}, {37, 'k', 'K'},       {38, 'l', 'L'},
    {50, 'm', 'M'},       {49, 'n', 'N'}, {24, 'o', 'O'},       {25, 'p', 'P'},
    {16, 'q', 'Q'},       {19, 'r', 'R'}, {31, 's', 'S'},       {20, 't', 'T'},
    {22, 'u', 'U'},       {47, 'v', 'V'}, {17, 'w', 'W'},       {45, 'x', 'X'},
    {44, 'y', 'Y'},       {21, 'z', 'Z'}, {26, '\xFC', '\xDC'}, {39, '\xF6', '\xD6'},
    {40, '\xE4', '\xC4'},
}};

// Shift layer: the digit row, then the letters (capitals), then these.
constexpr std::array<KeyByte, 10> kShiftDigitRow = {{
    {2, '!'},
    {3, '"'},
    {4, '\xA7'},  // §
    {5, '$'},
    {6, '%'},
    {7, '&'},
    {8, '/'},
    {9, '('},
    {10, ')'},
    {11, '='},
}};
constexpr std::array<KeyByte, 9> kShiftPunctuation = {{
    {12, '?'},
    {13, '`'},
    {27, '*'},
    {43, '\''},
    {51, ';'},
    {52, ':'},
    {53, '_'},
    {86, '>'},
    {41, '\xB0'},  // °
}};

// AltGr layer: these keys only.
constexpr std::array<KeyByte, 12> kAltGr = {{
    {3, '\xB2'},  // ²
    {4, '\xB3'},  // ³
    {8, '{'},
    {9, '['},
    {10, ']'},
    {11, '}'},
    {18, '\x80'},  // €
    {50, '\xB5'},  // µ
    {16, '@'},
    {12, '\\'},
    {27, '~'},
    {86, '|'},
}};

// Plain layer, in its order: digit row; keypad digits; the numeric field's "." and "-"
// extras; the letters (small); the rest.
constexpr std::array<KeyByte, 10> kDigitRow = {{
    {2, '1'},
    {3, '2'},
    {4, '3'},
    {5, '4'},
    {6, '5'},
    {7, '6'},
    {8, '7'},
    {9, '8'},
    {10, '9'},
    {11, '0'},
}};
constexpr std::array<KeyByte, 10> kKeypadDigits = {{
    {79, '1'},
    {80, '2'},
    {81, '3'},
    {75, '4'},
    {76, '5'},
    {77, '6'},
    {71, '7'},
    {72, '8'},
    {73, '9'},
    {82, '0'},
}};
constexpr std::array<KeyByte, 2> kNumericPoint = {{{52, '.'}, {83, '.'}}};
constexpr std::array<KeyByte, 2> kNumericMinus = {{{53, '-'}, {74, '-'}}};
constexpr std::array<KeyByte, 15> kPlainPunctuation = {{
    {12, '\xDF'},  // ß
    {13, '\xB4'},  // ´
    {27, '+'},
    {43, '#'},
    {51, ','},
    {52, '.'},
    {53, '-'},
    {55, '*'},
    {57, ' '},
    {78, '+'},
    {74, '-'},
    {83, ','},
    {181, '/'},
    {86, '<'},
    {41, '^'},
}};

// Alt + digits: digit row first, then the keypad (read regardless of Num Lock); last held wins.
struct DigitKey {
  int key;
  int digit;
};
constexpr std::array<DigitKey, 20> kAltDigits = {{
    {2, 1},  {3, 2},  {4, 3},  {5, 4},  {6, 5},  {7, 6},  {8, 7},  {9, 8},  {10, 9}, {11, 0},
    {79, 1}, {80, 2}, {81, 3}, {75, 4}, {76, 5}, {77, 6}, {71, 7}, {72, 8}, {73, 9}, {82, 0},
}};

// Keypad keys that type only with Num Lock on (without it they are navigation keys); the
// keypad's minus and plus type either way.
bool NeedsNumLock(int key) {
  return key >= 71 && key <= 83 && key != 74 && key != 78;
}

// The running result of the table scans.
struct Pending {
  char byte = 0;
  int key = 0;
  bool found = false;
  void Take(int k, char b) {
    byte = b;
    key = k;
    found = true;
  }
};

template <std::size_t N>
void Scan(const std::array<KeyByte, N>& table, bool numLock, Pending& pending) {
  for (const KeyByte& entry : table) {
    if (KeyPushed(entry.key) && (numLock || !NeedsNumLock(entry.key))) {
      pending.Take(entry.key, entry.byte);
    }
  }
}

void ScanLetters(bool capitals, Pending& pending) {
  for (const LetterKey& letter : kLetters) {
    if (KeyPushed(letter.key)) pending.Take(letter.key, capitals ? letter.capital : letter.small);
  }
}

// The character at 1-based `position` is a line feed.
bool LineFeedAt(std::string_view text, int position) {
  return position >= 1 && static_cast<std::size_t>(position) <= text.size() &&
         text[static_cast<std::size_t>(position) - 1] == '\n';
}

// A numeric field takes "-" only where a number can begin: one end of the selection at the
// start of the text or right after a line break.
bool MinusAllowed(std::string_view text, int selectionStart, int cursor) {
  return selectionStart == 0 || cursor == 0 || LineFeedAt(text, selectionStart) ||
         LineFeedAt(text, cursor);
}

}  // namespace

KeyChar MapKeys(int flags, std::string_view text, int selectionStart, int cursor, int& altCode) {
  KeyChar result;
  const bool readOnly = (flags & STRING_READONLY) != 0;

  // While left Alt is held, digits feed the code and nothing is typed.
  if (KeyPushed(KEY_LEFT_ALT)) {
    if (readOnly) return result;
    const DigitKey* last = nullptr;
    for (const DigitKey& entry : kAltDigits) {
      if (KeyPushed(entry.key)) last = &entry;
    }
    if (last != nullptr) {
      // Only the code modulo 256 matters, so only that is kept: a digit held and repeating
      // for seconds can never overflow the accumulator.
      const int kept = ((altCode % 256) + 256) % 256;
      altCode = (kept * 10 + last->digit) % 256;
      result.keyCode = last->key;
      result.altDigit = true;
    }
    return result;
  }
  if (readOnly) return result;

  // Alt released: the collected code becomes the pending character. A code of 0 (also 256,
  // 512, ...) types nothing, so a NUL byte never enters a text.
  Pending pending;
  const int code = ((altCode % 256) + 256) % 256;
  altCode = 0;
  if (code != 0) pending.Take(0, static_cast<char>(code));

  const bool numeric = (flags & STRING_NUMERIC) != 0;
  const bool numLock = NumLockOn() != 0;
  if (ShiftHeld() || CapsLockOn()) {
    // Caps Lock selects the whole Shift layer, digits and punctuation included. A numeric
    // field takes nothing from it.
    if (!numeric) {
      Scan(kShiftDigitRow, numLock, pending);
      ScanLetters((flags & STRING_LOWER_CASE) == 0, pending);
      Scan(kShiftPunctuation, numLock, pending);
    }
  } else if (KeyPushed(KEY_RIGHT_ALT) && !numeric) {
    Scan(kAltGr, numLock, pending);
  } else {
    Scan(kDigitRow, numLock, pending);
    Scan(kKeypadDigits, numLock, pending);
    if (numeric) {
      if (flags & STRING_LOWER_CASE) Scan(kNumericPoint, numLock, pending);
      if ((flags & STRING_UPPER_CASE) && MinusAllowed(text, selectionStart, cursor)) {
        Scan(kNumericMinus, numLock, pending);
      }
    } else {
      ScanLetters((flags & STRING_UPPER_CASE) != 0, pending);
      Scan(kPlainPunctuation, numLock, pending);
    }
  }

  if (pending.found) {
    result.character.assign(1, pending.byte);
    result.keyCode = pending.key;
  }
  return result;
}

int AnnounceKey(const ScreenWindow* window, Gadget& field, int character, int keyCode) {
  ToolkitState& tk = Toolkit();
  KeyInfo info{static_cast<std::int16_t>(character), static_cast<std::int16_t>(keyCode)};
  // KeyOfEvent recognises the item by this record's address; a handler that runs frames of its
  // own may announce keys in between, so the outer record is put back afterwards.
  const KeyInfo* outer = tk.AnnouncedKey;
  tk.AnnouncedKey = &info;
  const int answer =
      NotifyHandlers(window, &field, EVENT_KEY, reinterpret_cast<std::intptr_t>(&info));
  tk.AnnouncedKey = outer;
  return answer;
}

KeyChar ReadKeyChar(const ScreenWindow* window, Gadget& field, std::string_view text, int flags) {
  KeyChar result = MapKeys(flags, text, field.selectionStart, field.cursor, field.altCode);
  if (!result.character.empty()) {
    const int byte = static_cast<unsigned char>(result.character[0]);
    if (AnnounceKey(window, field, byte, result.keyCode) == 0) result.character.clear();
  }
  return result;
}

}  // namespace bevel::detail

namespace bevel {

KeyInfo KeyOfEvent(std::intptr_t item) {
  const KeyInfo* announced = Toolkit().AnnouncedKey;
  if (announced == nullptr || item != reinterpret_cast<std::intptr_t>(announced)) return {0, 0};
  return *announced;
}

}  // namespace bevel
