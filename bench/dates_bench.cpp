// One GadgetEvent frame of an 800 x 600 screen holding a Date with its calendar open and a
// Calendar, as a ratio to the frame floor (clear + full-screen blit + full-screen capture); the
// same frame with no gadget shows what the toolkit's own frame costs.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "bench/frame_floor.h"
#include "services/headless.h"
#include "toolkit/model/toolkit_state.h"
#include "toolkit/toolkit.h"

namespace {

using namespace bevel;

using bench::kH;
using bench::kW;
using bench::Measure;

void Frame() {
  ClearScreen(0x808000);
  GadgetEvent();
  ShowFrame();
}

void Setup(bool withDates) {
  bench::OpenToolkitBenchScreen();
  if (!withDates) return;
  CreateDate(1, 10, 10, 220, 20, "Datum: %dd.%mm.%yyyy  Zeit: %hh:%ii", 0, DATE_CHECKBOX);
  CreateCalendar(2, 300, 10, 0, 0);
  // Open the Date's calendar with a click on its drop button.
  headless::SetMouse(10 + 220 - 8, 15);
  headless::SetButton(1, true);
  Frame();
  headless::SetButton(1, false);
  Frame();
  headless::SetMouse(600, 500);
  if (Toolkit().OpenPopupIndex == -1) std::fprintf(stderr, "the Date's calendar did not open\n");
}

void BM_FrameFloor(benchmark::State& state) {
  bench::OpenBenchScreen();
  Measure(state, bench::Floor, true);
}
BENCHMARK(BM_FrameFloor);

void BM_GadgetEventEmpty(benchmark::State& state) {
  Setup(false);
  Measure(state, Frame);
}
BENCHMARK(BM_GadgetEventEmpty);

void BM_GadgetEventDateOpenAndCalendar(benchmark::State& state) {
  Setup(true);
  Measure(state, Frame);
}
BENCHMARK(BM_GadgetEventDateOpenAndCalendar);

}  // namespace

BENCHMARK_MAIN();
