// gadget-demo's costs: the start-up to the first shown frame (fonts included, measured cold, as
// the first thing this program does), one frame of its start screen with every renderer drawing
// as a ratio to the frame floor, and the peak memory of the built program's headless tour.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "bench/frame_floor.h"
#include "demos/gadget-demo/gadget_demo.h"
#include "services/headless.h"
#include "toolkit/toolkit.h"

namespace {

using namespace bevel;
namespace gd = gadget_demo;

double Ms(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

// Runs once: a second start-up in the same process would find fonts and fontconfig warm.
void BM_StartUpToFirstShownFrame(benchmark::State& state) {
  // The demo's pictures are beside it.
  std::filesystem::current_path(std::filesystem::path(BEVEL_GADGET_DEMO).parent_path());
  const auto start = std::chrono::steady_clock::now();
  for (auto _ : state) {
    gd::InitDemo();
    headless::Use();
    OpenScreen(800, 600, 32, "TestQuillon");
    gd::BuildDemo();
    gd::DemoFrame();  // shows the empty back buffer, then draws the first frame
    ShowFrame();
  }
  state.counters["ms"] = Ms(std::chrono::steady_clock::now() - start);
  CloseScreen();
}
BENCHMARK(BM_StartUpToFirstShownFrame)->Iterations(1);

void BM_FrameFloor(benchmark::State& state) {
  bench::Measure(state, bench::Floor, true);
}
BENCHMARK(BM_FrameFloor);

// The start screen with its count-up done, the pointer over the list.
void BM_GadgetDemoFrame(benchmark::State& state) {
  bench::OpenBenchScreen();
  gd::InitDemo();
  OpenScreen(800, 600, 32, "TestQuillon");
  headless::SetFrameAdvance(16);
  gd::BuildDemo();
  headless::SetMouse(100, 150);
  for (int i = 0; i < 150; ++i) gd::DemoFrame();
  bench::Measure(state, [] { gd::DemoFrame(); });
  CloseScreen();
  // Back to the floor's screen for whatever runs next.
  OpenScreen(bench::kW, bench::kH, 32, "bench");
}
BENCHMARK(BM_GadgetDemoFrame);

// The whole tour in a process of its own, as a user runs it: its peak resident memory and its
// time.
void BM_HeadlessTourProcess(benchmark::State& state) {
  namespace fs = std::filesystem;
  std::string shots = (fs::temp_directory_path() / "gadget-demo-bench-XXXXXX").string();
  if (mkdtemp(shots.data()) == nullptr) {
    state.SkipWithError("no temporary directory");
    return;
  }
  long peakKiB = 0;
  const auto start = std::chrono::steady_clock::now();
  for (auto _ : state) {
    const pid_t pid = fork();
    if (pid == 0) {
      if (std::freopen("/dev/null", "w", stdout) == nullptr) _exit(127);
      execl(BEVEL_GADGET_DEMO, BEVEL_GADGET_DEMO, "--headless", "--shots", shots.c_str(),
            static_cast<char*>(nullptr));
      _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) state.SkipWithError("the tour failed");
    peakKiB = std::max(peakKiB, usage.ru_maxrss);
  }
  state.counters["s"] = Ms(std::chrono::steady_clock::now() - start) / 1000.0 /
                        static_cast<double>(state.iterations());
  state.counters["peak_MiB"] = static_cast<double>(peakKiB) / 1024.0;
  std::error_code ec;
  fs::remove_all(shots, ec);
}
BENCHMARK(BM_HeadlessTourProcess)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
