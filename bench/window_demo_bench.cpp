// One frame of the window demonstration's screen (220 x 150, a 21-item ColumnList with check
// boxes and a vetoing handler) on the headless device, as a ratio to the 800 x 600 frame
// floor, with the process's peak memory.
#include <sys/resource.h>

#include <string>

#include "bench/frame_floor.h"
#include "toolkit/toolkit.h"

namespace {

using namespace bevel;

void BM_FrameFloor(benchmark::State& state) {
  bench::Measure(state, bench::Floor, true);
}
BENCHMARK(BM_FrameFloor);

void OpenDemoScreen() {
  static bool open = false;
  if (open) return;
  open = true;
  bench::OpenBenchScreen();  // keeps the floor's bookkeeping consistent
  OpenScreen(220, 150, 32, "TestScreen", SCREEN_WINDOWED);
  InitToolkit();
  SetGadgetDefaultColor(COLOR_FONT, LoadFont(1, "MS Sans Serif", 8));
  SetScreenSize(220, 150, -1);
  headless::SetFrameAdvance(16);
  CreateColumnList(2, 10, 10, 200, 8, "Title", LIST_CHECKBOXES | LIST_EXTENDED_SELECT);
  for (int i = 0; i <= 20; ++i) AddGadgetItem(2, -1, "Item " + std::to_string(i));
  SetItemText(2, 4, "DisableItem");
  SetItemColor(2, 4, COLOR_TEXT, 0x808080);
  SetItemColor(2, 4, COLOR_LIGHT, 0xC0C0C0);
  SetEventCallback([](Gadget*, int kind, std::intptr_t item) {
    return (kind == 4 || kind == 6) && item == 4 ? 0 : 1;
  });
  headless::SetMouse(60, 40);
}

void BM_WindowDemoFrame(benchmark::State& state) {
  OpenDemoScreen();
  bench::Measure(state, [] {
    ShowFrame();
    ClearScreen(0xC0C0C0);
    PollWindowMessages();
    GadgetEvent();
  });
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  state.counters["peak_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}
BENCHMARK(BM_WindowDemoFrame);

}  // namespace

BENCHMARK_MAIN();
