// The input requester: a message, a String holding the default text and an "OK" button.
//
// Size (inner, in pixels): width = the widest of the message's lines + 22 and the title +
// TitleExtra, both in the gadget font, at least 296; field height f = the line height, at least
// 14; height = message lines x line height + f + 47. The message sits at (10, 4), the String
// 8 below it, 22 narrower than the window; "OK" is centred 26 above the bottom. Every frame the
// button is centred anew and the String follows the window's width.
#include <algorithm>

#include "toolkit/model/requester_access.h"
#include "toolkit/requesters/modal_loop.h"
#include "toolkit/requesters/requester_text.h"

namespace bevel {
namespace {

constexpr int kLeastWidth = 296;
constexpr int kButtonWidth = 80, kButtonHeight = 20, kButtonRise = 26;
constexpr int kBelowField = 47;  // the field's margins and the button row
constexpr int kTextX = 10, kTextY = 4;
constexpr int kFieldX = 11, kFieldGap = 8;  // the field's left edge, its distance to the message

}  // namespace

std::string InputRequester(std::string_view title, std::string_view text,
                           std::string_view defaultText, int maximum, int flags,
                           TextRequesterCallback callback) {
  using namespace detail;
  const int lines = static_cast<int>(SplitLines(text).size());
  // At least the button with its margins, when the screen is narrower than the usual width.
  const int least = kButtonWidth + 12;

  int width = Fit(kLeastWidth, RoomWidth(), least), lineHeight = 0;
  std::string shownTitle(title), shownText(text);
  if (MeasureSession measure; measure.Ready()) {
    shownTitle = FitTitle(title, flags);
    SetDrawFont(GadgetSchemeFont());
    int wanted = shownTitle.empty() ? 0 : TextWidth(shownTitle) + TitleExtra(flags);
    wanted = std::max({wanted, WidestLine(text), kLeastWidth});
    lineHeight = TextHeight(" ");
    width = Fit(wanted, RoomWidth(), least);
    shownText = CutLines(text, width - 2 * kTextX);
  }
  const int fieldHeight = std::max(lineHeight, 14);
  const int height = Fit(1LL * lineHeight * lines + fieldHeight + kBelowField, RoomHeight(),
                         fieldHeight + kBelowField);
  const int textHeight = height - fieldHeight - kBelowField;

  RequesterCallback ask;
  if (callback) ask = [&callback](int kind, int value) { return callback(kind, value, ""); };
  ModalRequester requester(shownTitle, width, height, flags, std::move(ask));
  const int ok = requester.NewGadgetNumber();
  CreateButton(ok, (width - kButtonWidth) / 2, height - kButtonRise, kButtonWidth, kButtonHeight,
               "OK", GADGET_INTERNAL);
  const int field = requester.NewGadgetNumber();
  CreateString(field, kFieldX, textHeight + kFieldGap, width - 2 * kFieldX, fieldHeight + 4,
               defaultText, maximum, flags | GADGET_INTERNAL);
  SetGadgetState(field, -2);  // focused, the caret after the text, nothing selected
  CreateText(requester.NewGadgetNumber(), kTextX, kTextY, width - 2 * kTextX, textHeight, shownText,
             GADGET_INTERNAL);
  requester.Opened();

  std::string entered;
  const auto layout = [&](int w, int h) {
    ResizeGadget(ok, (w - kButtonWidth) / 2, h - kButtonRise, KEEP_VALUE, KEEP_VALUE);
    ResizeGadget(field, KEEP_VALUE, KEEP_VALUE, w - 2 * kFieldX, KEEP_VALUE);
  };
  // "OK", or Return in the field.
  const auto own = [&](const FrameEvents& events) {
    if (events.gadget != ok && !(events.gadget == field && events.activated != 0)) {
      return Verdict::kGoOn;
    }
    entered = GetGadgetText(field);
    return Verdict::kAnswered;
  };
  const auto accept = [&] { return !callback || callback(REQUESTER_ANSWER, 0, entered) != 0; };
  return requester.Run(layout, own, accept) ? entered : std::string(defaultText);
}

}  // namespace bevel
