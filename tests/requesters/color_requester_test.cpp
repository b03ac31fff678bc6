// The colour requester on a 640 x 480 headless screen, answered by a scripted person. With
// nothing else open its gadgets are: -1 OK, -2 Abbrechen, -3 Farben definieren >>, -4 Farbe
// hinzufügen, -5..-10 the fields H, S, L, R, G, B, -11 / -12 / -13 the frames of the spectrum,
// the bar and the preview, -20 - k swatch k (1..80), -103 the marker.
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/golden.h"
#include "tests/support/requester_person.h"
#include "tests/support/toolkit_screen.h"

namespace bevel {
namespace {

using namespace testing;

constexpr int kOk = -1, kCancel = -2, kDefine = -3, kAdd = -4, kHue = -5, kRed = -8;
constexpr int kGreen = 0x00FF00, kRedColour = 0x0000FF, kWhite = 0xFFFFFF;
constexpr int kWide = COLOR_REQUESTER_EXPANDED;

constexpr int Swatch(int k) {
  return -20 - k;
}

// Pixel (dx, dy) inside a sunken frame of the live window, moved by (mx, my).
Where InFrame(int frame, int dx, int dy, int mx = 0, int my = 0) {
  return [=] {
    const Gadget* g = detail::FindGadget(frame);
    const ScreenWindow* w = g != nullptr ? Live(g->window) : nullptr;
    int ox = 0, oy = 0;
    if (w != nullptr) detail::ContentOrigin(*w, false, ox, oy);
    return w ? std::pair(ox + g->x + 2 + dx + mx, oy + g->y + 2 + dy + my) : std::pair(-1, -1);
  };
}
Where SpectrumPoint(int hue, int saturation, int mx = 0, int my = 0) {
  return InFrame(-11, hue, 240 - saturation, mx, my);
}
// On the bar's hot strip (14..22 right of the bar's left edge).
Where BarPoint(int lightness, int dx = 18, int my = 0) {
  return InFrame(-12, dx, 240 - lightness, 0, my);
}

// The mouse to a place, with the left button held or not.
Script Mouse(Where where, bool held = true) {
  return Script{[=] {
    const auto [x, y] = where();
    if (x < 0) return false;
    headless::SetMouse(x, y);
    headless::SetButton(1, held);
    return true;
  }};
}
Script ExpectMouseAt(Where where) {
  return Then(
      [where] { EXPECT_EQ(std::pair(headless::MouseXNow(), headless::MouseYNow()), where()); });
}
// Two frames after a change the shown frame has it.
Script ExpectPreview(int colour) {
  return Frames(2) + Then([colour] {
           const auto [x, y] = InFrame(-13, 50, 19)();
           EXPECT_EQ(headless::ShownPixel(x, y), colour) << std::hex << "preview 0x" << colour;
         });
}
// H, S, L, R, G, B as far as given.
Script ExpectFields(std::vector<std::string> texts) {
  return Frames(2) + Then([texts = std::move(texts)] {
           for (std::size_t i = 0; i < texts.size(); ++i) {
             EXPECT_EQ(GetGadgetText(kHue - static_cast<int>(i)), texts[i]) << "field " << i;
           }
         });
}
Script Emptied(int field) {
  return Click(field) + Keys({KEY_END, KEY_BACKSPACE, KEY_BACKSPACE, KEY_BACKSPACE});
}

class ColourRequesters : public ToolkitScreen {
 protected:
  void SetUp() override {
    ToolkitScreen::SetUp();
    ASSERT_NE(OpenScreen(640, 480, 32, "colours"), 0);
    headless::SetFrameAdvance(20);
    SetScreenSize(640, 480, -1);
    ClearScreen(0x335577);
    GadgetEvent();
    ASSERT_EQ(InitColorRequester(), 1);
  }
};

TEST_F(ColourRequesters, TheFieldsShowTheColourAndOkAnswersWithIt) {
  const struct {
    int colour;
    Script script;
    std::vector<std::string> fields;
    int answer;
  } cases[] = {
      // clang-format off
      // The given colour as hue, saturation, lightness, by the sector of the hue circle.
      {kGreen, {}, {"80", "240", "120"}, kGreen},
      {kWhite, {}, {"160", "0", "240"}, kWhite},
      {0x000000, {}, {"160", "0", "0"}, 0},
      {RGB(0x80, 0x40, 0x40), {}, {"0", "80", "90"}, RGB(0x80, 0x40, 0x40)},      // r > g >= b
      {RGB(0x80, 0xFF, 0x00), {}, {"60", "240", "120"}, RGB(0x80, 0xFF, 0x00)},   // g >= r > b
      {RGB(0x00, 0x80, 0xFF), {}, {"140", "240", "120"}, RGB(0x00, 0x80, 0xFF)},  // b >= g > r
      {RGB(0x80, 0x00, 0xFF), {}, {"180", "240", "120"}, RGB(0x80, 0x00, 0xFF)},  // b > r >= g
      {RGB(0xFF, 0x00, 0x80), {}, {"220", "240", "120"}, RGB(0xFF, 0x00, 0x80)},  // r >= b > g
      {RGB(0xFF, 0x80, 0x80), {}, {"0", "240", "180"}, RGB(0xFF, 0x80, 0x80)},
      {0x7F000000 | RGB(0x56, 0x34, 0x12), {}, {"20", "157", "49"}, RGB(0x56, 0x34, 0x12)},
      // Typed: out-of-range values are clamped, an empty field reads 0.
      {0, Emptied(kRed) + Keys({KEY_3, KEY_0, KEY_0}), {"0", "240", "120", "255", "0", "0"},
       kRedColour},
      {RGB(0x12, 0x34, 0x56), Emptied(kRed), {"136", "240", "40", "", "52", "86"},
       RGB(0, 0x34, 0x56)},
      {kGreen, Emptied(kHue) + Keys({KEY_3, KEY_0, KEY_0}), {"239", "240", "120", "255", "0", "6"},
       RGB(255, 0, 6)},
      {kGreen, Emptied(kHue - 1) + Keys({KEY_3, KEY_0, KEY_0}), {"80", "240"}, kGreen},
      {kGreen, Emptied(kHue - 2) + Keys({KEY_0}), {"80", "240", "0", "0", "0", "0"}, 0},
      // A click into a field changes nothing: the colour is not rounded to the spectrum's.
      {RGB(0x12, 0x34, 0x57), Click(kHue), {"140", "158", "49", "18", "52", "87"},
       RGB(0x12, 0x34, 0x57)},
      // clang-format on
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.colour);
    Person person(WaitFor(-1) + c.script + ExpectFields(c.fields) + Click(kOk));
    EXPECT_EQ(ColorRequester(c.colour, kWide), c.answer);
  }
  // A callback's "-" in a field reads 0.
  Person person(Click(kOk));
  const auto minus = [](int kind, int) {
    return kind == REQUESTER_OPENED ? SetGadgetText(kRed, "-") : 1;
  };
  EXPECT_EQ(ColorRequesterEx(kWhite, 0, minus), RGB(0, 255, 255));
}

// Picks come from the spectrum table: its top left is red, its bottom row grey at every hue; the
// hue ramps' halves go to even (green 12 x 6.375 = 76.5), the saturation's up (blue at half
// saturation 127 - 121 / 2 = 66.5).
TEST_F(ColourRequesters, ADragHoldsThePointerInsideTheSpectrumOrTheBarAndThePreviewFollows) {
  // From red across the spectrum to yellow (hue 40), pulled far above and right of it; a press
  // beside the bar moved onto it changes nothing; on the bar from 120 to 180 (half way to
  // white), over to the spectrum's side, past the bar's top and past its bottom.
  Person person(
      Mouse(SpectrumPoint(0, 240)) + ExpectPreview(kRedColour) + Mouse(SpectrumPoint(12, 240)) +
      ExpectPreview(RGB(255, 76, 0)) + Mouse(SpectrumPoint(239, 120)) +
      ExpectPreview(RGB(191, 64, 67)) + Mouse(SpectrumPoint(133, 0)) + ExpectPreview(0x7F7F7F) +
      Mouse(SpectrumPoint(40, 240)) + ExpectPreview(RGB(0xFF, 0xFF, 0x00)) +
      Mouse(SpectrumPoint(40, 240, 0, -40)) + Frames(1) + ExpectMouseAt(SpectrumPoint(40, 240)) +
      ExpectFields({"40", "240", "120", "255", "255", "0"}) +
      Mouse(SpectrumPoint(40, 240, 300, 0)) + Frames(1) + ExpectMouseAt(SpectrumPoint(239, 240)) +
      Mouse(SpectrumPoint(40, 240)) + Mouse(BarPoint(0, 23), false) + Mouse(BarPoint(0, 23)) +
      Mouse(BarPoint(0)) + ExpectPreview(RGB(0xFF, 0xFF, 0x00)) + Mouse(BarPoint(120), false) +
      Mouse(BarPoint(120)) + Mouse(BarPoint(180)) + Mouse(SpectrumPoint(239, 180)) + Frames(1) +
      ExpectMouseAt(BarPoint(180, 14)) + ExpectPreview(RGB(0xFF, 0xFF, 0x80)) +
      Mouse(BarPoint(240, 60, -50)) + Frames(1) + ExpectMouseAt(BarPoint(240, 22)) +
      ExpectPreview(kWhite) + Mouse(BarPoint(0, 18, 50)) + ExpectPreview(0) +
      Mouse(BarPoint(0), false) + Click(kOk));
  EXPECT_EQ(ColorRequester(kGreen, kWide), 0);
}

TEST_F(ColourRequesters, CustomColoursGoAfterTheLastPickedOrAddedAsLongAsTheToolkitLasts) {
  ToolkitState& tk = Toolkit();
  std::vector<int> slots;
  const auto heard = [&](int kind, int value) {
    if (kind == REQUESTER_CUSTOM_COLOR) slots.push_back(value);
    return 1;
  };
  // A picked custom swatch takes the next addition: here a base colour.
  tk.ColorTable[52] = 0x123456;
  Person picked(Click(Swatch(52)) + Click(kDefine) + ExpectFields({"20", "157", "49"}) +
                Click(Swatch(9)) + Click(kAdd) + Click(kOk));
  EXPECT_EQ(ColorRequesterEx(kGreen, 0, heard), kRedColour);
  EXPECT_EQ(slots, std::vector<int>{3});
  EXPECT_EQ(tk.ColorTable[52], kRedColour);

  // Thirty-three additions over two requesters: the second goes on after the first, the last
  // slot takes the overflow.
  InitColorRequester();
  slots.clear();
  for (const auto& [colour, count] : {std::pair{0x111111, 20}, std::pair{0x222222, 13}}) {
    Script adds;
    for (int i = 0; i < count; ++i) adds = adds + Click(kAdd);
    Person person(adds + Click(kOk));
    EXPECT_EQ(ColorRequesterEx(colour, kWide, heard), colour);
  }
  std::vector<int> expected;
  for (int i = 0; i < 33; ++i) expected.push_back(std::min(i, 31));
  EXPECT_EQ(slots, expected);
  for (int k = 49; k <= 80; ++k) EXPECT_EQ(tk.ColorTable[k], k < 69 ? 0x111111 : 0x222222) << k;
  EXPECT_EQ(tk.ColorTable[48], kWhite) << "the base colours stay";
}

TEST_F(ColourRequesters, ExpandingShowsTheDefinerCentredAndTheCallbackHearsEveryKind) {
  const auto definer = [](bool shown) {
    return Then([shown] {
      for (int n = kAdd; n >= -20; --n) EXPECT_EQ(detail::FindGadget(n)->hidden, !shown) << n;
      EXPECT_EQ(detail::FindGadget(kDefine)->disabled, shown);
      EXPECT_EQ(WindowWidth(-1), shown ? 514 : 222);
      EXPECT_EQ(Toolkit().WindowList.Find(-1)->x, (640 - WindowOuterWidth(-1)) / 2);
    });
  };
  const struct {
    const char* name;
    int flags;
    Script script;
    int answer;
    std::vector<std::pair<int, int>> heard;
  } cases[] = {
      // clang-format off
      // Collapsed, a press where the spectrum or the bar would lie changes nothing.
      {"OK refused once", 0,
       WaitFor(-1) + definer(false) + ClickAt(SpectrumPoint(0, 240)) + ClickAt(BarPoint(240)) +
           Click(kOk) + Click(kDefine) + definer(true) + Click(kOk),
       kGreen, {{1, -1}, {5, kGreen}, {6, 0}, {5, kGreen}}},
      {"opened wide", kWide, WaitFor(-1) + definer(true) + Click(kCancel), -1, {{1, -1}}},
      {"Escape", WINDOW_ESCAPE_CLOSES, Keys({KEY_ESCAPE}), -1, {{1, -1}, {3, 1}}},
      {"the callback's gadget", 0, Click(1), 0, {{1, -1}, {2, 1}}},
      // clang-format on
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::pair<int, int>> heard;
    Person person(c.script);
    const int answer = ColorRequesterEx(kGreen, c.flags, [&](int kind, int value) {
      heard.emplace_back(kind, value);
      if (kind == REQUESTER_OPENED) CreateButton(1, 11, 284, 80, 20, "Eigene");
      return kind != REQUESTER_ANSWER || heard.size() > 2 ? 1 : 0;
    });
    EXPECT_EQ(answer, c.answer);
    EXPECT_EQ(heard, c.heard);
  }
}

TEST_F(ColourRequesters, TheExpandedRequesterLooksAsItsReference) {
  const std::string png = std::string(BEVEL_TEST_OUT) + "/color-requester.png";
  Person person(Click(Swatch(20)) + ClickAt(BarPoint(150)) + Frames(2) +
                Then([&] { ASSERT_TRUE(headless::SavePng(png, true)); }) + Click(kOk));
  ColorRequester(RGB(0x40, 0x80, 0xC0), kWide);
  ExpectMatchesGolden(png, "color-requester-expanded");
}

}  // namespace
}  // namespace bevel
