// Cost of the raster services on an 800 x 600 screen, each as a ratio to the frame floor
// (clear + full-screen blit + full-screen capture), printed as a counter "x_floor".
#include <benchmark/benchmark.h>

#include <string>

#include "bench/frame_floor.h"
#include "services/headless.h"
#include "services/services.h"

namespace {

using namespace bevel;

using bench::kH;
using bench::kW;
using bench::Measure;

void BM_FrameFloor(benchmark::State& state) {
  Measure(state, bench::Floor, true);
}
BENCHMARK(BM_FrameFloor);

void BM_TextLine40(benchmark::State& state) {
  bench::OpenBenchScreen();
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
