// The colour requester "Farbe": 48 base and 32 custom swatches and, once "Farben definieren >>"
// widens the window (or COLOR_REQUESTER_EXPANDED opens it wide), the definer: a spectrum of hue
// (across) and saturation (down), a lightness bar, a preview and six numeric fields.
//
// Layout (content coordinates; inner size 222 x 364 collapsed, 514 x 364 expanded):
//   swatches      20 x 17 sunken frames, 25 apart across and 22 down: base colours in 6 rows of
//                 8 from (11, 28), custom colours in 4 rows from (11, 195); the colour fills the
//                 16 x 13 inside, which also takes the mouse
//   buttons       OK (11, 338), Abbrechen (101, 338), Farben definieren >> (11, 309)
//   definer       spectrum (225, 10) 240 x 241 in a frame at (223, 8); lightness bar (479, 10)
//                 12 x 241, its pointer and hot strip 14..22 right of the bar; preview (225, 265)
//                 100 x 38; fields H, S, L at x 393 and R, G, B at x 473, rows 263 / 286 / 309;
//                 Farbe hinzufügen (283, 338). Hidden while collapsed.
//
// The colour K follows one of two sources; an edit marks which, and the other side is brought
// in line before the next frame's GadgetEvent:
//   marked by                                  settled as
//   a swatch, a red / green / blue field       K = the fields' RGB; H, S, L written from K
//   the spectrum, the bar, an H / S / L field  K = the spectrum's (H, S) at lightness L; R, G, B
//                                              written from K
// so a picked colour always comes from the spectrum table, never from its enlarged picture.
//
// The mouse, while the left button is held (drag):
//   pressed on the spectrum    dragging it: the pointer is held inside, H and S follow
//   pressed on the bar strip   dragging it: the pointer is held on the strip, L follows
//   pressed anywhere else      nothing of the two until the button is let go
// A swatch under the held button is picked in every frame, whatever the drag.
#include <algorithm>
#include <array>
#include <string>
#include <utility>

#include "toolkit/model/requester_access.h"
#include "toolkit/model/toolkit_state.h"
#include "toolkit/requesters/color_tables.h"
#include "toolkit/requesters/modal_loop.h"
#include "toolkit/requesters/requester_text.h"

namespace bevel {
namespace {

using detail::FrameEvents;
using detail::ModalRequester;
using detail::Verdict;

constexpr int kCollapsedWidth = 222, kExpandedWidth = 514, kHeight = 364;
// Flags kept from the window besides those RequesterWindowFlags drops: the requester's own, the
// title bar's size buttons, and two classic window bits (0x40000, 0x80000) no requester passes on.
constexpr int kDroppedFlags = COLOR_REQUESTER_EXPANDED | WINDOW_NO_MAXIMIZE_BUTTON |
                              WINDOW_MINIMIZE_ENABLED | 0x40000 | 0x80000;

struct Rect {
  int x, y, w, h;
  bool Contains(int px, int py) const { return px >= x && px < x + w && py >= y && py < y + h; }
};

// The inside of a sunken frame: 2 pixels of bevel all round.
constexpr Rect Inside(Rect frame) {
  return {frame.x + 2, frame.y + 2, frame.w - 4, frame.h - 4};
}

constexpr Rect kSpectrumFrame{223, 8, 244, 245}, kBarFrame{477, 8, 16, 245};
constexpr Rect kPreviewFrame{223, 263, 104, 42};
constexpr Rect kSpectrum = Inside(kSpectrumFrame), kBar = Inside(kBarFrame);
constexpr int kStripLeft = 14, kStripWidth = 9;  // the bar's hot strip, from the bar's left
constexpr int kBarStep = 6;                      // lightness values per box of the bar

// Gadgets in the order they are made; each takes the next free negative number, so the first
// (OK) has the requester's first number N and gadget k the number N - k where numbers are free.
enum Part : int {
  kOk,
  kCancel,
  kDefine,
  kAdd,
  kHue,  // then saturation, lightness, red, green, blue
  kRed = kHue + 3,
  kSpectrumBox = kHue + 6,
  kBarBox,
  kPreviewBox,
  kPreviewLabel,
  kLabels,  // six field labels
  kSwatches = kLabels + 6,
  kBaseTitle = kSwatches + detail::kSwatchCount,
  kCustomTitle,
  kMarker,
  kPartCount,
};

// The swatch frame of ColorTable entry k (1..80).
constexpr Rect SwatchFrame(int k) {
  const int i = k - 1, base = i < 48, j = base ? i : i - 48;
  return {11 + 25 * (j % 8), (base ? 28 : 195) + 22 * (j / 8), 20, 17};
}

// A field's number: its leading digits, after an optional "-"; 0 without any. The fields take
// three digits, but a callback may have put any text there.
int FieldNumber(int gadget) {
  const std::string text = GetGadgetText(gadget);
  std::size_t i = text.starts_with('-') ? 1 : 0;
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = std::min(value * 10 + (text[i] - '0'), 1000000LL);
  }
  return static_cast<int>(text.starts_with('-') ? -value : value);
}

// A box in the pen colour, only where it lies inside clip.
void ClippedBox(const Rect& clip, int x, int y, int w, int h) {
  const int left = std::max(x, clip.x), top = std::max(y, clip.y);
  const int right = std::min(x + w, clip.x + clip.w), bottom = std::min(y + h, clip.y + clip.h);
  Box(left, top, right - left, bottom - top);  // nothing when they do not meet
}

void SetFieldNumber(int gadget, int value) {
  SetGadgetText(gadget, std::to_string(value));
}

class ColourRequester {
 public:
  ColourRequester(ModalRequester& requester, int colour, bool expanded, int expandedWidth)
      : req_(requester), expandedWidth_(expandedWidth), expanded_(expanded), colour_(colour) {}

  void MakeGadgets();
  // Before each frame's GadgetEvent: the side not edited follows the edited one.
  void Settle();
  void Draw(int ox, int oy) const;
  Verdict Act(const FrameEvents& events);
  int Colour() const { return colour_; }
  bool Closed() const { return closed_; }

 private:
  enum class Source { kSettled, kRgb, kHsl };
  enum class Drag { kNone, kOnSpectrum, kOnBar, kElsewhere };

  int N(int part) const { return number_[static_cast<std::size_t>(part)]; }
  void Mouse();
  void PickSwatch(int k);
  void Expand();
  void AddCustomColour();
  // A hue / saturation / lightness field (index 0..2) or red / green / blue field (3..5) changed.
  void FieldChanged(int index);
  void WriteHsl();

  ModalRequester& req_;
  std::array<int, kPartCount> number_{};
  int expandedWidth_;
  bool expanded_;
  int colour_;                                    // K
  int hue_ = 0, saturation_ = 0, lightness_ = 0;  // H, S, L
  std::array<int, 3> converted_{-1, -1, -1};      // the red, green, blue K was last made from
  Source source_ = Source::kRgb;                  // the given colour is in the RGB fields
  Drag drag_ = Drag::kNone;
  bool closed_ = false;
};

void ColourRequester::MakeGadgets() {
  for (int& number : number_) number = req_.NewGadgetNumber();
  constexpr int kFlags = GADGET_INTERNAL;
  CreateButton(N(kOk), 11, 338, 80, 20, "OK", kFlags);
  CreateButton(N(kCancel), 101, 338, 80, 20, "Abbrechen", kFlags);
  CreateButton(N(kDefine), 11, 309, 200, 20, "Farben definieren >>", kFlags);
  CreateButton(N(kAdd), 283, 338, 220, 20, "Farbe hinzuf\xFCgen", kFlags);
  const int channels[3] = {Red(colour_), Green(colour_), Blue(colour_)};
  for (int i = 0; i < 6; ++i) {
    const int x = i < 3 ? 393 : 473, y = 263 + 23 * (i % 3);
    CreateString(N(kHue + i), x, y, 30, 20, i < 3 ? "" : std::to_string(channels[i - 3]), 3,
                 STRING_NUMERIC | kFlags);
  }
  for (const auto& [part, frame] :
       {std::pair{kSpectrumBox, kSpectrumFrame}, std::pair{kBarBox, kBarFrame},
        std::pair{kPreviewBox, kPreviewFrame}}) {
    CreateFrame3D(N(part), frame.x, frame.y, frame.w, frame.h, "", FRAME_DOUBLE_SUNKEN | kFlags);
  }
  CreateText(N(kPreviewLabel), 223, 306, 104, 16, "Farbe", ALIGN_CENTER | kFlags);
  constexpr const char* kLabelTexts[6] = {
      "Farbe:", "S\xE4tt.:", "Hell.:", "Rot:", "Gr\xFCn:", "Blau:"};
  for (int i = 0; i < 6; ++i) {
    CreateText(N(kLabels + i), i < 3 ? 359 : 439, 263 + 23 * (i % 3), 30, 16, kLabelTexts[i],
               ALIGN_RIGHT | kFlags);
  }
  for (int k = 1; k <= detail::kSwatchCount; ++k) {
    const Rect frame = SwatchFrame(k);
    CreateFrame3D(N(kSwatches + k - 1), frame.x, frame.y, frame.w, frame.h, "",
                  FRAME_DOUBLE_SUNKEN | kFlags);
  }
  CreateText(N(kBaseTitle), 11, 8, 200, 16, "Grundfarben:", kFlags);
  CreateText(N(kCustomTitle), 11, 175, 200, 16, "Benutzerdefinierte Farben:", kFlags);
  CreateFrame3D(N(kMarker), 0, 0, 24, 21, "", FRAME_FLAT | kFlags);
  HideGadget(N(kMarker), 1);
  for (int part = kAdd; part < kSwatches; ++part) HideGadget(N(part), expanded_ ? 0 : 1);
  DisableGadget(N(kDefine), expanded_ ? 1 : 0);
}

void ColourRequester::Settle() {
  if (source_ == Source::kRgb) {
    std::array<int, 3> rgb{};
    for (int i = 0; i < 3; ++i) rgb[i] = std::clamp(FieldNumber(N(kRed + i)), 0, 255);
    if (rgb != converted_) {
      colour_ = RGB(rgb[0], rgb[1], rgb[2]);
      const detail::Hsl hsl = detail::RgbToHsl(colour_);
      hue_ = hsl.hue;
      saturation_ = hsl.saturation;
      lightness_ = hsl.lightness;
      WriteHsl();
      converted_ = rgb;
    }
  } else if (source_ == Source::kHsl) {
    const int pure = detail::SpectrumColour(hue_, 240 - saturation_);
    colour_ = detail::AdjustLightness(pure, lightness_ - 120);
    converted_ = {Red(colour_), Green(colour_), Blue(colour_)};
    for (int i = 0; i < 3; ++i) SetFieldNumber(N(kRed + i), converted_[i]);
  }
  source_ = Source::kSettled;
}

void ColourRequester::WriteHsl() {
  SetFieldNumber(N(kHue), hue_);
  SetFieldNumber(N(kHue + 1), saturation_);
  SetFieldNumber(N(kHue + 2), lightness_);
}

void ColourRequester::Draw(int ox, int oy) const {
  const ToolkitState& tk = Toolkit();
  if (expanded_) {
    const int sx = ox + kSpectrum.x, sy = oy + kSpectrum.y;
    const int bx = ox + kBar.x, by = oy + kBar.y;
    DrawImage(ImageHandle(tk.SpectrumImage), sx, sy);
    // The bar: boxes of 6 lightness values, each in the colour of its lightest; the top row
    // (lightness 240) is a box of its own, or it would stay unpainted.
    const int pure = detail::SpectrumColour(hue_, 240 - saturation_);
    for (int i = kBarStep - 1; i <= 240; i += kBarStep) {
      Box(bx, by + 240 - i, kBar.w, kBarStep, detail::AdjustLightness(pure, i - 120));
    }
    Box(bx, by, kBar.w, 1, detail::AdjustLightness(pure, 120));
    const Rect preview = Inside(kPreviewFrame);
    Box(ox + preview.x, oy + preview.y, preview.w, preview.h, colour_);

    // The cross-hair: four arms around the picked point, cut off at the spectrum's edges.
    SetPenColour(tk.GadgetScheme[SlotIndex(COLOR_TEXT)]);
    const Rect spectrum{sx, sy, kSpectrum.w, kSpectrum.h};
    const int cx = sx + hue_, cy = sy + 240 - saturation_;
    ClippedBox(spectrum, cx + 5, cy - 1, 5, 3);
    ClippedBox(spectrum, cx - 9, cy - 1, 5, 3);
    ClippedBox(spectrum, cx - 1, cy - 9, 3, 5);
    ClippedBox(spectrum, cx - 1, cy + 5, 3, 5);
    // The lightness pointer: a triangle pointing left at the bar.
    const int px = bx + 16, py = by + 240 - lightness_;
    Plot(px, py);
    for (int i = 1; i <= 4; ++i) Box(px + i, py - i, 1, 2 * i + 1);
  }
  for (int k = 1; k <= detail::kSwatchCount; ++k) {
    const Rect box = Inside(SwatchFrame(k));
    Box(ox + box.x, oy + box.y, box.w, box.h, tk.ColorTable[static_cast<std::size_t>(k)]);
  }
}

void ColourRequester::Mouse() {
  int ox = 0, oy = 0;
  if (MouseButton(1) == 0) {
    drag_ = Drag::kNone;
    return;
  }
  // A button held before the window was live (or while the callback's requester ran) was
  // pressed somewhere else.
  if (!req_.LiveOrigin(ox, oy)) {
    drag_ = Drag::kElsewhere;
    return;
  }
  int x = MouseX(), y = MouseY();
  const Rect spectrum{ox + kSpectrum.x, oy + kSpectrum.y, kSpectrum.w, kSpectrum.h};
  const Rect strip{ox + kBar.x + kStripLeft, oy + kBar.y, kStripWidth, kBar.h};
  const Rect* held = drag_ == Drag::kOnSpectrum ? &spectrum
                     : drag_ == Drag::kOnBar    ? &strip
                                                : nullptr;
  if (held != nullptr) {
    x = std::clamp(x, held->x, held->x + held->w - 1);
    y = std::clamp(y, held->y, held->y + held->h - 1);
    SetMousePosition(x, y);
  }
  // The definer takes the mouse only while it is shown: collapsed, its place lies outside the
  // window.
  const bool mayDrag = expanded_ && drag_ != Drag::kElsewhere;
  if (mayDrag && spectrum.Contains(x, y)) {
    hue_ = x - spectrum.x;
    saturation_ = spectrum.y - y + 240;
    SetFieldNumber(N(kHue), hue_);
    SetFieldNumber(N(kHue + 1), saturation_);
    drag_ = Drag::kOnSpectrum;
  } else if (mayDrag && strip.Contains(x, y)) {
    lightness_ = strip.y - y + 240;
    SetFieldNumber(N(kHue + 2), lightness_);
    drag_ = Drag::kOnBar;
  } else {
    drag_ = Drag::kElsewhere;
  }
  if (drag_ != Drag::kElsewhere) {
    for (int i = 0; i < 6; ++i) SetGadgetState(N(kHue + i), -1);
    source_ = Source::kHsl;
  }
  for (int k = 1; k <= detail::kSwatchCount; ++k) {
    const Rect box = Inside(SwatchFrame(k));
    if (Rect{ox + box.x, oy + box.y, box.w, box.h}.Contains(x, y)) PickSwatch(k);
  }
}

void ColourRequester::PickSwatch(int k) {
  ToolkitState& tk = Toolkit();
  if (k >= detail::kFirstCustomColor) tk.NextCustomColor = k;
  const int colour = tk.ColorTable[static_cast<std::size_t>(k)];
  SetFieldNumber(N(kRed), Red(colour));
  SetFieldNumber(N(kRed + 1), Green(colour));
  SetFieldNumber(N(kRed + 2), Blue(colour));
  const Rect frame = SwatchFrame(k);
  ResizeGadget(N(kMarker), frame.x - 2, frame.y - 2, KEEP_VALUE, KEEP_VALUE);
  HideGadget(N(kMarker), 0);
  source_ = Source::kRgb;
}

void ColourRequester::Expand() {
  expanded_ = true;
  DisableGadget(N(kDefine), 1);
  ResizeWindow(req_.Window(), KEEP_VALUE, KEEP_VALUE, expandedWidth_, KEEP_VALUE);
  // Centred as a window opened this wide.
  ResizeWindow(req_.Window(), (Toolkit().ScreenWidth - WindowOuterWidth(req_.Window())) / 2,
               KEEP_VALUE, KEEP_VALUE, KEEP_VALUE);
  for (int part = kAdd; part < kSwatches; ++part) HideGadget(N(part), 0);
  req_.Ask(REQUESTER_EXPANDED, 0);
}

void ColourRequester::AddCustomColour() {
  ToolkitState& tk = Toolkit();
  const int slot =
      std::clamp(tk.NextCustomColor, detail::kFirstCustomColor, detail::kLastCustomColor);
  tk.ColorTable[static_cast<std::size_t>(slot)] = colour_;
  // Past the last slot, additions overwrite it.
  tk.NextCustomColor = std::min(slot + 1, detail::kLastCustomColor);
  req_.Ask(REQUESTER_CUSTOM_COLOR, slot - detail::kFirstCustomColor);
}

void ColourRequester::FieldChanged(int index) {
  const int number = N(kHue + index);
  const int most = index == 0 ? 239 : index < 3 ? 240 : 255;
  const int typed = FieldNumber(number);
  const int value = std::clamp(typed, 0, most);
  if (value != typed) SetFieldNumber(number, value);
  if (index >= 3) {
    source_ = Source::kRgb;  // settles only when the red, green and blue differ
    return;
  }
  // A click into the field reports it too: an unchanged value keeps K as it is (a swatch's
  // colour is not rounded to the spectrum's).
  int& held = index == 0 ? hue_ : index == 1 ? saturation_ : lightness_;
  if (value == held) return;
  held = value;
  source_ = Source::kHsl;
}

Verdict ColourRequester::Act(const FrameEvents& events) {
  Mouse();
  const int r = events.gadget;
  if (events.window == WINDOW_EVENT_CLOSE) closed_ = true;
  if (r == N(kOk)) {
    Settle();
    return Verdict::kAnswered;
  }
  if (r == N(kCancel)) {
    closed_ = true;
    return Verdict::kCancelled;
  }
  if (r == N(kDefine)) Expand();
  if (r == N(kAdd)) AddCustomColour();
  for (int i = 0; i < 6; ++i) {
    if (r == N(kHue + i)) FieldChanged(i);
  }
  return Verdict::kGoOn;
}

}  // namespace

int ColorRequesterEx(int colour, int flags, RequesterCallback callback) {
  using namespace detail;
  EnsureColorTables();
  const bool expanded = (flags & COLOR_REQUESTER_EXPANDED) != 0;
  flags &= ~kDroppedFlags;
  // The window grows when its title would not fit (a large font).
  int expandedWidth = kExpandedWidth;
  if (MeasureSession measure; measure.Ready()) {
    SetDrawFont(GadgetSchemeFont());
    const int title = TextWidth("Farbe") + 17 + ((flags & WINDOW_CLOSE_BUTTON) ? 18 : 0);
    expandedWidth = std::max(expandedWidth, title);
  }
  ModalRequester requester("Farbe", expanded ? expandedWidth : kCollapsedWidth, kHeight, flags,
                           std::move(callback));
  ColourRequester picker(requester, colour & 0xFFFFFF, expanded, expandedWidth);
  picker.MakeGadgets();
  requester.Opened();

  const auto layout = [&](int, int) { picker.Settle(); };
  const auto own = [&](const FrameEvents& events) { return picker.Act(events); };
  const auto accept = [&] {
    return !requester.HasCallback() || requester.Ask(REQUESTER_ANSWER, picker.Colour()) != 0;
  };
  const auto draw = [&](int ox, int oy) { picker.Draw(ox, oy); };
  if (requester.Run(layout, own, accept, draw)) return picker.Colour();
  return requester.EndedByCallback() && !picker.Closed() ? 0 : -1;
}

int ColorRequester(int colour, int flags) {
  return ColorRequesterEx(colour, flags, {});
}

}  // namespace bevel
