// The Date gadget's share of the keyboard editor: digits, Backspace, Delete, the arrows, Home
// and End acting on the selected date part.
//
// A part is typed digit by digit into its text in extraText: a digit that would make the text
// too long or an invalid value starts the part over with that digit alone, and a part with all
// its digits (two, four for the year) is stored into the date at once. The selection stays on
// the part.
#include <algorithm>
#include <initializer_list>
#include <string>
#include <string_view>

#include "services/services.h"
#include "toolkit/gadgets/date_parts.h"
#include "toolkit/text/key_editor.h"

namespace bevel::detail {
namespace {

// More parts than a mask of this many can hold are not added by typing.
constexpr int kMaxParts = 255;

// The decimal value of a part text, saturating: it is only compared against part ranges.
int ValueOf(std::string_view digits) {
  int v = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') break;
    v = std::min(v * 10 + (c - '0'), 100000);
  }
  return v;
}

int PartCount(const Gadget& g) {
  return static_cast<int>(std::count(g.extraText.begin(), g.extraText.end(), ';'));
}

// The selected part's text; a part missing from the texts (the mask changed since they were
// written) is added empty, so typing starts it over.
PartText SelectedPartText(Gadget& g) {
  PartText at = FindPartText(g.extraText, g.dateField);
  if (!at.found) {
    g.extraText.append(static_cast<std::size_t>(g.dateField - PartCount(g)), ';');
    at = FindPartText(g.extraText, g.dateField);
  }
  return at;
}

void TypeDigit(Gadget& g, char digit) {
  if (g.dateField > kMaxParts) return;
  const int type = g.dateFieldType;
  const PartText at = SelectedPartText(g);
  std::string part = g.extraText.substr(at.start, at.length);
  std::string candidate = part + digit;
  const int partial = candidate.size() == 4 ? 0 : 1;
  const std::size_t longest = type == PART_YEAR || type == PART_YEAR2 ? 4 : 2;
  if (candidate.size() <= longest && IsValidDatePart(g.date, type, ValueOf(candidate), partial)) {
    part = std::move(candidate);
  } else {
    part.assign(1, digit);
  }
  g.extraText.replace(at.start, at.length, part);
  const bool complete =
      (type > PART_YEAR2 && part.size() == 2) || (type == PART_YEAR && part.size() == 4);
  if (complete) {
    SetDatePart(g.date, type, ValueOf(part));
    SettleDatePart(g);
  }
}

// Left and Right move the selection through the parts, wrapping; the renderer finds the new
// part's type.
void MoveSelection(Gadget& g, int d) {
  const int parts = PartCount(g);
  if (parts == 0) return;
  int field = std::min(g.dateField, parts) + d;
  if (field < 1) field = parts;
  if (field > parts) field = 1;
  g.dateField = field;
  g.dateFieldType = 0;
}

}  // namespace

DateKeyStep DateKeyEditor(const ScreenWindow* window, Gadget& date, const KeyChar& typed) {
  DateKeyStep step;
  if (date.dateField <= 0 || date.date.year < 0) return step;

  const char c = typed.character.empty() ? '\0' : typed.character[0];
  if (c >= '0' && c <= '9') {
    TypeDigit(date, c);
    step.acted = true;
    return step;
  }
  // The rest are commands, offered to the handlers first; a vetoed one still names its key.
  const auto offer = [&](int key) {
    step.keyCode = key;
    return AnnounceKey(window, date, 0, key) != 0 && !date.dead;
  };
  for (const int key : {KEY_BACKSPACE, KEY_DELETE}) {
    if (KeyPushed(key) != 0 && offer(key)) {
      step.acted = true;  // nothing to erase in a date part
      return step;
    }
    if (date.dead) return step;
  }
  const HeldNav nav = FirstHeldNavKey();
  if (nav.key == 0 || !offer(nav.key) || date.dateField <= 0) return step;
  switch (nav.nav) {
    case Nav::kLeft:
      MoveSelection(date, -1);
      break;
    case Nav::kRight:
      MoveSelection(date, 1);
      break;
    case Nav::kUp:
      StepDatePart(date, 1);
      break;
    case Nav::kDown:
      StepDatePart(date, -1);
      break;
    case Nav::kHome:
      SetDatePartToEnd(date, false);
      break;
    case Nav::kEnd:
      SetDatePartToEnd(date, true);
      break;
  }
  step.acted = true;
  return step;
}

}  // namespace bevel::detail
