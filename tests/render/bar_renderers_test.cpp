// Frames, track bars and scroll bars created with the public commands, drawn with DrawGadget on
// the default scheme and read back pixel by pixel.
#include <string_view>
#include <vector>

#include "tests/render/render_probe.h"

namespace bevel {
namespace {

using testing::Points;

constexpr int kX = 10, kY = 10;
constexpr int kFace = 0xC0C0C0, kBlack = 0x000000;
constexpr int kOuterLight = 0xF0F0F0, kInnerLight = 0xE1E1E1, kThinDark = 0x989898;
constexpr int kInnerDark = 0x808080, kOuterDark = 0x404040, kTrack = 0x707070;

using Rows = std::vector<int>;

class Bars : public testing::RenderProbe {
 protected:
  static Rows Range(int from, int to) {
    Rows r;
    for (int v = from; v <= to; ++v) r.push_back(v);
    return r;
  }
  static Rows Join(Rows a, const Rows& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
  }
};

// [SECTION] Frame3D

TEST_F(Bars, GroupBoxLeavesAGapForItsCaption) {
  ASSERT_NE(CreateFrame3D(1, kX, kY, 120, 60, "Gruppe"), 0);
  ASSERT_NE(CreateFrame3D(2, kX, kY, 80, 40, ""), 0);
  const int tw = Width("Gruppe");
  const Points caption = TextInk(kX + 10, kY, "Gruppe", kBlack, kX + 12 + tw);
  Render(1);
  // Line height 13: the dark top line is row y + 6 and runs to x + w - 2 with a gap from x + 7
  // to x + tw + 13; the light line below it runs to x + w - 3, then the right light column.
  const int top = kY + 6;
  EXPECT_EQ(ColumnsOf(kInnerDark, top, kX, kX + 120),
            Join(Range(kX, kX + 6), Range(kX + tw + 14, kX + 118)));
  EXPECT_EQ(ColumnsOf(kOuterLight, top + 1, kX, kX + 120),
            Join(Join(Range(kX + 1, kX + 6), Range(kX + tw + 14, kX + 117)), {kX + 119}));
  // Left and right dark columns and the bottom dark row end at top + fh - 2 = y + 58; the light
  // bottom row and right column close the frame at y + 59 and x + 119.
  EXPECT_EQ(RowsOf(kInnerDark, kX, kY, kY + 60), Range(top, kY + 58));
  EXPECT_EQ(RowsOf(kInnerDark, kX + 118, kY, kY + 60), Range(top, kY + 58));
  EXPECT_EQ(ColumnsOf(kInnerDark, kY + 58, kX, kX + 120), Range(kX, kX + 118));
  EXPECT_EQ(ColumnsOf(kOuterLight, kY + 59, kX, kX + 120), Range(kX, kX + 119));
  EXPECT_EQ(RowsOf(kOuterLight, kX + 119, kY, kY + 60), Range(top, kY + 59));
  EXPECT_EQ(At(kX + 60, kY + 30), kBackground) << "no fill";
  EXPECT_EQ(Ink(kBlack, kX + 9, kY, kX + 12 + tw, kY + 14), caption);
  // Without a caption the gap is still 7 pixels wide.
  Render(2);
  EXPECT_EQ(ColumnsOf(kInnerDark, top, kX, kX + 80),
            Join(Range(kX, kX + 6), Range(kX + 14, kX + 78)));
}

TEST_F(Bars, FrameStylesAndTheirCaptions) {
  ASSERT_NE(CreateFrame3D(1, kX, kY, 100, 40, "Ab", FRAME_SINGLE), 0);
  ASSERT_NE(CreateFrame3D(2, kX, kY, 100, 40, "Ab", FRAME_DOUBLE_SUNKEN), 0);
  ASSERT_NE(CreateFrame3D(3, kX, kY, 100, 40, "Ab", FRAME_FLAT), 0);
  const int tw = Width("Ab");
  const int cx = kX + (100 - tw) / 2;
  const Points thin = TextInk(cx, kY + 1, "Ab", kBlack, cx + tw + 2);
  const Points sunken = TextInk(cx, kY + 2, "Ab", kBlack, cx + tw + 2);

  Render(1);
  EXPECT_EQ(At(kX, kY), kThinDark);
  EXPECT_EQ(At(kX, kY + 39), kThinDark);
  EXPECT_EQ(At(kX + 99, kY + 39), kInnerLight);
  EXPECT_EQ(At(kX + 99, kY), kInnerLight);
  EXPECT_EQ(At(kX + 1, kY + 20), kBackground) << "no fill";
  EXPECT_EQ(Ink(kBlack, cx - 1, kY + 1, cx + tw + 2, kY + 15), thin);

  Render(2);
  EXPECT_EQ(At(kX, kY), kOuterDark);
  EXPECT_EQ(At(kX + 1, kY + 1), kInnerDark);
  EXPECT_EQ(At(kX + 99, kY + 39), kOuterLight);
  EXPECT_EQ(At(kX + 98, kY + 38), kInnerLight);
  EXPECT_EQ(At(kX + 2, kY + 20), kBackground);
  EXPECT_EQ(Ink(kBlack, cx - 1, kY + 2, cx + tw + 2, kY + 16), sunken);

  Render(3);
  EXPECT_EQ(At(kX, kY + 20), kBlack) << "outline in the text colour";
  EXPECT_EQ(At(kX + 99, kY + 39), kBlack);
  EXPECT_EQ(At(kX + 50, kY + 39), kBlack);
  EXPECT_EQ(At(kX + 1, kY + 20), kBackground) << "outlined only";
  EXPECT_EQ(Ink(kBlack, cx - 1, kY + 1, cx + tw + 2, kY + 15), thin);
}

// [SECTION] TrackBar

TEST_F(Bars, HorizontalTrackBarThumbAndTicks) {
  ASSERT_NE(CreateTrackBar(1, kX, kY, 111, 30, 0, 10, FLAG_TICKS), 0);
  SetGadgetState(1, 5);
  Render(1);
  // Groove rows y+7 .. y+10.
  EXPECT_EQ(At(kX, kY + 7), kOuterDark);
  EXPECT_EQ(At(kX + 1, kY + 8), kInnerDark);
  EXPECT_EQ(At(kX + 1, kY + 9), kFace);
  EXPECT_EQ(At(kX, kY + 10), kOuterLight);
  EXPECT_EQ(At(kX + 110, kY + 8), kOuterLight);
  // Span 100: value 5 centres the thumb on x + 55; it is 11 wide and points down to y + 20.
  EXPECT_EQ(ColumnsOf(kOuterLight, kY, kX, kX + 111), Range(kX + 50, kX + 59));
  EXPECT_EQ(At(kX + 60, kY), kOuterDark);
  EXPECT_EQ(At(kX + 55, kY + 18), kFace) << "tip";
  EXPECT_EQ(At(kX + 55, kY + 20), kOuterDark) << "point";
  EXPECT_EQ(At(kX + 55, kY + 21), kBackground);
  EXPECT_EQ(At(kX + 54, kY + 19), kOuterLight);
  EXPECT_EQ(At(kX + 56, kY + 19), kOuterDark);
  EXPECT_EQ(At(kX + 55, kY + 19), kInnerDark);
  // Ticks from row y+22 to the bottom at both ends and every inner value: x+15, x+25, ..., x+95.
  Rows ticks;
  for (int v = 0; v <= 10; ++v) ticks.push_back(kX + 5 + 10 * v);
  EXPECT_EQ(ColumnsOf(kBlack, kY + 22, kX, kX + 111), ticks);
  EXPECT_EQ(ColumnsOf(kBlack, kY + 29, kX, kX + 111), ticks);
  EXPECT_TRUE(ColumnsOf(kBlack, kY + 21, kX, kX + 111).empty());

  detail::FindGadget(1)->flags = 0;
  detail::FindGadget(1)->state = 3;
  Render(1);
  EXPECT_EQ(ColumnsOf(kBlack, kY + 25, kX, kX + 111), (Rows{kX + 5, kX + 105}));
  EXPECT_EQ(At(kX + 50, kY), kOuterDark) << "dragged: the edges swap";
  EXPECT_EQ(At(kX + 60, kY + 5), kOuterLight);
}

TEST_F(Bars, TickPositionsRoundDownAcrossAndUpDown) {
  // Span 100 over a range of 3: 33.3 and 66.7.
  ASSERT_NE(CreateTrackBar(1, kX, kY, 111, 30, 0, 3, FLAG_TICKS), 0);
  ASSERT_NE(CreateTrackBar(2, kX, kY, 30, 111, 0, 3, FLAG_TICKS | FLAG_VERTICAL), 0);
  Render(1);
  EXPECT_EQ(ColumnsOf(kBlack, kY + 25, kX, kX + 111), (Rows{kX + 5, kX + 38, kX + 71, kX + 105}));
  Render(2);
  EXPECT_EQ(RowsOf(kBlack, kX + 25, kY, kY + 111), (Rows{kY + 5, kY + 39, kY + 72, kY + 105}));
  // The maximum lands on the end tick in both orientations.
  SetGadgetState(1, 3);
  Render(1);
  EXPECT_EQ(At(kX + 105, kY + 20), kOuterDark);
}

TEST_F(Bars, VerticalTrackBarRunsFromTheBottom) {
  ASSERT_NE(CreateTrackBar(1, kX, kY, 30, 111, 0, 10, FLAG_VERTICAL), 0);
  Render(1);
  // Groove columns x+7 .. x+10.
  EXPECT_EQ(At(kX + 7, kY + 50), kOuterDark);
  EXPECT_EQ(At(kX + 8, kY + 50), kInnerDark);
  EXPECT_EQ(At(kX + 9, kY + 50), kFace);
  EXPECT_EQ(At(kX + 10, kY + 50), kOuterLight);
  // At the minimum the thumb centres on y + h - 6 and points right to x + 20.
  EXPECT_EQ(At(kX + 18, kY + 105), kFace);
  EXPECT_EQ(At(kX + 20, kY + 105), kOuterDark);
  EXPECT_EQ(At(kX + 21, kY + 105), kBackground);
  EXPECT_EQ(At(kX, kY + 100), kOuterLight) << "top-left edge from ty - 5";
  EXPECT_EQ(At(kX, kY + 99), kBackground);
  EXPECT_EQ(At(kX + 5, kY + 110), kOuterDark) << "bottom edge row ty + 5";
  EXPECT_EQ(RowsOf(kBlack, kX + 25, kY, kY + 111), (Rows{kY + 5, kY + 105}));
  SetGadgetState(1, 10);
  Render(1);
  EXPECT_EQ(At(kX + 20, kY + 5), kOuterDark);
  EXPECT_EQ(At(kX, kY), kOuterLight);
  EXPECT_EQ(At(kX + 18, kY + 5), kFace);
}

TEST_F(Bars, TrackBarWithoutRangeOrWithAHugeOne) {
  ASSERT_NE(CreateTrackBar(1, kX, kY, 111, 30, 5, 5, FLAG_TICKS), 0);
  Render(1);
  EXPECT_EQ(At(kX, kY + 7), kOuterDark) << "the groove is drawn";
  EXPECT_TRUE(Ink(kBlack, kX, kY, kX + 111, kY + 30).empty()) << "no ticks";
  EXPECT_TRUE(Ink(kOuterLight, kX, kY, kX + 111, kY + 7).empty()) << "no thumb";
  // A billion values over 100 pixels: every column of the span is a tick, drawn at once.
  ASSERT_NE(CreateTrackBar(2, kX, kY, 111, 30, 0, 1000000000, FLAG_TICKS), 0);
  Render(2);
  EXPECT_EQ(ColumnsOf(kBlack, kY + 25, kX, kX + 111).size(), 101u);
  EXPECT_EQ(Outside(kX, kY, 111, 30), Points{});
}

// [SECTION] ScrollBar

TEST_F(Bars, HorizontalScrollBarThumbAndArrows) {
  // Track 100, 100 values, page 10: a 10-pixel thumb stepping 1 pixel per value.
  ASSERT_NE(CreateScrollBar(1, kX, kY, 128, 16, 0, 99, 10, 0), 0);
  SetGadgetState(1, 45);
  Render(1);
  // Thumb x+59 .. x+68 on the track x+14 .. x+113, between the buttons.
  EXPECT_EQ(ColumnsOf(kTrack, kY + 8, kX, kX + 128),
            Join(Range(kX + 14, kX + 58), Range(kX + 69, kX + 113)));
  EXPECT_EQ(ColumnsOf(kInnerLight, kY, kX + 14, kX + 114), Range(kX + 59, kX + 67));
  // Left arrow: columns x+5 .. x+8 of 1, 3, 5, 7 pixels around ay + 3, ay = y + 4; the right
  // one reversed from x+w-9.
  EXPECT_EQ(RowsOf(kBlack, kX + 5, kY, kY + 16), (Rows{kY + 7}));
  EXPECT_EQ(RowsOf(kBlack, kX + 8, kY, kY + 16), Range(kY + 4, kY + 10));
  EXPECT_EQ(RowsOf(kBlack, kX + 119, kY, kY + 16), Range(kY + 4, kY + 10));
  EXPECT_EQ(RowsOf(kBlack, kX + 122, kY, kY + 16), (Rows{kY + 7}));
  detail::FindGadget(1)->state = 2;
  Render(1);
  EXPECT_EQ(At(kX, kY), kThinDark) << "pressed";
  EXPECT_EQ(RowsOf(kBlack, kX + 6, kY, kY + 16), (Rows{kY + 8}));
  detail::FindGadget(1)->state = 4;
  Render(1);
  EXPECT_EQ(At(kX + 14 + 45, kY), kThinDark) << "thumb pressed";
}

TEST_F(Bars, ThumbFillsTheTrackWhenThePageCoversTheRange) {
  ASSERT_NE(CreateScrollBar(1, kX, kY, 128, 16, 0, 99, 100, 0), 0);
  ASSERT_NE(CreateScrollBar(2, kX, kY, 128, 16, 0, 99, 150, 0), 0);
  for (int n : {1, 2}) {
    detail::FindGadget(n)->value =
        5;  // beyond what the page allows: the thumb still rests at the start
    Render(n);
    EXPECT_EQ(At(kX + 14, kY), kInnerLight) << n;
    EXPECT_EQ(At(kX + 113, kY + 8), kThinDark) << n;
    EXPECT_TRUE(Ink(kTrack, kX, kY, kX + 128, kY + 16).empty()) << n;
  }
}

TEST_F(Bars, VerticalScrollBar) {
  ASSERT_NE(CreateScrollBar(1, kX, kY, 16, 128, 0, 99, 10, FLAG_VERTICAL), 0);
  SetGadgetState(1, 90);
  Render(1);
  // The last page: rows y+104 .. y+113 end on the track's end.
  EXPECT_EQ(RowsOf(kTrack, kX + 8, kY, kY + 128), Range(kY + 14, kY + 103));
  EXPECT_EQ(RowsOf(kInnerLight, kX, kY + 14, kY + 114), Range(kY + 104, kY + 113));
  // Up arrow rows y+5 .. y+8 of 1 .. 7 pixels from column x+7 .. x+4; down arrow reversed.
  EXPECT_EQ(ColumnsOf(kBlack, kY + 5, kX, kX + 16), (Rows{kX + 7}));
  EXPECT_EQ(ColumnsOf(kBlack, kY + 8, kX, kX + 16), Range(kX + 4, kX + 10));
  EXPECT_EQ(ColumnsOf(kBlack, kY + 122, kX, kX + 16), (Rows{kX + 7}));
  detail::FindGadget(1)->state = 3;
  Render(1);
  EXPECT_EQ(ColumnsOf(kBlack, kY + 123, kX, kX + 16), (Rows{kX + 8}));
}

// Records the press handling cannot picture still give a thumb of a few pixels on the track,
// and nothing is drawn outside the gadget.
TEST_F(Bars, UnsoundRangesStillDrawASoundBar) {
  struct Case {
    int minimum, maximum, page, value, width;
    int thumbFrom, thumbLength;  // from the track's start; thumbLength 0: no track
  };
  const Case cases[] = {
      {10, 0, 5, 10, 128, 0, 100},     // maximum below minimum: the whole track
      {0, 99, 0, 0, 128, 0, 8},        // no page: a grabbable thumb at the start
      {0, 99, 0, 99, 128, 91, 8},      // ... and near the end at the maximum
      {0, 99, -5, 50, 128, 43, 8},     // a negative page: 92 / 105 pixels per value
      {0, 99, 10, 1000, 128, 90, 10},  // a value past the range stops at the end
      {0, 99, 10, -50, 128, 0, 10},    // and before it at the start
      {0, 99, 10, 0, 30, 0, 1},        // a 2-pixel track
      {0, 99, 0, 0, 32, 0, 4},         // a 4-pixel track holds a 4-pixel thumb
      {0, 99, 10, 0, 20, 0, 0},        // buttons only
      {0, 99, 10, 0, 0, 0, 0},         // nothing at all
  };
  int number = 1;
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "min " << c.minimum << " max " << c.maximum << " page "
                                      << c.page << " value " << c.value << " width " << c.width);
    Gadget& g = *detail::FindGadget(CreateScrollBar(number, kX, kY, 200, 16, 0, 1, 1, 0));
    g.width = c.width;
    g.minimum = c.minimum;
    g.maximum = c.maximum;
    g.rows = c.page;
    g.value = c.value;
    Render(number++);
    EXPECT_EQ(Outside(kX, kY, c.width, 16), Points{});
    if (c.thumbLength == 0) {
      EXPECT_TRUE(Ink(kTrack, kX, kY, kX + 200, kY + 16).empty());
      EXPECT_TRUE(Ink(kInnerLight, kX + 14, kY, kX + c.width - 14, kY + 16).empty());
      continue;
    }
    if (c.thumbLength == 1) {  // a thin bevel one pixel wide is all right edge
      EXPECT_EQ(ColumnsOf(kThinDark, kY + 8, kX + 14, kX + c.width - 14),
                (Rows{kX + 14 + c.thumbFrom}));
      continue;
    }
    // The thumb's light top row, from its left edge to one before its right edge.
    EXPECT_EQ(ColumnsOf(kInnerLight, kY, kX + 14, kX + c.width - 14),
              Range(kX + 14 + c.thumbFrom, kX + 14 + c.thumbFrom + c.thumbLength - 2));
  }
}

}  // namespace
}  // namespace bevel
