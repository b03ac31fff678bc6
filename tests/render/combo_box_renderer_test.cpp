// Combo boxes drawn with DrawGadget on the default scheme and read back pixel by pixel: the
// closed box with its drop button and arrow, text and image, the open list below and above the
// box with its rows, selection and scroll bar, and the editable box's selection, caret and pick
// point. The gadget font's letters a..f and digits are 6 pixels wide.
#include <algorithm>
#include <climits>
#include <cstdint>
#include <string>

#include "tests/render/render_probe.h"

namespace bevel {
namespace {

using testing::Points;
using Rows = std::vector<int>;

constexpr int kX = 10, kY = 60;  // room for a 46-pixel list above the box
constexpr int kW = 120;
constexpr int kBox = 17;  // TextHeight(" ") + 4 with the 13-pixel gadget font
constexpr int kFace = 0xC0C0C0, kLight = 0xFFFFFF, kBlack = 0x000000, kNavy = 0x800000;
constexpr int kThinLight = 0xE1E1E1, kThinDark = 0x989898, kGreen = 0x00FF00, kRed = 0x0000FF;

Rows Range(int a, int b) {
  Rows r;
  for (int v = a; v <= b; ++v) r.push_back(v);
  return r;
}

class Combos : public testing::RenderProbe {
 protected:
  void SetUp() override {
    RenderProbe::SetUp();
    Toolkit().BlinkFrames = 50;
  }
  // Combo box 1 at (kX, kY), kW wide, with `items` items "i1", "i2", ...
  static Gadget& Combo(int rows, int flags, int items) {
    EXPECT_NE(CreateComboBox(1, kX, kY, kW, rows, flags), 0);
    for (int i = 1; i <= items; ++i) AddGadgetItem(1, -1, "i" + std::to_string(i));
    return *detail::FindGadget(1);
  }
  Points Row(int top, const char* text, int colour) {
    return TextInk(kX + 4, top, text, colour, kX + 100);
  }
  static void ShowCaret(Gadget& g) { g.blinkPhase = 0, g.blinkPhase2 = 1; }
};

TEST_F(Combos, ClosedBoxDropButtonAndArrow) {
  Gadget& g = Combo(5, 0, 1);
  Render(1);
  // The sunken box is 17 rows high whatever the gadget's height (74, the list's).
  EXPECT_EQ(At(kX, kY), 0x404040);
  EXPECT_EQ(At(kX, kY + 16), 0xF0F0F0);
  EXPECT_EQ(At(kX + kW - 17, kY + 14), kLight);
  EXPECT_TRUE(Outside(kX, kY, kW, kBox).empty()) << "closed: the box only";
  // The drop button: a thin raised bevel at x + w - 16, 14 x 13, face inside.
  const int b = kX + kW - 16;
  EXPECT_EQ(RowsOf(kThinLight, b, kY, kY + 15), Range(kY + 2, kY + 14));
  EXPECT_EQ(RowsOf(kThinDark, b + 13, kY, kY + kBox), Range(kY + 2, kY + 14));
  EXPECT_EQ(At(b + 1, kY + 3), kFace);
  // The arrow: rows y + 7 .. y + 10 of 7, 5, 3, 1 pixels from x + w - 13; pressed (1 closed,
  // 3 open) the button sinks and the arrow moves one pixel right and down.
  for (const auto& [state, p] : {std::pair{0, 0}, std::pair{1, 1}, std::pair{3, 1}}) {
    g.dropState = state;
    Render(1);
    for (int r = 0; r < 4; ++r) {
      EXPECT_EQ(ColumnsOf(kBlack, kY + 7 + p + r, kX, kX + kW), Range(b + 3 + p + r, b + 9 + p - r))
          << g.dropState;
    }
    EXPECT_EQ(Ink(kBlack, kX, kY, kX + kW, kY + kBox).size(), 16u);
    EXPECT_EQ(At(b, kY + 2), p ? kThinDark : kThinLight);
  }
}

TEST_F(Combos, ClosedTextWholeCharactersAndItemImage) {
  // A character shows when it starts at 5 or later and ends 18 pixels before the right edge:
  // in a box 60 wide the digits at 6 .. 36, 59 wide the five at 6 .. 30.
  Gadget& g = Combo(5, 0, 1);
  SetGadgetText(1, std::string(10, '0'));
  g.width = 60;
  const Points six = TextInk(kX + 6, kY + 2, "000000", kBlack, kX + 44);
  const Points five = TextInk(kX + 6, kY + 2, "00000", kBlack, kX + 43);
  const Points shifted = TextInk(kX + 10, kY + 2, "00000", kBlack, kX + 43);
  Render(1);
  EXPECT_EQ(Ink(kBlack, kX, kY, kX + 44, kY + kBox), six);
  g.width = 59;
  Render(1);
  EXPECT_EQ(Ink(kBlack, kX, kY, kX + 43, kY + kBox), five);
  g.scrollX = 2;  // the first digit would start at 4: the next five show, at 10 .. 34
  Render(1);
  EXPECT_EQ(Ink(kBlack, kX, kY, kX + 43, kY + kBox), shifted);

  // The image column: the selected item's image at (x + 6, y + 1), 14 x 14; the text from 22.
  const std::uint32_t red[4] = {0xFF0000FF, 0xFF0000FF, 0xFF0000FF, 0xFF0000FF};
  const int image = ImageHandle(CreateImageFromPixels(ANY_NUMBER, 2, 2, red));
  ASSERT_NE(CreateComboBox(2, kX, kY, kW, 5, LIST_IMAGES), 0);
  AddGadgetItemData(2, -1, "Rot", image);
  AddGadgetItemData(2, -1, "Ohne", 0);
  SetGadgetState(2, 0);
  const Points rot = TextInk(kX + 22, kY + 2, "Rot", kBlack, kX + kW - 16);
  Render(2);
  EXPECT_EQ(ColumnsOf(kRed, kY + 5, kX, kX + kW), Range(kX + 6, kX + 19));
  EXPECT_EQ(RowsOf(kRed, kX + 10, kY, kY + kBox), Range(kY + 1, kY + 14));
  EXPECT_EQ(Ink(kBlack, kX, kY, kX + kW - 16, kY + kBox), rot);
  SetGadgetState(2, 1);  // an item without an image shows none
  Render(2);
  EXPECT_TRUE(Ink(kRed, kX, kY, kX + kW, kY + kBox).empty());
}

TEST_F(Combos, ThreeItemsOpenAListOf46PixelsBelowOrAbove) {
  Gadget& g = Combo(8, 0, 3);               // height 8 x 14 + 4 = 116
  SetGadgetState(1, 1);                     // "i2"
  SetItemColor(1, 1, COLOR_LIGHT, kGreen);  // ignored while selected
  SetItemColor(1, 2, COLOR_LIGHT, kGreen);
  SetItemColor(1, 2, COLOR_TEXT, kRed);
  for (const int up : {0, 1}) {
    const int top = up ? kY - 46 : kY + kBox;
    const Points i1 = Row(top + 2, "i1", kBlack), i2 = Row(top + 16, "i2", kLight);
    const Points i3 = Row(top + 30, "i3", kRed);
    g.dropState = 2;
    g.dropUp = up;
    Render(1);
    EXPECT_EQ(At(kX, top), 0x404040) << up;
    EXPECT_EQ(At(kX + kW - 1, top + 45), 0xF0F0F0) << up;
    EXPECT_TRUE(Outside(kX, std::min(top, kY), kW, kBox + 46).empty()) << up;
    EXPECT_EQ(Ink(kBlack, kX + 2, top + 2, kX + 100, top + 44), i1) << up;
    // The selected row: navy to w - 3 (no scroll bar), highlight text; the third row green
    // with red text.
    EXPECT_EQ(ColumnsOf(kNavy, top + 29, kX, kX + kW), Range(kX + 2, kX + kW - 3)) << up;
    EXPECT_EQ(Span(kNavy, kX + 2), std::pair(top + 16, top + 29)) << up;
    EXPECT_EQ(Ink(kLight, kX + 2, top + 16, kX + kW - 2, top + 30), i2) << up;
    EXPECT_EQ(ColumnsOf(kGreen, top + 43, kX, kX + kW), Range(kX + 2, kX + kW - 3)) << up;
    EXPECT_EQ(Ink(kRed, kX, top, kX + kW, top + 46), i3) << up;
  }
  // Only dropState 2, 3 and 4 show the list; 5 and 6 wait for the update pass.
  for (const int state : {0, 1, 3, 4, 5, 6}) {
    g.dropState = state;
    Render(1);
    EXPECT_EQ(Outside(kX, kY, kW, kBox).empty(), state < 2 || state > 4) << state;
  }
}

TEST_F(Combos, ScrollBarThumbAndOnlyVisibleRows) {
  Gadget& g = Combo(4, 0, 10);  // height 60
  const int top = kY + kBox, bar = kX + kW - 16;
  const auto thumb = [&] {
    const Rows ys = RowsOf(kThinLight, bar, top + 16, top + 44);
    return ys.empty() ? std::pair{-1, -1} : std::pair{ys.front(), ys.back()};
  };
  g.dropState = 2;
  Render(1);
  EXPECT_EQ(RowsOf(kThinLight, bar, top, top + 16), Range(top + 2, top + 15)) << "up button";
  // rows / n of a (4 - 2) x 14 track: ceil(11.2) = 12 rows, moving 2.8 rows per item.
  EXPECT_EQ(thumb(), std::pair(top + 16, top + 27));
  SetGadgetState(1, 4);  // "i5"
  g.topItem = 3;
  const Points rows = [&] {
    Points p = Row(top + 2, "i4", kBlack);
    for (const auto& [y, text] : {std::pair{top + 30, "i6"}, std::pair{top + 44, "i7"}}) {
      const Points q = Row(y, text, kBlack);
      p.insert(p.end(), q.begin(), q.end());
    }
    return p;
  }();
  Render(1);
  EXPECT_EQ(thumb(), std::pair(top + 24, top + 35));
  EXPECT_EQ(ColumnsOf(kNavy, top + 29, kX, kX + kW), Range(kX + 2, kX + kW - 17)) << "w - 18";
  EXPECT_EQ(Ink(kBlack, kX + 2, top + 2, kX + 100, top + 58), rows);
  EXPECT_TRUE(Outside(kX, kY, kW, kBox + 60).empty());
  g.state = 4;  // the thumb held
  Render(1);
  EXPECT_EQ(At(bar, top + 24), kThinDark);
}

TEST_F(Combos, EditableBoxSelectionCaretAndPickPoint) {
  Gadget& g = Combo(5, COMBO_EDITABLE, 1);
  SetGadgetText(1, "abcdef");
  SetGadgetColor(1, COLOR_HIGHLIGHT, kGreen);
  SetSelectionStart(1, 1);
  SetCursor(1, 4);
  ShowCaret(g);
  const Points bcd = TextInk(kX + 12, kY + 2, "bcd", kGreen, kX + 60);
  Render(1);
  EXPECT_EQ(ColumnsOf(kNavy, kY + 15, kX, kX + kW), Range(kX + 12, kX + 29));
  EXPECT_EQ(Ink(kGreen, kX, kY, kX + kW, kY + kBox), bcd);
  EXPECT_EQ(RowsOf(kBlack, kX + 30, kY, kY + kBox), Range(kY + 2, kY + 15)) << "caret";
  EXPECT_EQ(g.blinkPhase, 99) << "reloaded with two units of 50";
  Render(1);
  EXPECT_NE(At(kX + 30, kY + 15), kBlack) << "second half of the period";

  // A click's point: "a" spans 6 .. 12 (middle 9), "d" 24 .. 30 (middle 27).
  for (const auto& [px, position] :
       {std::pair{26, 3}, std::pair{27, 4}, std::pair{9, 1}, std::pair{8, 0}, std::pair{200, 6}}) {
    g.state = 4;
    g.selectionStart = g.cursor = 5;
    g.pickX = px, g.pickY = 5;
    Render(1);
    EXPECT_EQ(g.cursor, position) << px;
    EXPECT_EQ(g.selectionStart, position) << px;
    EXPECT_EQ(g.pickX, 0);
    EXPECT_EQ(g.pickY, 0);
  }
  // While the list is open, state names its held scroll bar parts: a stale point stays unused.
  g.dropState = 2;
  g.state = 4;
  g.pickX = 26, g.pickY = 5;
  Render(1);
  EXPECT_EQ(g.cursor, 6);
  // A caret scrolled onto the drop button (6 + 102) is not drawn there.
  g.dropState = 0;
  SetGadgetText(1, std::string(17, '0'));
  SetCursor(1, 17);
  ShowCaret(g);
  Render(1);
  EXPECT_EQ(At(kX + 108, kY + 3), kFace);
  // With the image column the text, caret and pick point start at 22.
  g.flags |= LIST_IMAGES;
  SetGadgetText(1, "ab");
  SetCursor(1, 0);
  ShowCaret(g);
  Render(1);
  EXPECT_EQ(RowsOf(kBlack, kX + 22, kY, kY + kBox), Range(kY + 2, kY + 15));
  g.state = 4;
  g.pickX = 25, g.pickY = 5;  // the middle of "a" (22 .. 28)
  Render(1);
  EXPECT_EQ(g.cursor, 1);

  // A fixed box shows no caret even with positions stored, and its counters stay.
  Gadget& f = *detail::FindGadget(CreateComboBox(2, kX, kY, kW, 5, 0));
  SetGadgetText(2, "abc");
  f.selectionStart = f.cursor = 3;
  ShowCaret(f);
  Render(2);
  EXPECT_TRUE(RowsOf(kBlack, kX + 24, kY, kY + kBox).empty());
  EXPECT_EQ(f.blinkPhase, 0);
}

TEST_F(Combos, BadRecordsAndHugeLists) {
  Gadget& g = Combo(4, COMBO_EDITABLE, 100000);
  const int top = kY + kBox;
  g.dropState = 2;
  g.topItem = 99996;
  g.value = 100000;
  const Points last = Row(top + 44, "i100000", kLight);
  Render(1);
  EXPECT_EQ(Ink(kLight, kX + 2, top + 44, kX + 100, top + 58), last);

  const struct {
    const char* what;
    int topItem, value, rows, scrollX, cursor, anchor;
  } cases[] = {
      {"top far below", INT_MAX, INT_MAX, 4, 0, 0, 0},
      {"top far above", INT_MIN, INT_MIN, 4, 0, 0, 0},
      {"rows wrap", 5, 7, INT_MAX, 0, 0, 0},
      {"negative rows", 5, 7, -3, 0, 0, 0},
      {"ends past the text", 0, 1, 4, 0, 900, 800},
      {"scrolled far left", 0, 1, 4, INT_MIN, 1, 1},
      {"scrolled far right", 0, 1, 4, INT_MAX, 1, 1},
  };
  SetGadgetText(1, std::string(100000, 'x'));
  for (const auto& c : cases) {
    g.topItem = c.topItem, g.value = c.value, g.rows = c.rows, g.scrollX = c.scrollX;
    g.cursor = c.cursor, g.selectionStart = c.anchor;
    ShowCaret(g);
    Render(1);
    EXPECT_EQ(At(kX, kY), 0x404040) << c.what;
    // A list of INT_MAX rows is as long as its items: it may reach the screen's bottom.
    EXPECT_TRUE(Outside(kX, kY, kW, kHeight - kY).empty()) << c.what;
  }
  g.dropState = 0;
  for (const int w : {0, 2, 17, -8}) {
    g.width = w;
    Render(1);
    EXPECT_TRUE(Outside(kX, kY, std::max(w, 1), kBox).empty()) << w;
  }
}

}  // namespace
}  // namespace bevel
