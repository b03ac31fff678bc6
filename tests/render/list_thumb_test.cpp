// The built-in scroll bar of a very long list keeps a visible thumb, on the last page too.
#include "tests/support/toolkit_screen.h"
#include "toolkit/frame/draw_gadget.h"
#include "toolkit/render/renderers.h"

namespace bevel {
namespace {

using ListThumb = testing::ToolkitScreen;

TEST_F(ListThumb, VeryLongListsKeepAVisibleThumb) {
  ASSERT_NE(CreateColumnList(1, 0, 0, 150, 8, "T", 0), 0);
  for (int i = 0; i < 100000; ++i) AddGadgetItem(1, -1, "x");
  Gadget& list = *detail::FindGadget(1);
  for (const int top : {0, 50000, 100000 - 8}) {
    list.topItem = top;
    Clear();
    Draw();
    DrawGadget(list, 0, 0);
    EndDrawing();
    // The thumb's thin light edge (0xE1E1E1 on the default face) appears on the track.
    const int barX = 150 - 16;
    int edge = 0;
    for (int y = 16; y < list.height - 16; ++y) edge += At(barX, y) == 0xE1E1E1;
    EXPECT_GE(edge, 3) << "topItem " << top;
  }
}

}  // namespace
}  // namespace bevel
