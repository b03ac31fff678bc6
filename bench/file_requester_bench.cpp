// A file requester on a directory of 10,000 files, as ratios to the frame floor (clear +
// full-screen blit + full-screen capture) measured in the same run: opening it up to the first
// shown frame with its window drawn, and one frame while it is open. A frame must not read or
// sort the directory again.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench/frame_floor.h"
#include "services/headless.h"
#include "toolkit/toolkit.h"

namespace {

using namespace bevel;
using Clock = std::chrono::steady_clock;

constexpr int kFiles = 10000;
constexpr int kFramesTimed = 100;
constexpr char kPatterns[] = "Texte (*.txt)|*.txt|Alle Dateien|*";

std::string& Directory() {
  static std::string directory;
  return directory;
}

void Setup() {
  static bool done = false;
  if (done) return;
  done = true;
  bench::OpenToolkitBenchScreen();
  char name[] = "/tmp/bevel-bench-files-XXXXXX";
  if (mkdtemp(name) == nullptr) std::abort();
  Directory() = std::string(name) + "/";
  for (int i = 0; i < kFiles; ++i) {
    std::ofstream(Directory() + "Datei " + std::to_string(i) + ".txt");
  }
  std::atexit([] { std::filesystem::remove_all(Directory()); });
  ClearScreen(0x808000);
  GadgetEvent();
  ShowFrame();
}

// Runs a requester on the directory, sorted, until a close request at frame `closeAt` (counted
// from the call) ends it.
void RunRequester(int closeAt) {
  headless::AtFrame(headless::FrameCount() + closeAt, headless::RequestClose);
  OpenFileRequester(
      "Datei \xF6"
      "ffnen",
      Directory(), kPatterns, 0, 0, FILES_SORTED);
  PollWindowMessages();
}

void BM_FrameFloor(benchmark::State& state) {
  Setup();
  bench::Measure(state, bench::Floor, true);
}
BENCHMARK(BM_FrameFloor);

// The window is live from the requester's second frame: the close request seen then lets the
// third ShowFrame show it drawn, and ends the requester.
void BM_OpenOn10000Files(benchmark::State& state) {
  Setup();
  bench::Measure(state, [] { RunRequester(2); });
}
BENCHMARK(BM_OpenOn10000Files)->Unit(benchmark::kMillisecond);

// Frames of a live requester with the mouse over the list, timed between two examinations.
void BM_FrameWhileOpen(benchmark::State& state) {
  Setup();
  double seconds = 0;  // per frame, summed over the iterations
  for (auto _ : state) {
    const int first = headless::FrameCount() + 3;
    Clock::time_point start;
    headless::AtFrame(first, [&] {
      headless::SetMouse(bench::kW / 2, bench::kH / 2);
      start = Clock::now();
    });
    headless::AtFrame(first + kFramesTimed, [&] {
      const double frame =
          std::chrono::duration<double>(Clock::now() - start).count() / kFramesTimed;
      state.SetIterationTime(frame);
      seconds += frame;
    });
    RunRequester(3 + kFramesTimed);
  }
  const double iterations = static_cast<double>(state.iterations());
  if (bench::FloorNs() > 0 && iterations > 0) {
    state.counters["x_floor"] = seconds * 1e9 / iterations / bench::FloorNs();
  }
}
BENCHMARK(BM_FrameWhileOpen)->UseManualTime()->Iterations(20);

}  // namespace

BENCHMARK_MAIN();
