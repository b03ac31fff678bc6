// Buttons, check boxes, options, spins, texts, progress bars, links and image buttons drawn on
// the default scheme and read back pixel by pixel.
#include "tests/support/toolkit_screen.h"
#include "toolkit/frame/draw_gadget.h"
#include "toolkit/render/draw_helpers.h"
#include "toolkit/render/renderers.h"

namespace bevel {
namespace {

class Simple : public testing::ToolkitScreen {
 protected:
  Gadget Make(int type, int w, int h, std::string text = "") {
    Gadget g;
    g.type = type;
    g.width = w;
    g.height = h;
    g.text = std::move(text);
    return g;
  }
  void Render(Gadget& g, int x, int y) {
    Clear();
    Draw();
    DrawGadget(g, x, y);
    EndDrawing();
  }
  // Top row of the first pixel of colour c inside a column range, -1 when none.
  int FirstRow(int colour, int x0, int x1, int y0, int y1) {
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x)
        if (At(x, y) == colour) return y;
    return -1;
  }
  int FirstColumn(int colour, int x0, int x1, int y0, int y1) {
    for (int x = x0; x < x1; ++x)
      for (int y = y0; y < y1; ++y)
        if (At(x, y) == colour) return x;
    return -1;
  }
};

TEST_F(Simple, ButtonSinksAndItsCaptionMoves) {
  Gadget g = Make(GADGET_BUTTON, 60, 20, "OK");
  Render(g, 10, 10);
  EXPECT_EQ(At(10, 10), 0xF0F0F0);
  EXPECT_EQ(At(69, 29), 0x404040);
  const int top = FirstRow(0x000000, 12, 68, 12, 28);
  const int left = FirstColumn(0x000000, 12, 68, 12, 28);
  ASSERT_GE(top, 0);
  g.state = 1;
  Render(g, 10, 10);
  EXPECT_EQ(At(10, 10), 0x404040) << "sunken while held";
  EXPECT_EQ(FirstRow(0x000000, 12, 68, 12, 28), top + 1);
  EXPECT_EQ(FirstColumn(0x000000, 12, 68, 12, 28), left + 1);
}

TEST_F(Simple, CheckBoxBoxTickAndRightPlacement) {
  Gadget g = Make(GADGET_CHECKBOX, 100, 20, "Box");
  Render(g, 0, 0);
  EXPECT_EQ(At(0, 3), 0x404040) << "box rows 3..16";
  EXPECT_EQ(At(0, 2), kBackground);
  EXPECT_EQ(At(13, 16), 0xF0F0F0);
  EXPECT_EQ(At(5, 8), 0xFFFFFF) << "light interior";
  g.state = 2;
  Render(g, 0, 0);
  // The tick: column 3 from row 6, column 5 from row 8 (its lowest point), column 10 from row 3.
  EXPECT_EQ(At(3, 3 + 6), 0x000000);
  EXPECT_EQ(At(3, 3 + 8), 0x000000);
  EXPECT_EQ(At(3, 3 + 9), 0xFFFFFF);
  EXPECT_EQ(At(5, 3 + 10), 0x000000);
  EXPECT_EQ(At(10, 3 + 3), 0x000000);
  EXPECT_EQ(At(10, 3 + 2), 0xFFFFFF);
  g.disabled = 1;
  Render(g, 0, 0);
  EXPECT_EQ(At(4, 3 + 4), 0xC0C0C0) << "disabled: tick on the face colour";
  g.disabled = 0;
  g.flags = ALIGN_RIGHT;
  Render(g, 0, 0);
  EXPECT_EQ(At(86, 3), 0x404040);
  EXPECT_EQ(At(85, 3), kBackground);
  EXPECT_EQ(At(99, 16), 0xF0F0F0);
}

TEST_F(Simple, OptionRingAndDot) {
  Gadget g = Make(GADGET_OPTION, 80, 14, "Wahl");
  Render(g, 0, 0);
  EXPECT_EQ(At(4, 0), 0x808080) << "outer dark ring";
  EXPECT_EQ(At(0, 9), 0x808080);
  EXPECT_EQ(At(4, 1), 0x989898) << "inner dark ring";
  EXPECT_EQ(At(9, 13), 0xF0F0F0) << "outer light ring";
  EXPECT_EQ(At(12, 9), 0xE1E1E1) << "inner light ring";
  EXPECT_EQ(At(6, 6), 0xFFFFFF);
  EXPECT_EQ(At(0, 0), kBackground) << "the corner stays round";
  g.state = 2;
  Render(g, 0, 0);
  EXPECT_EQ(At(6, 5), 0x000000);
  EXPECT_EQ(At(5, 6), 0x000000);
  EXPECT_EQ(At(8, 7), 0x000000);
  EXPECT_EQ(At(5, 5), 0xFFFFFF);
  EXPECT_EQ(At(5, 8), 0xFFFFFF);
}

TEST_F(Simple, SpinHalvesOfAHeight21Spin) {
  Gadget g = Make(GADGET_SPIN, 16, 21);
  Render(g, 0, 0);
  EXPECT_EQ(At(0, 0), 0xF0F0F0);
  EXPECT_EQ(At(0, 9), 0xF0F0F0);
  EXPECT_EQ(At(1, 9), 0x404040) << "upper half ends at row 9";
  EXPECT_EQ(At(5, 10), kBackground) << "row 10 stays free";
  EXPECT_EQ(At(0, 11), 0xF0F0F0) << "lower half starts at row 11";
  EXPECT_EQ(At(1, 20), 0x404040);
  // Up arrow: half 10 → ay = 3; ax = 4; tip at column 7.
  EXPECT_EQ(At(7, 3), 0x000000);
  EXPECT_EQ(At(6, 3), 0xC0C0C0);
  EXPECT_EQ(At(4, 6), 0x000000);
  EXPECT_EQ(At(10, 6), 0x000000);
  g.state = 1;
  Render(g, 0, 0);
  EXPECT_EQ(At(0, 0), 0x404040);
  EXPECT_EQ(At(8, 4), 0x000000) << "the arrow moves with the pressed half";
  EXPECT_EQ(At(0, 11), 0xF0F0F0);
}

TEST_F(Simple, ProgressBarFill) {
  Gadget g = Make(GADGET_PROGRESSBAR, 104, 20);
  g.maximum = 100;
  g.value = 50;
  Render(g, 0, 0);
  EXPECT_EQ(At(2, 10), 0x800000);
  EXPECT_EQ(At(51, 10), 0x800000);
  EXPECT_EQ(At(52, 10), kBackground) << "50 pixels filled";
  EXPECT_EQ(At(0, 0), 0x404040);
  g.value = 0;
  Render(g, 0, 0);
  EXPECT_EQ(At(2, 10), kBackground);
  g.maximum = 0;
  g.value = 5;
  Render(g, 0, 0);
  EXPECT_EQ(At(2, 10), kBackground) << "no range: only the frame";
  EXPECT_EQ(At(0, 0), 0x404040);
  g = Make(GADGET_PROGRESSBAR, 20, 104);
  g.flags = FLAG_VERTICAL;
  g.maximum = 100;
  g.value = 25;
  Render(g, 0, 0);
  EXPECT_EQ(At(10, 2), 0x800000) << "vertical bars grow from the top";
  EXPECT_EQ(At(10, 26), 0x800000);
  EXPECT_EQ(At(10, 27), kBackground);
}

TEST_F(Simple, TextLinkAndImageButton) {
  Gadget t = Make(GADGET_TEXT, 100, 13, "Hallo");
  Render(t, 0, 0);
  EXPECT_GE(FirstColumn(0x000000, 0, 100, 0, 13), 0);
  EXPECT_LT(FirstColumn(0x000000, 0, 100, 0, 13), 3) << "left-aligned by default";
  EXPECT_EQ(At(50, 5), kBackground) << "no background";

  Gadget link = Make(GADGET_HYPERLINK, 100, 30, "Link");
  link.hoverColour = 0x0000FF;
  Render(link, 0, 0);
  EXPECT_GE(FirstRow(0x000000, 0, 100, 0, 30), 0);
  EXPECT_LT(FirstRow(0x000000, 0, 100, 0, 30), 13) << "not centred vertically";
  link.state = 1;
  Render(link, 0, 0);
  EXPECT_EQ(FirstRow(0x000000, 0, 100, 0, 30), -1);
  EXPECT_GE(FirstRow(0x0000FF, 0, 100, 0, 30), 0) << "hover colour";

  Gadget image = Make(GADGET_IMAGEBUTTON, 30, 30);
  Render(image, 0, 0);
  EXPECT_EQ(At(0, 0), 0xF0F0F0);
  image.state = 1;
  Render(image, 0, 0);
  EXPECT_EQ(At(0, 0), 0x404040);
}

TEST_F(Simple, DispatchUsesSlotsAndDisabledColour) {
  Gadget g = Make(GADGET_TEXT, 100, 13, "IIII");
  g.colors[SlotIndex(COLOR_TEXT)] = 0x00FF00;
  Render(g, 0, 0);
  EXPECT_GE(FirstRow(0x00FF00, 0, 100, 0, 13), 0);
  g.disabled = 1;
  Render(g, 0, 0);
  EXPECT_EQ(FirstRow(0x00FF00, 0, 100, 0, 13), -1);
  EXPECT_GE(FirstRow(0x808080, 0, 100, 0, 13), 0) << "disabled text in the shadow colour";
  Gadget unknown = Make(99, 10, 10);
  Render(unknown, 0, 0);
  EXPECT_EQ(At(0, 0), kBackground);
}

}  // namespace
}  // namespace bevel
