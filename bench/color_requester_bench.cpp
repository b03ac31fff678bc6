// One frame of the colour requester on an 800 x 600 screen as a ratio to the frame floor (clear +
// full-screen blit + full-screen capture) measured in the same run: expanded (the spectrum's
// 240 x 241 picture, the bar's boxes, 80 swatches, fields and buttons), collapsed, and a message
// requester's frame for the cost of the modal loop and its window alone.
//
// A requester runs its frames itself: each benchmark iteration opens one, times kFrames of its
// frames once its window is live, and closes it with Escape.
#include <benchmark/benchmark.h>

#include <chrono>
#include <functional>

#include "bench/frame_floor.h"
#include "services/headless.h"
#include "toolkit/toolkit.h"

namespace {

using namespace bevel;
using Clock = std::chrono::steady_clock;

constexpr int kWarmFrames = 5, kFrames = 200;

void Setup() {
  static bool done = false;
  if (done) return;
  done = true;
  bench::OpenToolkitBenchScreen();
  InitColorRequester();
}

// Times the frames of the requester `open` runs; reports one frame as x_floor.
void MeasureRequester(benchmark::State& state, const std::function<void()>& open) {
  Setup();
  double ns = 0;
  long long frames = 0;
  for (auto _ : state) {
    int seen = 0, last = -1;
    Clock::time_point start;
    headless::SetExamineCallback([&](int frame) {
      if (frame == last) return;  // examined twice a frame: keyboard, then mouse
      last = frame;
      ++seen;
      if (seen == kWarmFrames) start = Clock::now();
      if (seen == kWarmFrames + kFrames) {
        ns += std::chrono::duration<double, std::nano>(Clock::now() - start).count();
        frames += kFrames;
      }
      headless::SetKey(KEY_ESCAPE, seen == kWarmFrames + kFrames);
    });
    open();
  }
  headless::SetExamineCallback({});
  if (frames > 0 && bench::FloorNs() > 0) {
    state.counters["x_floor"] = ns / static_cast<double>(frames) / bench::FloorNs();
  }
}

void BM_FrameFloor(benchmark::State& state) {
  Setup();
  bench::Measure(state, bench::Floor, true);
}
BENCHMARK(BM_FrameFloor);

void BM_ColorRequesterExpandedFrame(benchmark::State& state) {
  MeasureRequester(state, [] {
    benchmark::DoNotOptimize(
        ColorRequester(0x4080C0, COLOR_REQUESTER_EXPANDED | WINDOW_ESCAPE_CLOSES));
  });
}
BENCHMARK(BM_ColorRequesterExpandedFrame);

void BM_ColorRequesterCollapsedFrame(benchmark::State& state) {
  MeasureRequester(
      state, [] { benchmark::DoNotOptimize(ColorRequester(0x4080C0, WINDOW_ESCAPE_CLOSES)); });
}
BENCHMARK(BM_ColorRequesterCollapsedFrame);

void BM_MessageRequesterFrame(benchmark::State& state) {
  MeasureRequester(state, [] {
    benchmark::DoNotOptimize(MessageRequester("Frage", "Weiter?", "OK", WINDOW_ESCAPE_CLOSES));
  });
}
BENCHMARK(BM_MessageRequesterFrame);

}  // namespace

BENCHMARK_MAIN();
