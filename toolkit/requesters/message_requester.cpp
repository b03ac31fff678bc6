// The message requester: a title, a text of lines and a centred row of buttons.
//
// Size (inner, in pixels): width = the widest of the text's lines + 22 (gadget font), the title
// + TitleExtra (window font) and the button row (90 per button + 12); height = text lines x line
// height + 35. The text sits at (10, 4); the 80 x 20 buttons, 10 apart, are centred 26 above the
// bottom, placed anew every frame so that they follow a resized window.
#include <algorithm>
#include <vector>

#include "toolkit/model/requester_access.h"
#include "toolkit/requesters/modal_loop.h"
#include "toolkit/requesters/requester_text.h"

namespace bevel {
namespace {

constexpr int kButtonWidth = 80, kButtonHeight = 20, kButtonPitch = 90;
constexpr int kButtonRise = 26;  // from the button's top to the window's bottom
constexpr int kBelowText = 35;   // the button row with its margins
constexpr int kTextX = 10, kTextY = 4;
// More buttons than any screen could show are not made: their row would overflow the arithmetic.
constexpr std::size_t kMostButtons = 1000;

int ButtonX(int index, int count, int width) {
  return (width - (count * kButtonPitch - 10)) / 2 + index * kButtonPitch;
}

}  // namespace

int MessageRequesterEx(std::string_view title, std::string_view text, std::string_view buttons,
                       int flags, RequesterCallback callback) {
  using namespace detail;
  const std::vector<std::string_view> captions = SplitLines(buttons);
  const int count = static_cast<int>(std::min(captions.size(), kMostButtons));
  const int lines = static_cast<int>(SplitLines(text).size());
  const int buttonRow = count * kButtonPitch + 12;

  // Unmeasured (no screen yet), the window still fits its buttons.
  int width = buttonRow, lineHeight = 0;
  std::string shownTitle(title), shownText(text);
  if (MeasureSession measure; measure.Ready()) {
    shownTitle = FitTitle(title, flags);
    int wanted = shownTitle.empty() ? 0 : CodedTextWidth(shownTitle) + TitleExtra(flags);
    SetDrawFont(GadgetSchemeFont());
    wanted = std::max({wanted, WidestLine(text), buttonRow});
    lineHeight = TextHeight(" ");
    width = Fit(wanted, RoomWidth(), buttonRow);
    shownText = CutLines(text, width - 2 * kTextX);
  }
  const int height = Fit(1LL * lineHeight * lines + kBelowText, RoomHeight(), kBelowText);

  ModalRequester requester(shownTitle, width, height, flags, std::move(callback));
  std::vector<int> numbers;
  for (int i = 0; i < count; ++i) {
    const int number = requester.NewGadgetNumber();
    numbers.push_back(number);
    CreateButton(number, ButtonX(i, count, width), height - kButtonRise, kButtonWidth,
                 kButtonHeight, captions[static_cast<std::size_t>(i)], GADGET_INTERNAL);
  }
  CreateText(requester.NewGadgetNumber(), kTextX, kTextY, width - 2 * kTextX, height - kBelowText,
             shownText, GADGET_INTERNAL);
  requester.Opened();

  int pressed = 0;
  const auto layout = [&](int w, int h) {
    for (int i = 0; i < count; ++i) {
      ResizeGadget(numbers[static_cast<std::size_t>(i)], ButtonX(i, count, w), h - kButtonRise,
                   KEEP_VALUE, KEEP_VALUE);
    }
  };
  const auto own = [&](const FrameEvents& events) {
    const auto found = std::find(numbers.begin(), numbers.end(), events.gadget);
    if (found == numbers.end()) return Verdict::kGoOn;
    pressed = static_cast<int>(found - numbers.begin()) + 1;
    return Verdict::kAnswered;
  };
  const auto accept = [&] {
    return !requester.HasCallback() || requester.Ask(REQUESTER_ANSWER, pressed) != 0;
  };
  return requester.Run(layout, own, accept) ? pressed : 0;
}

int MessageRequester(std::string_view title, std::string_view text, std::string_view buttons,
                     int flags) {
  return MessageRequesterEx(title, text, buttons, flags, {});
}

int InfoRequester(std::string_view title, std::string_view text, std::string_view buttons) {
  return MessageRequesterEx(title, text, buttons, 0, {});
}

}  // namespace bevel
