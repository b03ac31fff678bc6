// Per-frame cost as lists and trees grow: whole GadgetEvent frames on an 800 x 600 screen with
// one Tree of 100 or 100,000 nodes, and with one FileList on a directory of 100 or 10,000
// files, each as a ratio to the frame floor (clear + full-screen blit + full-screen capture).
// The big one of each pair should cost what the small one costs: a frame draws and updates the
// rows in view, and a file list reads its directory once per change, never per frame (the
// refill benchmark gives that once-per-change cost).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench/frame_floor.h"
#include "services/headless.h"
#include "toolkit/model/toolkit_state.h"
#include "toolkit/toolkit.h"

namespace {

using namespace bevel;
namespace fs = std::filesystem;

using bench::kH;
using bench::kW;
using bench::Measure;

constexpr int kGadget = 1;

void Frame() {
  ClearScreen(0x808000);
  GadgetEvent();
  ShowFrame();
}

// A fresh toolkit on the bench screen, the mouse resting over the gadget.
void FreshToolkit() {
  bench::OpenToolkitBenchScreen();
  headless::SetMouse(100, 100);
}

// A directory of `files` empty files under the temporary directory, made once per process and
// removed at exit.
std::string Directory(int files) {
  static const fs::path root =
      fs::temp_directory_path() / ("bevel-bench-" + std::to_string(getpid()));
  static bool cleanup = [] {
    std::atexit([] {
      std::error_code ec;
      fs::remove_all(root, ec);
    });
    return true;
  }();
  (void)cleanup;
  const fs::path dir = root / std::to_string(files);
  if (!fs::exists(dir)) {
    fs::create_directories(dir);
    for (int i = 0; i < files; ++i) std::ofstream(dir / ("datei_" + std::to_string(i) + ".txt"));
  }
  return dir.string() + "/";
}

void BM_FrameFloor(benchmark::State& state) {
  Measure(state, bench::Floor, true);
}
BENCHMARK(BM_FrameFloor);

// Top-level nodes with four children each, every node expanded, scrolled to the middle.
void BM_TreeFrame(benchmark::State& state) {
  FreshToolkit();
  const int nodes = static_cast<int>(state.range(0)) / 5;
  CreateTree(kGadget, 20, 20, 300, 30, 0);
  for (int i = 0; i < nodes; ++i) {
    AddTreeItem(kGadget, -1, "Ordner " + std::to_string(i), 0, 0);
    for (int c = 0; c < 4; ++c) AddTreeItem(kGadget, -1, "Datei " + std::to_string(c), 0, 1);
  }
  for (int i = 0; i < nodes; ++i) SetItemState(kGadget, i * 5, ITEM_EXPANDED);
  detail::FindGadget(kGadget)->topItem = nodes * 5 / 2;
  SetGadgetState(kGadget, nodes * 5 / 2 + 3);
  Frame();
  Measure(state, Frame);
}
BENCHMARK(BM_TreeFrame)->Arg(100)->Arg(100000);

void BM_FileListFrame(benchmark::State& state) {
  FreshToolkit();
  const int files = static_cast<int>(state.range(0));
  CreateFileList(kGadget, 20, 20, 300, 30, Directory(files), FILES_SORTED);
  detail::FindGadget(kGadget)->topItem = files / 2;
  SetGadgetState(kGadget, files / 2 + 3);
  Frame();
  Measure(state, Frame);
}
BENCHMARK(BM_FileListFrame)->Arg(100)->Arg(10000);

// What a change costs: the directory read, sorted and turned into items again.
void BM_FileListRefill(benchmark::State& state) {
  FreshToolkit();
  const std::string dir = Directory(static_cast<int>(state.range(0)));
  CreateFileList(kGadget, 20, 20, 300, 30, dir, FILES_SORTED);
  Measure(state, [&] { SetGadgetText(kGadget, dir); });
}
BENCHMARK(BM_FileListRefill)->Arg(100)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
