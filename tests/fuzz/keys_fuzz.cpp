// Key sequences into text fields: a String, an editable ComboBox and a Date with random flags,
// maxima, masks, dates and limits, driven through the headless device and GadgetEvent with
// random keys, modifiers, lock states, Alt + digits codes, clicks, commands between frames, and
// handlers that veto or change the field while it is being edited.
//
// After every frame the fields must hold what their rules allow: the caret and the anchor inside
// the text, a single-line String within its maximum, a Date's parts in their ranges and its
// date within its limits. (Builds with BEVEL_CHECK_INVARIANTS check the frame's own invariants
// as well.)
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "services/headless.h"
#include "services/services.h"
#include "toolkit/gadgets/date_parts.h"
#include "toolkit/model/toolkit_state.h"
#include "toolkit/toolkit.h"

namespace {

using namespace bevel;

constexpr int kScreenW = 240, kScreenH = 160;
constexpr int kWindow = 1;
constexpr int kFirstField = 10;
constexpr int kMaxFields = 3;
constexpr int kMaxSteps = 48;
constexpr int kLeftAlt = KEY_LEFT_ALT;
// Keypad digits 0 .. 9 as scan codes.
constexpr std::array<int, 10> kKeypadDigits = {82, 79, 80, 81, 75, 76, 77, 71, 72, 73};
// Keys that editing and the layout look at; any other scan code is drawn too, less often.
constexpr std::array<int, 40> kKeys = {KEY_LEFT,
                                       KEY_RIGHT,
                                       KEY_UP,
                                       KEY_DOWN,
                                       KEY_HOME,
                                       KEY_END,
                                       KEY_ENTER,
                                       KEY_TAB,
                                       KEY_BACKSPACE,
                                       KEY_DELETE,
                                       KEY_LEFT_SHIFT,
                                       KEY_RIGHT_SHIFT,
                                       KEY_LEFT_CTRL,
                                       KEY_RIGHT_CTRL,
                                       KEY_RIGHT_ALT,
                                       KEY_LEFT_ALT,
                                       KEY_A,
                                       KEY_Z,
                                       KEY_Y,
                                       KEY_Q,
                                       KEY_E,
                                       KEY_M,
                                       KEY_1,
                                       KEY_2,
                                       KEY_0,
                                       KEY_9,
                                       KEY_SPACE,
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
                                       71,
                                       79,
                                       83};
constexpr int kStringFlags = ALIGN_RIGHT | ALIGN_CENTER | STRING_NUMERIC | STRING_PASSWORD |
                             STRING_LOWER_CASE | STRING_UPPER_CASE | STRING_MULTILINE |
                             STRING_READONLY;
constexpr int kComboFlags = COMBO_EDITABLE | STRING_NUMERIC | STRING_LOWER_CASE |
                            STRING_UPPER_CASE | STRING_READONLY | LIST_IMAGES;
constexpr int kDateFlags = DATE_UPDOWN | DATE_CHECKBOX | STRING_NUMERIC;

struct Field {
  int number = 0;
  int type = 0;
  int maximum = -1;
  int x = 0, y = 0, w = 0, h = 0;
};

FuzzedDataProvider* input = nullptr;  // the running input, read by the handler too
std::vector<Field> fields;

void Require(bool holds, const char* what, int number) {
  if (!holds) {
    std::fprintf(stderr, "keys_fuzz: %s (gadget %d)\n", what, number);
    std::abort();
  }
}

// A handler that allows most actions and sometimes vetoes one or changes a field under it.
int Handler(Gadget*, int kind, std::intptr_t) {
  if (input == nullptr || fields.empty()) return 1;
  const int choice = input->ConsumeIntegralInRange(0, 15);
  const Field& f = fields[input->ConsumeIntegralInRange<std::size_t>(0, fields.size() - 1)];
  switch (choice) {
    case 0:
      return 0;
    case 1:
      return kind == EVENT_KEY ? 0 : 1;
    case 2:
      SetCursor(f.number, input->ConsumeIntegralInRange(-2, 40));
      return 1;
    case 3:
      SetGadgetText(f.number, input->ConsumeRandomLengthString(24));
      return 1;
    case 4:
      SetSelectionStart(f.number, input->ConsumeIntegralInRange(-2, 40));
      return 1;
    default:
      return 1;
  }
}

void SetUpOnce() {
  static bool ready = false;
  if (ready) return;
  ready = true;
  headless::Use();
  OpenScreen(kScreenW, kScreenH, 32, "fuzz");
  InitToolkit();
  SetScreenSize(kScreenW, kScreenH, -1);
  SetEventCallback(Handler);
}

int Frame() {
  ClearScreen(0x808080);
  const int event = GadgetEvent();
  ShowFrame();
  return event;
}

void CheckField(const Field& f) {
  const Gadget* g = detail::FindGadget(f.number);
  Require(g != nullptr, "a field vanished", f.number);
  const auto length = static_cast<long long>(g->text.size());
  if (f.type == GADGET_DATE) {
    if (g->dateSet == 0 || g->date.year < 0) return;
    const DateParts& d = g->date;
    Require(d.month >= 1 && d.month <= 12, "month in 1 .. 12", f.number);
    Require(d.day >= 1 && d.day <= detail::DaysInMonth(d), "day within the month", f.number);
    Require(d.hour >= 0 && d.hour <= 23 && d.minute >= 0 && d.minute <= 59, "time of day in range",
            f.number);
    if (g->minDate.year >= 0) {
      Require(detail::CompareDates(d, g->minDate) >= 0, "date at or after the lower limit",
              f.number);
    }
    if (g->maxDate.year >= 0) {
      Require(detail::CompareDates(d, g->maxDate) <= 0, "date at or before the upper limit",
              f.number);
    }
    return;
  }
  Require(g->cursor >= -1 && g->cursor <= length, "caret within the text", f.number);
  Require(g->selectionStart >= -1 && g->selectionStart <= length, "anchor within the text",
          f.number);
  const int state = GetGadgetState(f.number);
  if (f.type == GADGET_STRING) {
    Require(state >= -1 && state <= length, "GetGadgetState within the text", f.number);
    if (f.maximum >= 0 && (g->flags & STRING_MULTILINE) == 0) {
      Require(length <= f.maximum, "a single-line String within its maximum", f.number);
    }
  }
}

int CheckedFrame() {
  const int event = Frame();
  for (const Field& f : fields) CheckField(f);
  return event;
}

int AnyInt(FuzzedDataProvider& in, int lo, int hi) {
  return in.ConsumeBool() ? in.ConsumeIntegral<int>() : in.ConsumeIntegralInRange(lo, hi);
}

void CreateFields(FuzzedDataProvider& in) {
  const int count = in.ConsumeIntegralInRange(1, kMaxFields);
  for (int i = 0; i < count; ++i) {
    Field f;
    f.number = kFirstField + i;
    f.x = 10;
    f.y = 4 + 40 * i;
    f.w = in.ConsumeIntegralInRange(0, 220);
    switch (in.ConsumeIntegralInRange(0, 2)) {
      case 0: {
        f.type = GADGET_STRING;
        const int flags = in.ConsumeIntegral<int>() & kStringFlags;
        f.h = (flags & STRING_MULTILINE) ? in.ConsumeIntegralInRange(0, 44) : 20;
        f.maximum = AnyInt(in, -1, 12);
        CreateString(f.number, f.x, f.y, f.w, f.h, in.ConsumeRandomLengthString(40), f.maximum,
                     flags);
        break;
      }
      case 1: {
        f.type = GADGET_COMBOBOX;
        f.h = 20;
        const int rows = in.ConsumeIntegralInRange(0, 6);
        CreateComboBox(f.number, f.x, f.y, f.w, rows,
                       (in.ConsumeIntegral<int>() & kComboFlags) | COMBO_EDITABLE);
        const int items = in.ConsumeIntegralInRange(0, 8);
        for (int k = 0; k < items; ++k) {
          AddGadgetItem(f.number, -1, in.ConsumeRandomLengthString(16));
        }
        break;
      }
      default: {
        f.type = GADGET_DATE;
        f.h = 20;
        const std::string mask = in.ConsumeBool() ? in.ConsumeRandomLengthString(24) : "";
        CreateDate(f.number, f.x, f.y, f.w, f.h, mask, AnyInt(in, 0, 2000000000),
                   in.ConsumeIntegral<int>() & kDateFlags);
        if (in.ConsumeBool()) {
          SetDateLimits(f.number, AnyInt(in, 0, 2000000000), AnyInt(in, 0, 2000000000));
        }
        break;
      }
    }
    fields.push_back(f);
  }
}

void Tap(int key) {
  headless::SetKey(key, true);
  CheckedFrame();
  headless::SetKey(key, false);
}

void Step(FuzzedDataProvider& in) {
  const Field& f = fields[in.ConsumeIntegralInRange<std::size_t>(0, fields.size() - 1)];
  const int key = in.ConsumeIntegralInRange(0, 3) == 0
                      ? in.ConsumeIntegralInRange(1, 255)
                      : kKeys[in.ConsumeIntegralInRange<std::size_t>(0, kKeys.size() - 1)];
  switch (in.ConsumeIntegralInRange(0, 11)) {
    case 0:
    case 1:
      headless::SetKey(key, true);
      break;
    case 2:
      headless::SetKey(key, false);
      break;
    case 3:
      Tap(key);
      break;
    case 4:
      headless::SetCapsLock(in.ConsumeBool());
      headless::SetNumLock(in.ConsumeBool());
      break;
    case 5: {  // an Alt + digits code on the keypad
      headless::SetKey(kLeftAlt, true);
      const int digits = in.ConsumeIntegralInRange(1, 4);
      for (int d = 0; d < digits; ++d) Tap(kKeypadDigits[in.ConsumeIntegralInRange(0, 9)]);
      headless::SetKey(kLeftAlt, false);
      break;
    }
    case 6: {
      const int frames = in.ConsumeIntegralInRange(1, 6);
      for (int k = 1; k < frames; ++k) CheckedFrame();
      break;
    }
    case 7: {  // a click somewhere on or near a field
      headless::SetMouse(f.x + in.ConsumeIntegralInRange(-5, f.w + 5),
                         f.y + in.ConsumeIntegralInRange(-5, f.h + 120));
      headless::SetButton(1, true);
      CheckedFrame();
      headless::SetButton(1, false);
      break;
    }
    case 8:
      switch (in.ConsumeIntegralInRange(0, 6)) {
        case 0:
          SetGadgetText(f.number, in.ConsumeRandomLengthString(40));
          break;
        case 1:
          SetCursor(f.number, AnyInt(in, -3, 50));
          break;
        case 2:
          SetSelectionStart(f.number, AnyInt(in, -3, 50));
          break;
        case 3:
          SetGadgetState(f.number, AnyInt(in, -3, 50));
          break;
        case 4:
          DisableGadget(f.number, in.ConsumeBool());
          break;
        case 5:
          SetDateLimits(f.number, AnyInt(in, 0, 2000000000), AnyInt(in, 0, 2000000000));
          break;
        default:
          SetGadgetState(f.number, AnyInt(in, 0, 2000000000));
          break;
      }
      break;
    case 9:
      headless::ReleaseAllKeys();
      break;
    case 10:
      headless::SetMouse(f.x + 5, f.y + 5);
      headless::AddWheel(in.ConsumeIntegralInRange(-3, 3));
      break;
    default:
      headless::AdvanceClock(in.ConsumeIntegralInRange(0, 2000));
      break;
  }
  CheckedFrame();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  SetUpOnce();
  FuzzedDataProvider in(data, size);
  headless::ReleaseAllKeys();
  headless::SetButton(1, false);
  headless::SetCapsLock(in.ConsumeBool());
  headless::SetNumLock(in.ConsumeBool());
  headless::SetFrameAdvance(static_cast<std::uint32_t>(in.ConsumeIntegralInRange(1, 60)));

  OpenWindowEx(kWindow, 0, 0, kScreenW - 10, kScreenH - 10, "",
               WINDOW_NO_TITLE_BAR | WINDOW_NO_BORDER);
  Frame();
  Frame();  // the window is active now
  fields.clear();
  CreateFields(in);
  input = &in;
  for (int step = 0; step < kMaxSteps && in.remaining_bytes() > 0; ++step) Step(in);
  input = nullptr;

  headless::ReleaseAllKeys();
  headless::SetButton(1, false);
  CheckedFrame();
  CloseWindow(kWindow);
  fields.clear();
  Frame();
  return 0;
}
