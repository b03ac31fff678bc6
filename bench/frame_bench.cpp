// One GadgetEvent frame of an 800 x 600 screen holding one gadget of every type, alone and with
// a window over it, as a ratio to the frame floor (clear + full-screen blit + full-screen
// capture) measured in the same run.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/frame_floor.h"
#include "services/headless.h"
#include "toolkit/toolkit.h"

namespace {

using namespace bevel;

using bench::kH;
using bench::kW;
using bench::Measure;

void Setup() {
  static bool done = false;
  if (done) return;
  done = true;
  bench::OpenToolkitBenchScreen();
  CreateButton(1, 10, 10, 100, 24, "Button");
  CreateCheckBox(2, 10, 40, 100, 20, "CheckBox");
  CreateOption(3, 10, 70, 100, 20, "Option");
  CreateSpin(4, 120, 10, 16, 24, 0, 10);
  CreateText(5, 10, 100, 100, 20, "Text");
  CreateColumnList(6, 150, 10, 200, 10, "Spalte", 0x200000);
  for (int i = 0; i < 1000; ++i) AddGadgetItem(6, -1, "Eintrag " + std::to_string(i));
  CreateString(7, 10, 130, 120, 20, "String", -1, 0);
  CreateProgressBar(8, 10, 160, 120, 20, 0, 100);
  SetGadgetState(8, 40);
  CreateComboBox(9, 10, 190, 120, 8, 0);
  for (int i = 0; i < 20; ++i) AddGadgetItem(9, -1, "Wahl " + std::to_string(i));
  SetGadgetState(9, 3);
  CreateFrame3D(10, 380, 10, 200, 100, "Rahmen", 0);
  CreateTrackBar(11, 10, 230, 150, 24, 0, 10, FLAG_TICKS);
  CreateScrollBar(12, 10, 260, 150, 16, 0, 100, 10, 0);
  CreateHyperLink(13, 10, 290, 150, 16, "Link", 0x0000FF);
  CreateImageButton(14, 10, 310, 60, 30, 0);
  CreateTree(15, 380, 120, 200, 10, 0);
  for (int i = 0; i < 200; ++i) AddTreeItem(15, -1, "Knoten " + std::to_string(i), 0, i % 3);
  CreateFileList(17, 380, 300, 200, 8, "/", 0);
  CreateDate(18, 10, 350, 150, 20);
  CreateCalendar(19, 170, 350, 0, 0);
}

void Frame() {
  ClearScreen(0x808000);
  GadgetEvent();
  ShowFrame();
}

void BM_FrameFloor(benchmark::State& state) {
  Setup();
  Measure(state, bench::Floor, true);
}
BENCHMARK(BM_FrameFloor);

void BM_GadgetEventEveryType(benchmark::State& state) {
  Setup();
  Measure(state, Frame);
}
BENCHMARK(BM_GadgetEventEveryType);

void BM_GadgetEventWithWindowOver(benchmark::State& state) {
  Setup();
  static bool opened = false;
  if (!opened) {
    opened = true;
    OpenWindowEx(100, 200, 150, 300, 200, "Fenster", WINDOW_CLOSE_BUTTON);
    CreateButton(100, 10, 10, 100, 24, "OK");
    Frame();
    Frame();
  }
  Measure(state, Frame);
}
BENCHMARK(BM_GadgetEventWithWindowOver);

}  // namespace

BENCHMARK_MAIN();
