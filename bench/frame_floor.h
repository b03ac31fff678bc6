// The yardstick of every benchmark here: the frame floor on an 800 x 600 screen (clear +
// full-screen blit + full-screen capture). Each figure is reported as "x_floor", its cost as a
// multiple of the floor measured in the same program run.
#pragma once

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>

#include "services/headless.h"
#include "services/services.h"
#include "toolkit/toolkit.h"

namespace bevel::bench {

inline constexpr int kW = 800, kH = 600;
// Sprites of the floor, apart from anything a benchmark makes itself.
inline constexpr int kFloorBackdrop = 9001, kFloorGrab = 9002;

inline double& FloorNs() {
  static double ns = 0;
  return ns;
}

// Opens the headless 800 x 600 screen once and prepares the floor's backdrop.
inline void OpenBenchScreen() {
  static bool open = false;
  if (open) return;
  open = true;
#ifdef BEVEL_CHECK_INVARIANTS
  std::fprintf(
      stderr,
      "note: built with BEVEL_CHECK_INVARIANTS: frame figures include the invariant check\n");
#endif
  headless::Use();
  OpenScreen(kW, kH, 32, "bench");
  ClearScreen(0x808080);
  CaptureSprite(kFloorBackdrop, 0, 0, kW, kH);
}

// The floor's screen with a fresh toolkit on it: the gadget font, the whole screen as the
// toolkit's and a clock that steps 16 ms a frame.
inline void OpenToolkitBenchScreen() {
  OpenBenchScreen();
  InitToolkit();
  SetGadgetDefaultColor(COLOR_FONT, LoadFont(ANY_NUMBER, "MS Sans Serif", 8));
  SetScreenSize(kW, kH, -1);
  headless::SetFrameAdvance(16);
}

inline void Floor() {
  ClearScreen(0xC0C0C0);
  BlitSprite(kFloorBackdrop, 0, 0);
  CaptureSprite(kFloorGrab, 0, 0, kW, kH);
}

// Times body per iteration in wall time and reports it as a ratio to the floor.
template <class Body>
void Measure(benchmark::State& state, Body body, bool isFloor = false) {
  OpenBenchScreen();
  const auto start = std::chrono::steady_clock::now();
  long long n = 0;
  for (auto _ : state) {
    body();
    benchmark::ClobberMemory();
    ++n;
  }
  const double ns =
      std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start).count() /
      static_cast<double>(n ? n : 1);
  if (isFloor) FloorNs() = ns;
  if (FloorNs() > 0) state.counters["x_floor"] = ns / FloorNs();
}

}  // namespace bevel::bench
