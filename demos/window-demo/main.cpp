// window-demo: the smallest complete program on the toolkit. A 220 x 150 screen inside an
// operating-system window shows one column list of 21 items; the fifth, "DisableItem", can be
// neither selected nor ticked because the event handler vetoes both. Escape ends the program
// (so does closing the window). The pointer is "Mouse.bmp" from the working directory or from
// beside the program; without it the program runs without a pointer.
//
// Runs on the headless device with --headless, --script FILE, or when no display can be opened;
// a headless run without a script plays a short tour and prints the screenshots it wrote. The
// flags are those of the demo runner (demos/common/runner.h); --report also records the list's
// selection and how often the handler vetoed.
#include <cstdint>
#include <cstdio>
#include <string>

#include "demos/common/runner.h"
#include "toolkit/toolkit.h"

namespace {

using namespace bevel;

constexpr int kList = 2;
constexpr int kDisabledItem = 4;

// The tour: what a headless run without a script shows. Item i's row is centred at y 33 + 14 i
// while the list is scrolled to the top (the list starts at y 10 below a 14-pixel header);
// x 60 lies on the text, x 17 on the check box.
constexpr const char* kTour = R"(# Select Item 0, add Item 2 with Ctrl, then Shift-click Item 6:
# the range from Item 2 replaces the selection and skips DisableItem.
move 200 145
wait 1
shot window-demo-1-start.png
move 60 33
click
move 60 61
keydown ctrl
click
keyup ctrl
move 60 117
keydown shift
click
keyup shift
move 200 145
wait 2
shot window-demo-2-selection.png
# DisableItem takes neither the selection nor a tick; Item 1 takes a tick.
move 60 89
click
move 17 89
click
move 17 47
click
move 200 145
wait 2
shot window-demo-3-vetoed.png
# Three wheel notches towards the user scroll the list down.
move 60 75
wheel -3
wait 1
move 200 145
wait 1
shot window-demo-4-scrolled.png
keydown escape
)";

struct Vetoes {
  int select = 0;
  int check = 0;
};
Vetoes vetoes;

// "DisableItem" can be neither selected nor ticked; everything else is allowed.
int Handler(Gadget*, int kind, std::intptr_t item) {
  if (item != kDisabledItem) return 1;
  if (kind == EVENT_SELECT) {
    ++vetoes.select;
    return 0;
  }
  if (kind == EVENT_CHECK_PRESS) {
    ++vetoes.check;
    return 0;
  }
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  demo::Runner run("window-demo", kTour);
  if (!run.ParseArgs(argc, argv)) return run.ExitCode();

  InitToolkit();
  run.SelectDevice();
  const int font = LoadFont(1, "MS Sans Serif", 8);
  SetGadgetDefaultColor(COLOR_FONT, font);
  if (!OpenScreen(220, 150, 32, "TestScreen", SCREEN_WINDOWED)) {
    std::fprintf(stderr, "window-demo: cannot open the screen\n");
    return 1;
  }
  run.Start();
  SetScreenSize(220, 150, 1);
  const std::string pointer = demo::Runner::FindFile("Mouse.bmp");
  if (pointer.empty() || !LoadSprite(1, pointer)) {
    std::fprintf(stderr, "window-demo: no readable Mouse.bmp; running without a pointer\n");
  }

  CreateColumnList(kList, 10, 10, 200, 8, "Title", LIST_CHECKBOXES | LIST_EXTENDED_SELECT);
  for (int i = 0; i <= 20; ++i) AddGadgetItem(kList, -1, "Item " + std::to_string(i));
  SetItemText(kList, kDisabledItem, "DisableItem");
  SetItemColor(kList, kDisabledItem, COLOR_TEXT, 0x808080);
  SetItemColor(kList, kDisabledItem, COLOR_LIGHT, 0xC0C0C0);
  SetEventCallback(Handler);

  for (bool quit = false; !quit;) {
    ShowFrame();
    ClearScreen(0xC0C0C0);
    if (PollWindowMessages()) {
      run.End("close");
      quit = true;
    }
    GadgetEvent();
    if (KeyPushed(KEY_ESCAPE)) {
      run.End("escape");
      quit = true;
    }
    if (run.EndOfFrame()) quit = true;
  }

  run.Report("selection " + std::to_string(GetGadgetState(kList)));
  run.Report("vetoed-select " + std::to_string(vetoes.select));
  run.Report("vetoed-check " + std::to_string(vetoes.check));
  const int code = run.Close();
  CloseScreen();
  return code;
}
