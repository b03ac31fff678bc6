// Inline text codes: any bytes as a label, measured and drawn. Measuring and drawing walk the
// codes the same way, so the plain text and the width that measuring reports must agree with
// each other; drawing must stay inside the surface whatever the position, box and tab width.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "services/headless.h"
#include "services/services.h"
#include "toolkit/frame/draw_gadget.h"
#include "toolkit/model/rich_text.h"
#include "toolkit/model/toolkit_state.h"
#include "toolkit/render/draw_helpers.h"
#include "toolkit/toolkit.h"

namespace {

using namespace bevel;

constexpr int kScreen = 64;
// Gadgets that show their text as a label, redrawn with every input's label.
constexpr int kLabelGadgets[] = {1, 2, 3, 4, 5};

void Check(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "rich_text_fuzz: %s\n", what);
    std::abort();
  }
}

void SetUpOnce() {
  static bool ready = false;
  if (ready) return;
  ready = true;
  headless::Use();
  OpenScreen(kScreen, kScreen, 32, "fuzz");
  InitToolkit();
  CreateButton(1, 0, 0, 40, 20, "");
  CreateText(2, 0, 0, 40, 20, "");
  CreateCheckBox(3, 0, 0, 40, 20, "");
  CreateHyperLink(4, 0, 0, 40, 20, "", 0xFF);
  CreateFrame3D(5, 0, 0, 40, 20, "");
}

// Any int, as a caller may pass it to a command: mostly near the screen.
int AnyCoordinate(FuzzedDataProvider& in) {
  return in.ConsumeBool() ? in.ConsumeIntegral<int>() : in.ConsumeIntegralInRange(-80, 80);
}

// What the toolkit itself hands the drawing helpers: stored geometry is clamped to
// COORDINATE_LIMIT, and a window's content origin lies a border, title bar and menu bar in.
int StoredCoordinate(FuzzedDataProvider& in) {
  return in.ConsumeBool() ? in.ConsumeIntegralInRange(-COORDINATE_LIMIT, COORDINATE_LIMIT + 50)
                          : in.ConsumeIntegralInRange(-80, 80);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  SetUpOnce();
  FuzzedDataProvider in(data, size);
  const int x = StoredCoordinate(in), y = StoredCoordinate(in);
  const int w = StoredCoordinate(in), h = StoredCoordinate(in);
  const int align = in.ConsumeIntegral<std::uint8_t>() & (ALIGN_LEFT | ALIGN_RIGHT | ALIGN_CENTER);
  const bool centre = in.ConsumeBool();
  // The tab width as SetTabWidth stores it (0: not set yet, a tab is a space wide).
  Toolkit().TabWidth = in.ConsumeBool() ? std::max(in.ConsumeIntegral<int>(), 0) : 0;
  const std::string label = in.ConsumeRemainingBytesAsString();

  const std::string plain = detail::PlainText(label);
  Check(plain.size() <= label.size(), "the plain text is longer than the label");

  BeginDrawing(BackBufferTarget());
  SetDrawFont(Toolkit().GadgetScheme[SlotIndex(COLOR_FONT)]);
  const std::string measured = MeasureRichText(label, true);
  const std::size_t space = measured.find(' ');
  Check(space != std::string::npos, "no width before the plain text");
  Check(measured.substr(space + 1) == plain, "measuring and PlainText disagree on the text");
  Check(std::atoi(measured.c_str()) == RichTextWidth(label), "two widths for one label");
  const std::string tabsOnly = MeasureRichText(label, false);
  Check(tabsOnly.substr(tabsOnly.find(' ') + 1) == plain, "measuring tabs only changes the text");

  DrawRichText(x, y, label, 0x000000);
  DrawTextBlock(x, y, w, h, label, align, 0x0000FF, centre);
  for (const int number : kLabelGadgets) {
    SetGadgetText(number, label);
    ResizeGadget(number, AnyCoordinate(in), AnyCoordinate(in), AnyCoordinate(in),
                 AnyCoordinate(in));
    DrawGadget(*detail::FindGadget(number), StoredCoordinate(in), StoredCoordinate(in));
  }
  EndDrawing();
  return 0;
}
