// Cost of the raster services on an 800 x 600 screen, each as a ratio to the frame floor
// (clear + full-screen blit + full-screen capture), printed as a counter "x_floor".
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

#include "services/headless.h"
#include "services/services.h"

namespace {

using namespace bevel;

constexpr int kW = 800, kH = 600;
double g_floorNs = 0;

void OpenBenchScreen() {
  static bool open = false;
  if (open) return;
  headless::Use();
  OpenScreen(kW, kH, 32, "bench");
  ClearScreen(0x808080);
  CaptureSprite(1, 0, 0, kW, kH);
  open = true;
}

void Floor() {
  ClearScreen(0xC0C0C0);
  BlitSprite(1, 0, 0);
  CaptureSprite(2, 0, 0, kW, kH);
}

// Times `body` per iteration and reports its ratio to the floor.
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
  if (isFloor) g_floorNs = ns;
  if (g_floorNs > 0) state.counters["x_floor"] = ns / g_floorNs;
}

void BM_FrameFloor(benchmark::State& state) {
  Measure(state, Floor, true);
}
BENCHMARK(BM_FrameFloor);

void BM_TextLine40(benchmark::State& state) {
  OpenBenchScreen();
  const int font = LoadFont(ANY_NUMBER, "MS Sans Serif", 8);
  const std::string line = "The quick brown fox jumps over the lazy";  // 40 characters with ":"
  Measure(state, [&] {
    BeginDrawing(BackBufferTarget());
    SetDrawFont(font);
    SetDrawMode(DRAW_TRANSPARENT);
    DrawText(10, 10, line + ":", 0);
    EndDrawing();
  });
}
BENCHMARK(BM_TextLine40);

// A screenful of 2-pixel bevels drawn from boxes and lines, as the gadgets' frames are.
void BM_BevelPattern(benchmark::State& state) {
  Measure(state, [] {
    BeginDrawing(BackBufferTarget());
    for (int y = 0; y < kH; y += 30) {
      for (int x = 0; x < kW; x += 100) {
        Box(x, y, 90, 24, 0xC0C0C0);
        Line(x, y, 90, 0, 0xFFFFFF);
        Line(x, y, 0, 24, 0xFFFFFF);
        Line(x + 1, y + 1, 88, 0, 0xDFDFDF);
        Line(x + 1, y + 1, 0, 22, 0xDFDFDF);
        Line(x, y + 23, 90, 0, 0x000000);
        Line(x + 89, y, 0, 24, 0x000000);
        Line(x + 1, y + 22, 88, 0, 0x808080);
        Line(x + 88, y + 1, 0, 22, 0x808080);
      }
    }
    EndDrawing();
  });
}
BENCHMARK(BM_BevelPattern);

}  // namespace

BENCHMARK_MAIN();
