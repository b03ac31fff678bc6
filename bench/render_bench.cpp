// Cost of the list, tree, frame, track bar and scroll bar renderers on an 800 x 600 screen, each
// as a ratio to the frame floor (clear + full-screen blit + full-screen capture), printed as a
// counter "x_floor". A list of 100,000 items should cost what one of 100 costs.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "bench/frame_floor.h"
#include "services/headless.h"
#include "services/services.h"
#include "toolkit/frame/draw_gadget.h"
#include "toolkit/model/toolkit_state.h"
#include "toolkit/render/renderers.h"
#include "toolkit/toolkit.h"

namespace {

using namespace bevel;

using bench::kH;
using bench::kW;
using bench::Measure;

void OpenRenderScreen() {
  static bool open = false;
  if (open) return;
  bench::OpenBenchScreen();
  InitToolkit();
  SetGadgetDefaultColor(COLOR_FONT, LoadFont(ANY_NUMBER, "MS Sans Serif", 8));
  open = true;
}

// One frame's drawing of one gadget.
void DrawOne(int number) {
  BeginDrawing(BackBufferTarget());
  DrawGadget(*detail::FindGadget(number), 0, 0);
  EndDrawing();
}

void BM_RenderFrameFloor(benchmark::State& state) {
  Measure(state, bench::Floor, true);
}
BENCHMARK(BM_RenderFrameFloor);

// A 3-column list of 30 visible rows scrolled to the middle, one row selected.
void BM_ColumnList(benchmark::State& state) {
  OpenRenderScreen();
  const int items = static_cast<int>(state.range(0));
  const int n = CreateColumnList(ANY_NUMBER, 20, 20, 500, 30, "Name", LIST_CHECKBOXES);
  AddColumn(n, "Size", 200);
  AddColumn(n, "Date", 320);
  // Every row's text is as long as every other's, so both sizes draw the same glyphs.
  char row[64];
  for (int i = 0; i < items; ++i) {
    std::snprintf(row, sizeof row, "file_%06d.txt\n%07d\n14.02.2007", i, i * 7);
    AddGadgetItem(n, -1, row);
  }
  detail::FindGadget(n)->topItem = items / 2;
  SetGadgetState(n, items / 2 + 3);
  Measure(state, [n] { DrawOne(n); });
}
BENCHMARK(BM_ColumnList)->Arg(100)->Arg(100000);

// A tree of top-level nodes with four children each, every node expanded; scrolled to the
// middle. The rows come from the tree's row index, so both sizes should cost the same.
void BM_Tree(benchmark::State& state) {
  OpenRenderScreen();
  const int nodes = static_cast<int>(state.range(0)) / 5;
  const int n = CreateTree(ANY_NUMBER, 20, 20, 300, 30, 0);
  for (int i = 0; i < nodes; ++i) {
    AddTreeItem(n, -1, "Ordner " + std::to_string(i), 0, 0);
    for (int c = 0; c < 4; ++c) AddTreeItem(n, -1, "Datei " + std::to_string(c), 0, 1);
  }
  for (int i = 0; i < nodes; ++i) SetItemState(n, i * 5, ITEM_EXPANDED);
  detail::FindGadget(n)->topItem = nodes * 5 / 2;
  Measure(state, [n] { DrawOne(n); });
}
BENCHMARK(BM_Tree)->Arg(100)->Arg(100000);

void BM_Frame3DGroupBox(benchmark::State& state) {
  OpenRenderScreen();
  const int n = CreateFrame3D(ANY_NUMBER, 20, 20, 300, 200, "Einstellungen");
  Measure(state, [n] { DrawOne(n); });
}
BENCHMARK(BM_Frame3DGroupBox);

void BM_TrackBarTicks(benchmark::State& state) {
  OpenRenderScreen();
  const int n = CreateTrackBar(ANY_NUMBER, 20, 20, 300, 30, 0, 100, FLAG_TICKS);
  SetGadgetState(n, 40);
  Measure(state, [n] { DrawOne(n); });
}
BENCHMARK(BM_TrackBarTicks);

void BM_ScrollBar(benchmark::State& state) {
  OpenRenderScreen();
  const int n = CreateScrollBar(ANY_NUMBER, 20, 20, 300, 16, 0, 1000, 50, 0);
  SetGadgetState(n, 400);
  Measure(state, [n] { DrawOne(n); });
}
BENCHMARK(BM_ScrollBar);

}  // namespace

BENCHMARK_MAIN();
